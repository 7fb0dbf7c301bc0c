// The message table: status texts, error messages and the parts of live
// texts that the program composes, each in English, German, French and Czech
// (UTF-8). A message is named by its English text; the table holds one slot per
// message with the current language's text, filled when the messages are
// loaded (and, for a few, when the captions are applied).
#pragma once

#include <array>
#include <cstdint>
#include <span>
#include <string>
#include <string_view>

namespace tarvel {

enum class Language : std::uint8_t { English = 0, German = 1, French = 2, Czech = 3 };
inline constexpr int kLanguageCount = 4;

enum class Msg : std::uint8_t {
    ManualUrl,
    ProgramError,
    VerifyError,
    ReadError,
    ProgramDevice,
    Verify,
    Read,
    Saving,
    UnmatchedVersion,
    Advance,
    NumberOfProgramming,
    MotorOff,
    Yes,
    No,
    ComOpeningError,
    OpenFileError,
    DefaultSettingQuestion,
    UnmatchedIgnFile,
    NoReading,
    PrintDateTime,
    ManualOpenError,
    PickUpSystemError,
    PickUp,
    IsRunning,
    NoSignal,
    ServoMeasured,
    ServoDesired,
    GearShiftLight,
    ClutchMaster,
    StartLimiter,
    Limiter,
    Open,
    Grounded,
    Disconnected,
    Count
};
inline constexpr int kMessageCount = static_cast<int>(Msg::Count);

// Which routine fills a slot: loading the messages, applying the captions, or both.
enum class Fill : std::uint8_t { Messages, Captions, Both };

struct MessageRow {
    Msg id;
    Fill fill;
    std::array<const char*, kLanguageCount> text;  // English, German, French, Czech
};

// Every message row, English key first. The manual address row holds a
// placeholder; the table takes the real addresses from setManualUrls().
std::span<const MessageRow> messageRows();

// Texts that are the same in every language.
inline constexpr std::string_view kResetErrorText = "Reset error";
inline constexpr std::string_view kProductTitle = "Tarvel 3";
inline constexpr std::string_view kTitlePrefix = "  Tarvel 3";

class MessageTable {
public:
    // Addresses of the user manual: English (also German and French) and Czech.
    void setManualUrls(std::string english, std::string czech);

    // Fills the "Messages" and "Both" slots in `language`, and composes the
    // manual-error text from the current manual address.
    void loadMessages(Language language);
    // Fills the "Captions" and "Both" slots.
    void loadCaptionMessages(Language language);
    // Both of the above.
    void loadAll(Language language);

    const std::string& operator[](Msg id) const { return slots_[static_cast<std::size_t>(id)]; }
    // Lookup by English text; empty when no message has that text.
    std::string_view byEnglish(std::string_view english) const;

private:
    void fill(Language language, bool messages);

    std::array<std::string, kMessageCount> slots_{};
    std::string manualEnglish_ = "manual-en.html";
    std::string manualCzech_ = "manual-cs.html";
};

}  // namespace tarvel
