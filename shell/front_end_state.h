// The front end's own process-wide state: the menu positions and the bottom
// line's version notice.
#pragma once

#include <string>

namespace shell {

// Highlighted main-menu item and options row; both keep their value between visits.
extern int MenuChoice;
extern int OptionsChoice;

// Set by the version check when a newer version is known.
struct VersionNoticeState {
    int flag = 0;
    std::string line1;  // "new version (v" ... ") is"
    std::string line2;  // "available from website."
};

// Counts the frames of the credit line / notice cycle, 0..120; stays 0 while
// no notice is known.
extern int NoticeTick;
extern VersionNoticeState VersionNotice;

void ResetFrontEndState();

}  // namespace shell
