// The words of the boxes the link asks for: a port that did not open and a
// unit of another parameter version, in every language.
#include <gtest/gtest.h>

#include <cerrno>

#include "present/MessagePresenter.h"

using namespace tarvel;
using namespace tarvel::present;
using Step = link::DeviceOpenFailure::Step;

namespace {

MessageTable table(Language language)
{
    MessageTable messages;
    messages.loadAll(language);
    return messages;
}

}  // namespace

TEST(MessagePresenter, PortOpenDetailNamesTheDeviceTheStepTheReasonAndTheGroupToJoin)
{
    struct Case {
        link::DeviceOpenFailure failure;
        std::string detail;
    };
    const Case cases[] = {
        {{.devicePath = "/dev/ttyUSB0", .step = Step::Open, .errnoValue = ENOENT, .owningGroup = {}},
         "/dev/ttyUSB0: No such file or directory"},
        {{.devicePath = "/dev/ttyUSB0", .step = Step::Open, .errnoValue = EACCES, .owningGroup = "dialout"},
         "/dev/ttyUSB0: Permission denied. The device belongs to the group \"dialout\"; the user must be a member of "
         "it: sudo usermod -aG dialout $USER, then log in again."},
        {{.devicePath = "/dev/ttyUSB0", .step = Step::Open, .errnoValue = EPERM, .owningGroup = "20"},
         "/dev/ttyUSB0: Operation not permitted. The device belongs to the group \"20\"; the user must be a member of "
         "it: sudo usermod -aG 20 $USER, then log in again."},
        // No device to look at: the reason alone.
        {{.devicePath = "/dev/ttyS4", .step = Step::Open, .errnoValue = EACCES, .owningGroup = {}},
         "/dev/ttyS4: Permission denied"},
        {{.devicePath = "/dev/ttyS4", .step = Step::Open, .errnoValue = EBUSY, .owningGroup = {}},
         "/dev/ttyS4: Device or resource busy"},
        {{.devicePath = "/tmp/plain", .step = Step::NotSerial, .errnoValue = ENOTTY, .owningGroup = {}},
         "/tmp/plain: not a serial device: Inappropriate ioctl for device"},
        {{.devicePath = "/dev/ttyS4", .step = Step::InUse, .errnoValue = EWOULDBLOCK, .owningGroup = {}},
         "/dev/ttyS4: in use: Resource temporarily unavailable"},
        {{.devicePath = "/dev/ttyS4", .step = Step::ExclusiveOpen, .errnoValue = EINVAL, .owningGroup = {}},
         "/dev/ttyS4: exclusive open: Invalid argument"},
        {{.devicePath = "/dev/ttyS4", .step = Step::LineSettings, .errnoValue = EIO, .owningGroup = {}},
         "/dev/ttyS4: line settings: Input/output error"},
        // A device that cannot tell why adds nothing under the text.
        {{}, ""},
    };
    const MessageTable english = table(Language::English);
    for (const Case& c : cases) {
        const MessageBoxText box = MessagePresenter::portOpenFailed(c.failure, english, Language::English);
        EXPECT_EQ(box.text, "Com opening error!") << c.detail;
        EXPECT_EQ(box.detail, c.detail);
        EXPECT_EQ(MessagePresenter::openFailureDetail(c.failure, Language::English), c.detail);
    }
}

