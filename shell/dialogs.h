// The dimmed dialog panel, centred text and the yes/no dialog, shared by the
// menus and the game.
#pragma once

#include <string>
#include <string_view>

namespace shell {

// Dims whatever is on screen with the checker tile and draws the empty panel.
void DrawDialogFrame();

// The text padded with spaces on both sides until it spans the screen width
// at this advance (1024 / advance characters, at least one space each side).
std::string CentredText(std::string_view text, int advance);

// Draws the text centred on the screen at the row.
void DrawTextCentred(std::string_view text, double row, int advance);

// Asks the question until a yes or no key is hit; true for yes. A yes and a
// no key in the same frame answer no.
bool RunConfirmDialog(std::string_view question);

}  // namespace shell
