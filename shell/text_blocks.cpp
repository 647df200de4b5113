// The text blocks. Leading spaces are part of the layout: the screens draw
// each line from the same column.
#include "shell/text_blocks.h"

#include <array>

namespace shell {
namespace {

constexpr std::array<TextLine, 22> kInstructions{{
    {2, "      INSTRUCTIONS"},
    {0, " "},
    {0, "Move around the maze and"},
    {0, "collect presents and place"},
    {0, "them in your wheelbarrow"},
    {0, "at the top of the screen."},
    {0, " "},
    {3, "Be careful you don't run"},
    {3, "out of time, or you will"},
    {3, "lose one of your lives."},
    {0, " "},
    {1, "Ride minecarts, grab handles"},
    {1, "or use axes to avoid being"},
    {1, "caught by the angry elfs."},
    {0, " "},
    {3, "Have fun...and remember"},
    {3, "that only you, Snatchkin,"},
    {3, "can stop Christmas. :-)"},
    {0, " "},
    {0, " "},
    {2, "  Press any key to return."},
    {0, "#"},
}};

// Our own wording: each line fits the 30 characters between x 544 and the
// right edge of the screen.
constexpr std::array<TextLine, 20> kCredits{{
    {0, "Code (c) 2012 Snatchkin team"},
    {1, "Graphics by our pixel elves"},
    {2, "Music by our jingle makers"},
    {0, " "},
    {0, " "},
    {1, "For everyone who ever stayed"},
    {2, "up late to listen for the"},
    {2, "sleigh bells. Merry Christmas!"},
    {0, " "},
    {0, " "},
    {3, "Liked it? Then try our other"},
    {3, "two Christmas games:"},
    {0, " "},
    {1, "Tinsel Tumble Trouble"},
    {1, "Gingerbread Sleigh Patrol"},
    {0, " "},
    {0, " "},
    {0, "Visit our home page for news"},
    {0, "and more free games."},
    {0, "#"},
}};

constexpr std::array<TextLine, 21> kStory{{
    {2, "Christmas?...Bah! Humbug!"},
    {0, " "},
    {0, "Let's see if we can put a stop to"},
    {0, "this silly thing called christmas."},
    {0, " "},
    {1, "Infiltrate Santa's workshop"},
    {1, "and avoid his elfs while you"},
    {1, "collect all the presents."},
    {0, " "},
    {3, "Take them to your wheelbarrow"},
    {3, "and make your way back out."},
    {0, " "},
    {5, "...that'll teach them buggers."},
    {0, " "},
    {0, " "},
    {0, " "},
    {0, " "},
    {0, " "},
    {0, " "},
    {6, "   Press any key to continue."},
    {0, "#"},
}};

constexpr std::array<std::string_view, 13> kOnlineSyncNotice{{
    "    the game is now attempting to sync",
    "    your score with the online server.",
    " ",
    "  this shouldn't take more than a second,",
    "   but if the game appears to lock up,",
    "   just leave it be for a few seconds",
    "   and it will automatically continue.",
    " ",
    " this happens if your firewall blocks the",
    "   games access to the internet. Allow",
    " the game to go online and you won't see",
    " this message for more than a second or so.",
    "#",
}};

}  // namespace

std::span<const TextLine> InstructionsText() { return kInstructions; }
std::span<const TextLine> CreditsText() { return kCredits; }
std::span<const TextLine> StoryText() { return kStory; }
std::span<const std::string_view> OnlineSyncNotice() { return kOnlineSyncNotice; }

}  // namespace shell
