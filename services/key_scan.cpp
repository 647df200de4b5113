// PollMenuKey and WaitForAnyKey over the key-name table.
#include "services/key_scan.h"

#include "platform/platform.h"
#include "platform/state_registry.h"
#include "services/key_names.h"
#include "services/settings_values.h"

namespace services {

int LastKey = 0;
int MenuKeyResult = 0;

void ResetKeyScanState() {
    LastKey = 0;
    MenuKeyResult = 0;
}

namespace {

const platform::StateRegistration kRegistration([] {
    platform::RegisterDumpInt("LastKey", LastKey);
    platform::RegisterDumpInt("MenuKeyResult", MenuKeyResult);
    platform::RegisterReset(ResetKeyScanState);
});

}  // namespace

int ScanKeyTable(const std::function<int(int)>& query) {
    for (const KeyName& key : KeyNameTable()) {
        if (query(key.code) != 0) return key.code;
    }
    return 0;
}

void PollMenuKey() {
    MenuKeyResult = 0;
    LastKey = ScanKeyTable(platform::KeyHitCount);
    if (LastKey > 0 && LastKey != 255) MenuKeyResult = 1;
    // Only a key actually hit counts as fire: a fire key of 0 from an edited
    // settings file must not turn "nothing hit" into a fire press.
    if (MenuKeyResult == 1 && LastKey == KeyFire) MenuKeyResult = 2;
}

void WaitForAnyKey() {
    for (;;) {
        LastKey = ScanKeyTable(platform::KeyHitCount);
        if (LastKey > 0 && LastKey < 255) return;
        // A rest between scans keeps a long wait (the story screen, a dialog)
        // from spinning a whole core. Presses are counted, so none is lost,
        // and 10 ms is less than a frame.
        platform::WaitMs(10);
    }
}

}  // namespace services
