// Scans over the key-name table: the menus' "was any key pressed" checks.
#pragma once

#include <functional>

namespace services {

// The code found by the latest scan, 0 for none.
extern int LastKey;
// The latest PollMenuKey answer: 0 no table key, 1 a table key, 2 the fire key.
extern int MenuKeyResult;

void ResetKeyScanState();

// Queries the keys of the table in order and answers the code of the first
// pair whose query is non-zero, or 0. The closing 255 pair is queried like
// the others. With a hit counter as the query, every pair up to the stop has
// its count consumed and the pairs after it keep theirs.
int ScanKeyTable(const std::function<int(int)>& query);

// One scan by hit count; sets LastKey and MenuKeyResult. Does not wait.
void PollMenuKey();

// Scans by hit count until a key with a code from 1 to 254 is hit, resting
// 10 ms between scans. Draws no frames: the layer's key queries take in
// the window's events themselves.
void WaitForAnyKey();

}  // namespace services