// The failed step in each language; the device and the system's reason stay
// as they are (French sets its colons apart).
TEST(MessagePresenter, PortOpenStepFollowsTheLanguage)
{
    struct Case {
        Language language;
        Step step;
        int errnoValue;
        std::string detail;
    };
    const Case cases[] = {
        {Language::German, Step::NotSerial, ENOTTY, "/dev/ttyS4: kein serielles Gerät: Inappropriate ioctl for device"},
        {Language::German, Step::InUse, EWOULDBLOCK, "/dev/ttyS4: belegt: Resource temporarily unavailable"},
        {Language::German, Step::ExclusiveOpen, EINVAL, "/dev/ttyS4: exklusiver Zugriff: Invalid argument"},
        {Language::German, Step::LineSettings, EIO, "/dev/ttyS4: Schnittstelleneinstellungen: Input/output error"},
        {Language::French, Step::Open, ENOENT, "/dev/ttyS4 : No such file or directory"},
        {Language::French, Step::NotSerial, ENOTTY,
         "/dev/ttyS4 : pas un périphérique série : Inappropriate ioctl for device"},
        {Language::French, Step::InUse, EWOULDBLOCK, "/dev/ttyS4 : déjà utilisé : Resource temporarily unavailable"},
        {Language::French, Step::ExclusiveOpen, EINVAL, "/dev/ttyS4 : accès exclusif : Invalid argument"},
        {Language::French, Step::LineSettings, EIO, "/dev/ttyS4 : paramètres de la ligne série : Input/output error"},
        {Language::Czech, Step::NotSerial, ENOTTY, "/dev/ttyS4: není sériové zařízení: Inappropriate ioctl for device"},
        {Language::Czech, Step::InUse, EWOULDBLOCK, "/dev/ttyS4: obsazeno: Resource temporarily unavailable"},
        {Language::Czech, Step::ExclusiveOpen, EINVAL, "/dev/ttyS4: výhradní přístup: Invalid argument"},
        {Language::Czech, Step::LineSettings, EIO, "/dev/ttyS4: nastavení sériové linky: Input/output error"},
    };
    for (const Case& c : cases) {
        const link::DeviceOpenFailure failure{
            .devicePath = "/dev/ttyS4", .step = c.step, .errnoValue = c.errnoValue, .owningGroup = {}};
        EXPECT_EQ(MessagePresenter::openFailureDetail(failure, c.language), c.detail);
    }
    // Nothing to say stays nothing in every language.
    for (int language = 0; language < kLanguageCount; ++language)
        EXPECT_EQ(MessagePresenter::openFailureDetail({}, static_cast<Language>(language)), "") << language;
}

TEST(MessagePresenter, BoxTextsFollowTheLanguage)
{
    struct Case {
        Language language;
        std::string portText;
        std::string portDetail;
        std::string mismatchText;
    };
    const Case cases[] = {
        {Language::English, "Com opening error!",
         "/dev/ttyUSB0: Permission denied. The device belongs to the group \"dialout\"; the user must be a member of "
         "it: sudo usermod -aG dialout $USER, then log in again.",
         "Unmatched version of PC and Ignition programs!  PC-48, IGN-47"},
        {Language::German, "Falscher COM-Anschlußes!",
         "/dev/ttyUSB0: Permission denied. Das Gerät gehört der Gruppe „dialout“; der Benutzer muss ihr angehören: "
         "sudo usermod -aG dialout $USER, danach neu anmelden.",
         "Programm der Zündung ist nicht kompatibel mit dem Programm am PC!  PC-48, IGN-47"},
        {Language::French, "Erreur connections PC!",
         "/dev/ttyUSB0 : Permission denied. Le périphérique appartient au groupe « dialout » ; l'utilisateur doit en "
         "être membre : sudo usermod -aG dialout $USER, puis se reconnecter.",
         "Programme du boitier d´alumage non compatible avec programme PC!  PC-48, IGN-47"},
        {Language::Czech, "Chyba při otevírání portu Com!",
         "/dev/ttyUSB0: Permission denied. Zařízení patří skupině „dialout“; uživatel musí být jejím členem: "
         "sudo usermod -aG dialout $USER, poté se znovu přihlásit.",
         "Neshodné verze proramu v PC a zapalování!  PC-48, IGN-47"},
    };
    const link::DeviceOpenFailure failure{
        .devicePath = "/dev/ttyUSB0", .step = Step::Open, .errnoValue = EACCES, .owningGroup = "dialout"};
    for (const Case& c : cases) {
        const MessageTable messages = table(c.language);
        EXPECT_EQ(MessagePresenter::portOpenFailed(failure, messages, c.language),
                  (MessageBoxText{c.portText, c.portDetail}))
            << int(c.language);
        // The mismatch box has no detail; LabelVersion shows the same words.
        EXPECT_EQ(MessagePresenter::unitVersionMismatch(47, messages), (MessageBoxText{c.mismatchText, ""}))
            << int(c.language);
        EXPECT_EQ(MessagePresenter::versionMismatchText(47, messages), c.mismatchText) << int(c.language);
    }
}

TEST(MessagePresenter, MismatchNamesBothVersionsWhateverTheUnitSends)
{
    const MessageTable english = table(Language::English);
    for (const auto& [version, tail] :
         {std::pair{0, "  PC-48, IGN-0"}, std::pair{255, "  PC-48, IGN-255"}, std::pair{49, "  PC-48, IGN-49"}})
        EXPECT_TRUE(MessagePresenter::versionMismatchText(version, english).ends_with(tail)) << version;
}
