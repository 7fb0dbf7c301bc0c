#include <gtest/gtest.h>

#include "link/LinkFrame.h"
#include "link/SimulatedUnit.h"

using namespace tarvel;
using namespace tarvel::link;

namespace {
ParamImage patterned()
{
    ParamImage img;
    for (int i = 0; i < kImageSize; ++i)
        img[i] = static_cast<std::uint8_t>(i * 7 + 3);
    return img;
}
}  // namespace

TEST(LinkFrame, RequestsHaveTheirFixedBytes)
{
    const ParamImage img = patterned();
    struct Case {
        const char* name;
        LinkFrame frame;
        std::uint8_t command;
        std::uint8_t check;
        bool imagePayload;
    };
    // 0xFF ^ 0xA5 ^ 0x0F = 0x55; the all-zero frames have NOT command as check byte.
    const Case cases[] = {
        {"monitor", LinkFrame::monitorRequest(), 0x30, 0xCF, false},
        {"identify", LinkFrame::page(0x00, TransferMode::Program, img), 0x00, 0xFF, false},
        {"reset", LinkFrame::page(0x00, TransferMode::ResetRelease, img), 0x00, 0x55, false},
        {"read page 0", LinkFrame::page(0x40, TransferMode::Read, img), 0x40, 0xBF, false},
        {"read page 1 in a read", LinkFrame::page(0x41, TransferMode::Read, img), 0x41, 0xBE, false},
        {"read page 1 in a verify", LinkFrame::page(0x41, TransferMode::Verify, img), 0x41, 0, true},
        {"program page 2", LinkFrame::page(0x02, TransferMode::Program, img), 0x02, 0, true},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const auto& b = c.frame.bytes;
        EXPECT_EQ(b[0], c.command);
        EXPECT_TRUE(frameCheckGood(b));
        if (c.imagePayload) {
            const int page = c.command & 0x3F;
            EXPECT_TRUE(std::equal(b.begin() + 1, b.begin() + 101, img.page(page).begin()));
        } else {
            EXPECT_EQ(b[101], c.check);
            const bool reset = std::string(c.name) == "reset";
            for (int i = 1; i <= 100; ++i)
                EXPECT_EQ(b[i], reset && i == 13 ? 0xA5 : reset && i == 14 ? 0x0F : 0) << i;
        }
    }
}

TEST(LinkFrame, MonitorFrameWithAnyByteChangedIsRejected)
{
    SimulatedUnit unit;
    const LinkFrame good = unit.monitorFrame(4321);
    ASSERT_EQ(classifyBlock(good.bytes), BlockKind::Monitor);
    ASSERT_TRUE(frameCheckGood(good.bytes));
    for (int i = 1; i < kFrameSize; ++i) {
        LinkFrame bad = good;
        bad.bytes[i] ^= 0x10;
        EXPECT_FALSE(frameCheckGood(bad.bytes)) << i;
    }
}

TEST(LinkFrame, ReplyAcceptedOnlyForTheCommandInFlightDuringAnOperation)
{
    const ParamImage img = patterned();
    const LinkFrame reply = LinkFrame::make(0xC1, img.page(1));
    EXPECT_EQ(classifyBlock(reply.bytes), BlockKind::Reply);
    EXPECT_TRUE(replyAccepted(reply.bytes, 0x41, TransferMode::Read));
    EXPECT_FALSE(replyAccepted(reply.bytes, 0x42, TransferMode::Read));
    EXPECT_FALSE(replyAccepted(reply.bytes, 0x41, TransferMode::Idle));
    EXPECT_FALSE(replyAccepted(LinkFrame::make(0xC3, img.page(1)).bytes, 0x43, TransferMode::Read));
    // A damaged page is dropped, so it never reaches the image.
    LinkFrame damaged = reply;
    damaged.bytes[50] ^= 1;
    EXPECT_FALSE(replyAccepted(damaged.bytes, 0x41, TransferMode::Read));
}
