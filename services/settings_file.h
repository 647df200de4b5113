// The settings file, settings.dat in the working directory: the player's
// choices kept from one run to the next.
#pragma once

namespace services {

// Writes the settings values to the file; called by the shut-down.
void SaveSettings();

}  // namespace services
