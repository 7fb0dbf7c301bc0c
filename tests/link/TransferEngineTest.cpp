// The transfer engine's idle step on its own: the unit's saving counter as
// the "Saving:" progress.
#include <gtest/gtest.h>

#include "link/TransferEngine.h"

using namespace tarvel;
using namespace tarvel::link;

namespace {
class QuietHooks : public TransferEngine::Hooks {
public:
    void sendFrame(const LinkFrame&) override {}
    void replyAccepted() override {}
    void normaliseAndShowImage() override {}
    void versionMismatch(int) override {}
    void releasePort() override {}
};
}  // namespace

TEST(TransferEngineIdle, SavingProgressRunsFrom414DownAndStaysInTheGauge)
{
    ParamImage image;
    StatusArea status;
    QuietHooks hooks;
    TransferEngine engine(image, status, hooks);

    struct Case {
        std::uint16_t saveCount;
        int gaugeMax;
        int progress;
    };
    // 100 x (414 - count) / 414 in whole numbers; a count above 414 would go
    // below 0 and is held at the gauge's end, and 0 puts the maximum back to 2.
    const Case cases[] = {{414, 100, 0}, {413, 100, 0}, {207, 100, 50}, {5, 100, 98}, {1, 100, 99},
                          {600, 100, 0}, {0, 2, 0},     {3, 100, 99},   {0, 2, 2}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.saveCount);
        status.messageTicks = 7;
        engine.onTick(c.saveCount);
        EXPECT_EQ(status.gaugeMax(), c.gaugeMax);
        EXPECT_EQ(status.gaugeProgress(), c.progress);
        if (c.saveCount > 0) {
            EXPECT_EQ(status.note(), StatusNote::Saving);
            EXPECT_EQ(status.colour(), LinkColour::Normal);
            EXPECT_EQ(status.messageTicks, kMessageTicks);
        } else {
            EXPECT_EQ(status.messageTicks, 7);  // nothing new to show
        }
    }
}
