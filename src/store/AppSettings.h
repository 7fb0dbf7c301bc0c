// What the main window keeps between runs: the ten keys of section FORM_HLAV
// in the settings file, and the state dump with the last parameter image.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "AppPaths.h"
#include "ProfileFile.h"
#include "model/ParamImage.h"

namespace tarvel {

inline constexpr std::string_view kFormSection = "FORM_HLAV";

// The values as the file stores them. The window fills the struct before
// reading (its current values are the defaults of the integer keys) and
// before writing.
struct FormSettings {
    int left = 0;
    int top = 0;
    int height = 0;
    int width = 0;
    int comPort = 1;          // portIndex + 1: 1..20 COM1..COM20, 21 automatic
    int comPortAuto = 0;      // scanIndex + 1
    int language = 0;         // 0 English, 1 German, 2 French, 3 Czech
    std::string file;         // currentFileName
    std::string iniDir;       // lastFilePath
    int activePageIndex = 0;  // open tab of the main tab control

    // Stored value minus 1, kept to 8 bits (NormaliseImage repairs the range).
    std::uint8_t portIndex() const { return static_cast<std::uint8_t>(static_cast<unsigned>(comPort) - 1u); }
    std::uint8_t scanIndex() const { return static_cast<std::uint8_t>(static_cast<unsigned>(comPortAuto) - 1u); }
    std::uint8_t languageIndex() const { return static_cast<std::uint8_t>(static_cast<unsigned>(language)); }
    void setPortIndex(std::uint8_t index) { comPort = index + 1; }
    void setScanIndex(std::uint8_t index) { comPortAuto = index + 1; }

    bool operator==(const FormSettings&) const = default;
};

// The ten keys, integer keys defaulting to the current values, text keys to "".
void ReadFormSettings(const ProfileFile& profile, FormSettings& form);
// The ten keys in their fixed order; the rest of the profile stays.
void WriteFormSettings(ProfileFile& profile, const FormSettings& form);

// The whole settings file, for reading other sections (an empty profile when
// there is no file).
ProfileFile LoadSettingsFile(const AppPaths& paths);

// Start-up: removes the temporary files of both files that killed processes
// left, then FORM_HLAV into `form`, then the state dump over `image` when there is one.
void LoadSettings(const AppPaths& paths, FormSettings& form, ParamImage& image);

struct SaveSettingsResult {
    bool settingsWritten = false;
    bool stateDumpWritten = false;
    std::string settingsError;  // "Unable to write to <settings file>" when not written
};

// Close: creates the folder, writes the ten keys into the settings file
// (keeping its other sections and keys), then the state dump, which is
// written even when the settings could not be.
SaveSettingsResult SaveSettings(const AppPaths& paths, const FormSettings& form, const ParamImage& image);

}  // namespace tarvel
