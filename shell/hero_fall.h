// The fall through a shaft or off a ladder: it takes over the screen until the
// hero lands, dead.
#pragma once

namespace shell {

// Once per play frame, after the hero is drawn; does nothing unless Falling is 1.
void RunHeroFall();

}  // namespace shell
