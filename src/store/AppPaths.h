// Where the program keeps what lasts between runs. Every file name of the
// settings, the state dump and the test marker is here and nowhere else.
#pragma once

#include <string>
#include <string_view>

namespace tarvel {

inline constexpr std::string_view kSettingsFileName = "tarvel3";
inline constexpr std::string_view kStateDumpFileName = "_tarvel3";
inline constexpr std::string_view kTestMarkerFileName = "test_verdol.txt";
inline constexpr std::string_view kHistoryFolderName = "history";

struct AppPaths {
    std::string folder;

    // $TARVEL3_HOME when set, else $XDG_CONFIG_HOME/tarvel3, else
    // ~/.config/tarvel3 (a relative XDG_CONFIG_HOME is ignored).
    static AppPaths fromEnvironment();

    std::string settingsFile() const { return join(kSettingsFileName); }
    std::string stateDumpFile() const { return join(kStateDumpFileName); }
    std::string testMarkerFile() const { return join(kTestMarkerFileName); }
    // The tune history (created when the first entry is written).
    std::string historyFolder() const { return join(kHistoryFolderName); }

    // Creates the folder (mode 0700) and any missing parents. True when it exists afterwards.
    bool createFolder(std::string* error = nullptr) const;

private:
    std::string join(std::string_view name) const;
};

}  // namespace tarvel
