// An arbitrary monitor frame decoded and presented as the live column against
// an arbitrary (even unrepaired) parameter image, and the operating point on
// arbitrary axes.
#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <cstdlib>

#include "link/MonitorDecoder.h"
#include "link/OperatingPoint.h"
#include "present/LivePresenter.h"

using namespace tarvel;
using namespace tarvel::link;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    static MessageTable messages = [] {
        MessageTable m;
        m.loadAll(Language::Czech);
        return m;
    }();
    if (size < 1)
        return 0;
    LinkFrame frame;
    const std::size_t n = std::min<std::size_t>(size - 1, kFrameSize);
    std::copy_n(data + 1, n, frame.bytes.begin());
    // Most inputs should pass the check so the decoding itself is explored.
    if (data[0] & 1) {
        frame.bytes[0] = kMonitorReply;
        frame.seal();
    }
    ParamImage image;
    for (std::size_t i = 0; 1 + kFrameSize + i < size && i < static_cast<std::size_t>(kImageSize); ++i)
        image[static_cast<int>(i)] = data[1 + kFrameSize + i];

    MonitorDecoder decoder;
    const bool accepted = decoder.decode(frame.bytes);
    if (accepted != frameCheckGood(frame.bytes))
        std::abort();
    present::DisplayState display;
    present::LivePresenter live(display);
    live.showSample(decoder.sample(), image, messages);
    for (int g = present::kFirstGauge; g < present::kControlCount; ++g) {
        const present::DisplayEntry& s = display[static_cast<present::ControlId>(g)];
        if (s.progress < 0 || s.progress > s.maximum)
            std::abort();
    }
    const auto& v = decoder.values();
    const OperatingPoint op = computeOperatingPoint(image, v.liveRpm, v.liveTpsPercent, (data[0] & 2) != 0);
    if (op.opRpmColumn > 9 || op.opTpsRow > 9 || op.opServoColumn > 9)
        std::abort();
    return 0;
}
