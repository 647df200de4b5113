// The registry of process-wide state: each subsystem adds its variables and
// object lists (for the state dump of headless runs) and its reset (so that
// several runs can share one process). Nothing here knows the subsystems.
//
// A subsystem registers from the file that defines its variables:
//     const platform::StateRegistration kRegistration([] {
//         platform::RegisterDumpInt("Score", Score);
//         platform::RegisterReset(ResetGameProgress);
//     });
#pragma once

#include <functional>
#include <string>
#include <utility>
#include <vector>

namespace platform {

// One line "Name=value" of the dump, in registration order.
void RegisterDumpValue(std::string name, std::function<std::string()> read);
void RegisterDumpInt(std::string name, const int& variable);
void RegisterDumpText(std::string name, const std::string& variable);

// An object list: for each object, its fields in order. Dumped after the values
// as "name.count=N" and "name[i].field=value".
using DumpFields = std::vector<std::pair<std::string, std::string>>;
void RegisterDumpList(std::string name, std::function<std::vector<DumpFields>()> objects);

// Called by ResetAllState, in registration order.
void RegisterReset(std::function<void()> reset);

// The whole dump, one line each, ending with a line feed.
std::string DumpState();

// Every registered subsystem back to its start values.
void ResetAllState();

// Runs a registration function during static initialisation.
struct StateRegistration {
    explicit StateRegistration(void (*registerAll)()) { registerAll(); }
};

}  // namespace platform
