// Stand-in until falls are built (replaced by the hero work): nobody falls yet.
#include "shell/hero_fall.h"

namespace shell {

void RunHeroFall() {}

}  // namespace shell
