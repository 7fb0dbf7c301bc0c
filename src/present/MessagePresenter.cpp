#include "present/MessagePresenter.h"

#include <array>
#include <cstdio>
#include <string_view>

#include "model/LogSink.h"
#include "model/ParamImage.h"

namespace tarvel::present {

namespace {

// The words of the detail; the device, the system's reason and the command
// to join the group stay as they are in every language.
struct DetailWords {
    const char* separator;  // between the device, the failed step and the reason
    const char* notSerial;
    const char* inUse;
    const char* exclusiveOpen;
    const char* lineSettings;
    const char* groupBefore;   // ... the group's name ...
    const char* groupAfter;    // ... the command to join it ...
    const char* afterCommand;  // ... to the end of the sentence
};

// clang-format off
constexpr std::array<DetailWords, kLanguageCount> kDetailWords = {{
    {": ", "not a serial device", "in use", "exclusive open", "line settings",
     "The device belongs to the group \"", "\"; the user must be a member of it: ", ", then log in again."},
    {": ", "kein serielles Gerät", "belegt", "exklusiver Zugriff", "Schnittstelleneinstellungen",
     "Das Gerät gehört der Gruppe „", "“; der Benutzer muss ihr angehören: ", ", danach neu anmelden."},
    {" : ", "pas un périphérique série", "déjà utilisé", "accès exclusif", "paramètres de la ligne série",
     "Le périphérique appartient au groupe « ", " » ; l'utilisateur doit en être membre : ", ", puis se reconnecter."},
    {": ", "není sériové zařízení", "obsazeno", "výhradní přístup", "nastavení sériové linky",
     "Zařízení patří skupině „", "“; uživatel musí být jejím členem: ", ", poté se znovu přihlásit."},
}};
// clang-format on

// Empty for the open itself: the reason follows the device directly.
const char* stepText(link::DeviceOpenFailure::Step step, const DetailWords& words)
{
    using Step = link::DeviceOpenFailure::Step;
    switch (step) {
        case Step::Open:
            return "";
        case Step::NotSerial:
            return words.notSerial;
        case Step::InUse:
            return words.inUse;
        case Step::ExclusiveOpen:
            return words.exclusiveOpen;
        case Step::LineSettings:
            return words.lineSettings;
    }
    return "";
}

}  // namespace

MessageBoxText MessagePresenter::portOpenFailed(const link::DeviceOpenFailure& failure, const MessageTable& messages,
                                                Language language)
{
    return {messages[Msg::ComOpeningError], openFailureDetail(failure, language)};
}

std::string MessagePresenter::openFailureDetail(const link::DeviceOpenFailure& failure, Language language)
{
    // A device that cannot tell why (a stand-in, a scripted test device) adds nothing.
    if (failure.devicePath.empty())
        return {};
    const DetailWords& words = kDetailWords[static_cast<std::size_t>(language)];
    std::string detail = failure.devicePath;
    if (const std::string_view step = stepText(failure.step, words); !step.empty()) {
        detail += words.separator;
        detail += step;
    }
    detail += words.separator;
    detail += log::errnoText(failure.errnoValue);
    if (failure.owningGroup.empty())
        return detail;
    const std::string& group = failure.owningGroup;
    detail += ". ";
    detail +=
        words.groupBefore + group + words.groupAfter + "sudo usermod -aG " + group + " $USER" + words.afterCommand;
    return detail;
}

MessageBoxText MessagePresenter::unitVersionMismatch(int unitVersion, const MessageTable& messages)
{
    return {versionMismatchText(unitVersion, messages), {}};
}

std::string MessagePresenter::versionMismatchText(int unitVersion, const MessageTable& messages)
{
    char tail[48];
    std::snprintf(tail, sizeof tail, "  PC-%d, IGN-%d", kParamVersion, unitVersion);
    return messages[Msg::UnmatchedVersion] + tail;
}

}  // namespace tarvel::present
