// Reads, verifies and programs the unit's two parameter pages, and hands the
// unit to the firmware loader (reset and release), one page frame at a time on
// the 55 ms tick. A page is sent at most five times, 4 ticks apart; a good
// reply moves on to the next page in the same tick. Progress and results go
// to the status area as typed notes (no words: those are the presentation
// layer's).
#pragma once

#include <cstdint>

#include "link/IdentPage.h"
#include "link/LinkFrame.h"
#include "link/StatusArea.h"
#include "link/TransferMode.h"
#include "model/ParamImage.h"

namespace tarvel::link {

inline constexpr std::uint16_t kSaveCountStart = 414;

class TransferEngine {
public:
    // What the engine asks of the link around it.
    class Hooks {
    public:
        virtual void sendFrame(const LinkFrame& frame) = 0;
        // A reply was accepted: the connection watchdog starts over.
        virtual void replyAccepted() = 0;
        // Normalise the image and show it in the controls.
        virtual void normaliseAndShowImage() = 0;
        // The unit's format version is not ours; the engine is already Idle.
        // May run a nested event loop in which ticks go on.
        virtual void versionMismatch(int unitVersion) = 0;
        // Detach the port and put the release note into the window title.
        virtual void releasePort() = 0;

    protected:
        ~Hooks() = default;
    };

    TransferEngine(ParamImage& image, StatusArea& status, Hooks& hooks) : image_(image), status_(status), hooks_(hooks)
    {
    }

    void startProgram();
    void startVerify();
    void startRead();
    // The same read into `target` instead of the window's image (the
    // window's comparison with the unit): the same frames, resends, checks
    // and messages, but the window's image is neither changed nor shown;
    // `target` is normalised where Read normalises the image and must live
    // until the operation is over. readIntoResult() says how it ended.
    void startReadInto(ParamImage& target);
    enum class ReadIntoResult : std::uint8_t { None, Running, Done, Failed };
    ReadIntoResult readIntoResult() const { return readInto_; }
    // The loader's reset request: the reset frame goes out at the next tick.
    void startResetRelease();
    // The loader's release request: keeps the counters as they are.
    void enterResetRelease() { mode_ = TransferMode::ResetRelease; }

    // A received block whose first byte is not 0xB0.
    void onReply(BlockView block);
    // The transfer step of the tick; unitSaveCount comes from the last monitor frame.
    void onTick(std::uint16_t unitSaveCount);

    TransferMode mode() const { return mode_; }
    std::uint8_t pageCommand() const { return pageCommand_; }
    std::uint8_t pageInFlight() const { return pageInFlight_; }
    std::uint8_t ticksSinceSend() const { return ticksSinceSend_; }
    std::uint8_t retryCount() const { return retryCount_; }
    bool okPending() const { return okPending_; }
    void clearOkPending() { okPending_ = false; }

    const IdentPage& identPage() const { return ident_; }
    const IdentTexts& identTexts() const { return identTexts_; }
    // Bumped whenever the identification texts are rebuilt.
    std::uint32_t identRevision() const { return identRevision_; }

private:
    void start(TransferMode mode, std::uint8_t command, Msg text);
    void sendPage();
    void moveOn();
    void switchToVerify();
    void fail(Msg text);
    void versionMismatch(bool showImage);
    void rebuildIdentTexts();
    bool pageMatches(BlockView block, int page, bool skipNoReading) const;
    void showNormal(StatusNote note, Msg message = Msg{});
    // The image the running operation reads into and verifies against.
    ParamImage& work() { return target_ != nullptr ? *target_ : image_; }
    const ParamImage& work() const { return target_ != nullptr ? *target_ : image_; }
    // Read: normalise and show the window's image, or normalise the target.
    void readImageDone();
    void endReadInto(bool ok);

    ParamImage& image_;
    StatusArea& status_;
    Hooks& hooks_;

    TransferMode mode_ = TransferMode::Idle;
    std::uint8_t pageCommand_ = 0;
    std::uint8_t pageInFlight_ = 0;
    std::uint8_t ticksSinceSend_ = 0;
    std::uint8_t retryCount_ = 0;
    bool okPending_ = false;
    ParamImage* target_ = nullptr;
    ReadIntoResult readInto_ = ReadIntoResult::None;
    IdentPage ident_;
    IdentTexts identTexts_;
    std::uint32_t identRevision_ = 0;
};

}  // namespace tarvel::link
