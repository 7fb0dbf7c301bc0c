#include "CtlSettings.h"

#include "store/AppPaths.h"
#include "store/ProfileFile.h"

namespace tarvel::ctl {

std::filesystem::path SettingsFolder()
{
    return AppPaths::fromEnvironment().folder;
}

void LoadPortOverrides(link::PortTable& ports)
{
    ProfileFile settings;
    if (!settings.load(AppPaths::fromEnvironment().settingsFile()))
        return;
    ports.loadOverrides([&](const std::string& key) { return settings.value(link::PortTable::kSettingsSection, key); });
}

}  // namespace tarvel::ctl
