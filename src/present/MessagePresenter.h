// The words of the message boxes the link asks for: a port that did not open
// ("Com opening error!" with the device, the system's reason and, for a
// missing permission, the group to join) and a unit whose parameter layout
// has another version than this program's. The link reports the facts; the
// text is made here in the window's language, the window shows the box and
// tarvel3ctl prints the same words in English.
#pragma once

#include <string>

#include "link/DeviceOpenFailure.h"
#include "model/Messages.h"

namespace tarvel::present {

// A message box: the main text and the detail under it (empty: none).
struct MessageBoxText {
    std::string text;
    std::string detail;

    bool operator==(const MessageBoxText&) const = default;
};

class MessagePresenter {
public:
    // The main text from `messages`, the detail in `language` (the table's
    // language: the table does not know it).
    static MessageBoxText portOpenFailed(const link::DeviceOpenFailure& failure, const MessageTable& messages,
                                         Language language);
    // "<devicePath>[: <step>]: <reason>"; with an owning group it goes on with
    // how to join it, e.g. in English
    //   "/dev/ttyUSB0: Permission denied. The device belongs to the group
    //    \"dialout\"; the user must be a member of it: sudo usermod -aG dialout
    //    $USER, then log in again."
    // The device, the system's reason (as the system words it) and the command
    // are the same in every language.
    static std::string openFailureDetail(const link::DeviceOpenFailure& failure, Language language);

    static MessageBoxText unitVersionMismatch(int unitVersion, const MessageTable& messages);
    // The mismatch message + "  PC-48, IGN-n" (also shown in LabelVersion).
    static std::string versionMismatchText(int unitVersion, const MessageTable& messages);
};

}  // namespace tarvel::present
