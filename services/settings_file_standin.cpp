// Stand-in for the settings file until it is built: SaveSettings writes
// nothing yet, so a run leaves no file behind.
#include "services/settings_file.h"

namespace services {

void SaveSettings() {}

}  // namespace services
