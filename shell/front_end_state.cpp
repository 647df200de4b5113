// Start values of the front end's state.
#include "shell/front_end_state.h"

#include "platform/state_registry.h"

namespace shell {

int MenuChoice = 0, OptionsChoice = 0;
int NoticeTick = 0;
VersionNoticeState VersionNotice;

void ResetFrontEndState() {
    MenuChoice = OptionsChoice = 0;
    NoticeTick = 0;
    VersionNotice = VersionNoticeState{};
}

namespace {

const platform::StateRegistration kRegistration([] {
    platform::RegisterDumpInt("MenuChoice", MenuChoice);
    platform::RegisterDumpInt("OptionsChoice", OptionsChoice);
    platform::RegisterDumpInt("NoticeTick", NoticeTick);
    platform::RegisterDumpInt("VersionNotice.flag", VersionNotice.flag);
    platform::RegisterDumpText("VersionNotice.line1", VersionNotice.line1);
    platform::RegisterDumpText("VersionNotice.line2", VersionNotice.line2);
    platform::RegisterReset(ResetFrontEndState);
});

}  // namespace

}  // namespace shell
