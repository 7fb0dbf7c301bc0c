#include "AppSettings.h"

#include "SafeFileWriter.h"
#include "StateDump.h"
#include "model/LogSink.h"

namespace tarvel {

namespace {

// One key: an integer member or a text member.
struct FormKey {
    std::string_view key;
    int FormSettings::*number;
    std::string FormSettings::*text;
};

// In the order the keys are read and written.
const FormKey kFormKeys[] = {
    {"Left", &FormSettings::left, nullptr},
    {"Top", &FormSettings::top, nullptr},
    {"Height", &FormSettings::height, nullptr},
    {"Width", &FormSettings::width, nullptr},
    {"ComPort", &FormSettings::comPort, nullptr},
    {"ComPortAuto", &FormSettings::comPortAuto, nullptr},
    {"Language", &FormSettings::language, nullptr},
    {"File", nullptr, &FormSettings::file},
    {"IniDir", nullptr, &FormSettings::iniDir},
    {"PageControl1->ActivePageIndex", &FormSettings::activePageIndex, nullptr},
};

}  // namespace

void ReadFormSettings(const ProfileFile& profile, FormSettings& form)
{
    for (const FormKey& k : kFormKeys) {
        if (k.number != nullptr)
            form.*k.number = profile.readInt(kFormSection, k.key, form.*k.number);
        else
            form.*k.text = profile.readString(kFormSection, k.key, "");
    }
}

void WriteFormSettings(ProfileFile& profile, const FormSettings& form)
{
    for (const FormKey& k : kFormKeys) {
        if (k.number != nullptr)
            profile.writeInt(kFormSection, k.key, form.*k.number);
        else
            profile.writeString(kFormSection, k.key, form.*k.text);
    }
}

ProfileFile LoadSettingsFile(const AppPaths& paths)
{
    ProfileFile profile;
    profile.load(paths.settingsFile());
    return profile;
}

void LoadSettings(const AppPaths& paths, FormSettings& form, ParamImage& image)
{
    // A save cut short by a kill leaves its temporary file; nobody else removes it.
    for (std::string_view name : {kSettingsFileName, kStateDumpFileName})
        SafeFileWriter::removeLeftovers(paths.folder, std::string(name));
    ReadFormSettings(LoadSettingsFile(paths), form);
    LoadStateDump(paths.stateDumpFile(), image);
}

SaveSettingsResult SaveSettings(const AppPaths& paths, const FormSettings& form, const ParamImage& image)
{
    SaveSettingsResult result;
    paths.createFolder();

    // Start from the file as it is now, so that keys other programs or the
    // user added in the meantime survive. A file that is there but cannot be
    // read is not overwritten: its other keys would be lost.
    ProfileFile profile;
    if (profile.load(paths.settingsFile())) {
        WriteFormSettings(profile, form);
        result.settingsWritten = profile.save(paths.settingsFile());
    }
    if (!result.settingsWritten) {
        result.settingsError = "Unable to write to " + paths.settingsFile();
        log::write(log::Area::Store, "settings not saved to " + paths.settingsFile());
    }

    std::string dumpError;
    result.stateDumpWritten = SaveStateDump(paths.stateDumpFile(), image, &dumpError);
    if (!result.stateDumpWritten)
        log::write(log::Area::Store, "last parameter set not saved: " + dumpError);
    return result;
}

}  // namespace tarvel
