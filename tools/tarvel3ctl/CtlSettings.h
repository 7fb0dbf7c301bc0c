// What the unit commands take from the program's settings: the folder they
// live in and the PORTS section that maps port names to devices.
#pragma once

#include <filesystem>

#include "link/PortTable.h"

namespace tarvel::ctl {

// $TARVEL3_HOME, else $XDG_CONFIG_HOME/tarvel3, else ~/.config/tarvel3.
std::filesystem::path SettingsFolder();

// The COM1..COM20 keys of the PORTS section of the settings file.
void LoadPortOverrides(link::PortTable& ports);

}  // namespace tarvel::ctl
