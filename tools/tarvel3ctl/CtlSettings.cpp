#include "CtlSettings.h"

#include <cstdlib>

// The settings file is read by the store library; without it in the build
// the built-in port table holds.
#if __has_include("store/ProfileFile.h")
#include "store/AppPaths.h"
#include "store/ProfileFile.h"
#define TARVEL_HAVE_SETTINGS 1
#endif

namespace tarvel::ctl {

std::filesystem::path SettingsFolder()
{
#ifdef TARVEL_HAVE_SETTINGS
    return AppPaths::fromEnvironment().folder;
#else
    const char* home = std::getenv("TARVEL3_HOME");
    const char* config = std::getenv("XDG_CONFIG_HOME");
    const char* user = std::getenv("HOME");
    if (home && *home)
        return home;
    if (config && *config == '/')
        return std::filesystem::path(config) / "tarvel3";
    return std::filesystem::path(user ? user : ".") / ".config" / "tarvel3";
#endif
}

void LoadPortOverrides(link::PortTable& ports)
{
#ifdef TARVEL_HAVE_SETTINGS
    ProfileFile settings;
    if (!settings.load(AppPaths::fromEnvironment().settingsFile()))
        return;
    ports.loadOverrides([&](const std::string& key) { return settings.value(link::PortTable::kSettingsSection, key); });
#else
    (void)ports;
#endif
}

}  // namespace tarvel::ctl
