// The instructions and credits screens: one text block under a heading, left
// with any key, Escape, the close request or the MENU button.
#include <span>

#include "platform/keys.h"
#include "platform/platform.h"
#include "services/key_scan.h"
#include "shell/front_end.h"
#include "shell/menu_drawing.h"
#include "shell/sound_cues.h"
#include "shell/text_blocks.h"

namespace shell {
namespace {

constexpr int kInfoHeading = 0, kCreditsHeading = 2;

void RunTextScreen(std::span<const TextLine> block, int heading) {
    platform::ClearKeys();
    for (;;) {
        DrawMenuBackground(false);
        DrawHeading(heading);
        DrawTextBlock(block, 34, 10.0);
        const bool menuClicked = MenuButtonClicked();
        platform::ShowFrame();

        // The key scan consumes Escape too, so it never reaches the main menu.
        services::PollMenuKey();
        if (services::MenuKeyResult != 0) break;
        if (platform::KeyHitCount(platform::kKeyEscape) != 0) break;
        if (platform::CloseRequested()) break;
        if (menuClicked) break;
    }
    PlayEffect(kClickSound);
}

}  // namespace

void ShowInstructions() { RunTextScreen(InstructionsText(), kInfoHeading); }

void ShowCredits() { RunTextScreen(CreditsText(), kCreditsHeading); }

}  // namespace shell
