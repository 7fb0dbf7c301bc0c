// Any bytes as the settings file: no crash, and after the window's keys are
// written they read back as written while other sections keep their values.
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>

#include "store/AppSettings.h"
#include "store/ProfileFile.h"

using namespace tarvel;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    ProfileFile profile(text);
    FormSettings form;
    ReadFormSettings(profile, form);

    const char* const foreignKeys[] = {"COM1", "COM2", "Left", "File"};
    std::string before[4];
    for (int i = 0; i < 4; ++i)
        before[i] = profile.readString("PORTS", foreignKeys[i], "\x01missing");

    form.left += 1;
    form.file += "x";
    WriteFormSettings(profile, form);
    const ProfileFile reread(profile.text());
    FormSettings back;
    back.comPort = -5;  // defaults that differ from every written value
    ReadFormSettings(reread, back);
    if (!(back == form))
        std::abort();
    for (int i = 0; i < 4; ++i)
        if (reread.readString("PORTS", foreignKeys[i], "\x01missing") != before[i])
            std::abort();
    return 0;
}
