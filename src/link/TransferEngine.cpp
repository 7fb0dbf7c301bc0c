#include "link/TransferEngine.h"

#include <algorithm>

#include "model/Normalise.h"

namespace tarvel::link {

namespace {
constexpr std::uint8_t kResendAfterTicks = 4;
constexpr std::uint8_t kMonitorEveryTicks = 6;
constexpr std::uint8_t kMaxSends = 5;
constexpr std::uint8_t kMaxResetSends = 2;
constexpr std::uint8_t kProgramFirst = 0x00;
constexpr std::uint8_t kVerifyFirst = 0x41;
constexpr std::uint8_t kVerifyLast = 0x42;
constexpr std::uint8_t kReadFirst = 0x40;
constexpr int kNoReadingByte = fld::noReading;  // not compared by a verification
}  // namespace

void TransferEngine::showNormal(StatusNote note, Msg message)
{
    status_.setColour(LinkColour::Normal);
    status_.setNote(note, message);
    status_.messageTicks = kMessageTicks;
}

void TransferEngine::start(TransferMode mode, std::uint8_t command, Msg text)
{
    // Any new operation ends a read into a target.
    endReadInto(false);
    mode_ = mode;
    pageCommand_ = command;
    retryCount_ = 0;
    showNormal(StatusNote::Started, text);
    status_.setLabelVisible(true);
    status_.setGaugeProgress(0);
    status_.setGaugeVisible(true);
}

void TransferEngine::startProgram()
{
    okPending_ = false;
    start(TransferMode::Program, kProgramFirst, Msg::ProgramDevice);
}

void TransferEngine::startVerify()
{
    start(TransferMode::Verify, kVerifyFirst, Msg::Verify);
}

void TransferEngine::startRead()
{
    start(TransferMode::Read, kReadFirst, Msg::Read);
}

void TransferEngine::startReadInto(ParamImage& target)
{
    start(TransferMode::Read, kReadFirst, Msg::Read);
    target_ = &target;
    readInto_ = ReadIntoResult::Running;
}

void TransferEngine::endReadInto(bool ok)
{
    if (target_ == nullptr)
        return;
    target_ = nullptr;
    readInto_ = ok ? ReadIntoResult::Done : ReadIntoResult::Failed;
}

void TransferEngine::readImageDone()
{
    if (target_ != nullptr)
        NormaliseImage(*target_);
    else
        hooks_.normaliseAndShowImage();
}

void TransferEngine::startResetRelease()
{
    endReadInto(false);
    retryCount_ = 0;
    ticksSinceSend_ = kResendAfterTicks;
    pageCommand_ = 0x00;
    mode_ = TransferMode::ResetRelease;
}

void TransferEngine::sendPage()
{
    const LinkFrame frame = LinkFrame::page(pageCommand_, mode_, work());
    ticksSinceSend_ = 0;
    pageInFlight_ = pageCommand_ & kPageMask;
    hooks_.sendFrame(frame);
}

void TransferEngine::moveOn()
{
    status_.setGaugeProgress(status_.gaugeProgress() + 1);
    ++pageCommand_;
    retryCount_ = 1;
    sendPage();
}

void TransferEngine::switchToVerify()
{
    mode_ = TransferMode::Verify;
    pageCommand_ = kVerifyFirst;
    retryCount_ = 1;
    sendPage();
    showNormal(StatusNote::Verifying);
    status_.setLabelVisible(true);
    status_.setGaugeProgress(0);
}

void TransferEngine::fail(Msg text)
{
    if (mode_ == TransferMode::Verify)
        okPending_ = false;
    status_.setColour(LinkColour::Red);
    status_.setNote(StatusNote::Failed, text);
    status_.messageTicks = kMessageTicks;
    mode_ = TransferMode::Idle;
    endReadInto(false);
}

void TransferEngine::versionMismatch(bool showImage)
{
    // Idle before the box opens: ticks go on inside it and must only do idle work.
    mode_ = TransferMode::Idle;
    const bool intoTarget = target_ != nullptr;
    endReadInto(false);
    if (showImage && !intoTarget)
        hooks_.normaliseAndShowImage();
    hooks_.versionMismatch(ident_.formatVersion());
    mode_ = TransferMode::Idle;
    status_.messageTicks = 0;
}

void TransferEngine::rebuildIdentTexts()
{
    identTexts_ = BuildIdentTexts(ident_);
    ++identRevision_;
}

bool TransferEngine::pageMatches(BlockView block, int page, bool skipNoReading) const
{
    const auto mine = work().page(page);
    for (int j = 0; j < kPageSize; ++j) {
        if (skipNoReading && j == kNoReadingByte)
            continue;
        if (block[static_cast<std::size_t>(j + 1)] != mine[static_cast<std::size_t>(j)])
            return false;
    }
    return true;
}

void TransferEngine::onReply(BlockView block)
{
    pageInFlight_ = pageCommand_ & kPageMask;
    if (!replyAccepted(block, pageCommand_, mode_))
        return;
    hooks_.replyAccepted();

    const int page = pageInFlight_;
    const auto payload = block.subspan<1, kPageSize>();
    switch (mode_) {
        case TransferMode::Read:
            if (page == 0) {
                ident_.assign(payload);
                rebuildIdentTexts();
                if (ident_.formatVersion() != kParamVersion) {
                    versionMismatch(true);
                    return;
                }
                if (!ident_.readingPermitted()) {
                    status_.setColour(LinkColour::Red);
                    status_.setNote(StatusNote::Failed, Msg::NoReading);
                    status_.messageTicks = kMessageTicks;
                    mode_ = TransferMode::Idle;
                    if (target_ != nullptr)
                        endReadInto(false);
                    else
                        hooks_.normaliseAndShowImage();
                    return;
                }
            } else {
                std::copy(payload.begin(), payload.end(), work().page(page).begin());
            }
            if (page < 2) {
                moveOn();
            } else {
                readImageDone();
                switchToVerify();
            }
            return;

        case TransferMode::Program:
            if (page == 0) {
                ident_.assign(payload);
                rebuildIdentTexts();
                hooks_.normaliseAndShowImage();
                if (ident_.formatVersion() != kParamVersion) {
                    versionMismatch(false);
                    return;
                }
            } else if (!pageMatches(block, page, false)) {
                return;  // the echo differs: the tick sends the page again
            }
            if (page < 2) {
                moveOn();
            } else {
                okPending_ = true;
                switchToVerify();
            }
            return;

        case TransferMode::Verify:
            if (page == 0 || !pageMatches(block, page, page == 1))
                return;
            if (page == 1) {
                status_.setGaugeProgress(status_.gaugeProgress() + 1);
                pageCommand_ = kVerifyLast;
                retryCount_ = 1;
                sendPage();
            } else {
                status_.setGaugeProgress(status_.gaugeMax());
                showNormal(StatusNote::VerifyOk);
                mode_ = TransferMode::Idle;
                endReadInto(true);
            }
            return;

        case TransferMode::ResetRelease:
            if (page != 0)
                return;
            ident_.assign(payload);
            if (ident_.formatVersion() != kParamVersion) {
                versionMismatch(true);
                return;
            }
            hooks_.releasePort();
            mode_ = TransferMode::Idle;
            return;

        case TransferMode::Idle:
            return;
    }
}

void TransferEngine::onTick(std::uint16_t unitSaveCount)
{
    switch (mode_) {
        case TransferMode::Program:
        case TransferMode::Verify:
        case TransferMode::Read:
            if (mode_ == TransferMode::Read)
                okPending_ = false;
            if (++ticksSinceSend_ >= kResendAfterTicks) {
                ticksSinceSend_ = 0;
                if (++retryCount_ > kMaxSends) {
                    fail(mode_ == TransferMode::Program  ? Msg::ProgramError
                         : mode_ == TransferMode::Verify ? Msg::VerifyError
                                                         : Msg::ReadError);
                } else {
                    sendPage();
                }
            }
            return;

        case TransferMode::ResetRelease:
            if (++ticksSinceSend_ >= kResendAfterTicks) {
                ticksSinceSend_ = 0;
                if (++retryCount_ > kMaxResetSends) {
                    status_.setColour(LinkColour::Red);
                    status_.setNote(StatusNote::ResetError);
                    status_.messageTicks = kMessageTicks;
                    hooks_.releasePort();
                    mode_ = TransferMode::Idle;
                } else {
                    sendPage();
                }
            }
            return;

        case TransferMode::Idle:
            if (++ticksSinceSend_ >= kMonitorEveryTicks) {
                ticksSinceSend_ = 0;
                hooks_.sendFrame(LinkFrame::monitorRequest());
            }
            if (unitSaveCount > 0) {
                showNormal(StatusNote::Saving);
                status_.setGaugeMax(100);
                status_.setGaugeProgress(100 * (kSaveCountStart - unitSaveCount) / kSaveCountStart);
            } else {
                status_.setGaugeMax(2);
                if (okPending_) {
                    status_.setNote(StatusNote::ProgramOk);
                    status_.setGaugeProgress(status_.gaugeMax());
                }
            }
            return;
    }
}

}  // namespace tarvel::link
