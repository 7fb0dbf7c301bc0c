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
        const MessageBoxText box = MessagePresenter::portOpenFailed(c.failure, english);
        EXPECT_EQ(box.text, "Com opening error!") << c.detail;
        EXPECT_EQ(box.detail, c.detail);
        EXPECT_EQ(MessagePresenter::openFailureDetail(c.failure), c.detail);
    }
}

TEST(MessagePresenter, BoxTextsFollowTheLanguage)
{
    struct Case {
        Language language;
        std::string portText;
        std::string mismatchText;
    };
    const Case cases[] = {
        {Language::English, "Com opening error!", "Unmatched version of PC and Ignition programs!  PC-48, IGN-47"},
        {Language::German, "Falscher COM-Anschlußes!",
         "Programm der Zündung ist nicht kompatibel mit dem Programm am PC!  PC-48, IGN-47"},
        {Language::French, "Erreur connections PC!",
         "Programme du boitier d´alumage non compatible avec programme PC!  PC-48, IGN-47"},
        {Language::Czech, "Chyba při otevírání portu Com!", "Neshodné verze proramu v PC a zapalování!  PC-48, IGN-47"},
    };
    const link::DeviceOpenFailure failure{
        .devicePath = "/dev/ttyS0", .step = Step::Open, .errnoValue = ENOENT, .owningGroup = {}};
    for (const Case& c : cases) {
        const MessageTable messages = table(c.language);
        EXPECT_EQ(MessagePresenter::portOpenFailed(failure, messages),
                  (MessageBoxText{c.portText, "/dev/ttyS0: No such file or directory"}))
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
