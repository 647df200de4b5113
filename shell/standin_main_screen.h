// A plain main screen that stands in for the main menu until the front end
// lands: the menu backdrop and a line of text, until Escape or the close request.
#pragma once

namespace shell {

void RunStandInMainScreen();

}  // namespace shell
