#include "link/DeviceLink.h"

#include <algorithm>

#include "link/PosixSerialDevice.h"

namespace tarvel::link {

DeviceLink::DeviceLink(ParamImage& image, LinkHost& host, std::unique_ptr<SerialDevice> device)
    : image_(image),
      host_(host),
      device_(device ? std::move(device) : std::make_unique<PosixSerialDevice>()),
      port_(*device_),
      engine_(image, status_, *this)
{
}

DeviceLink::~DeviceLink()
{
    port_.close();
}

void DeviceLink::tick()
{
    if (const auto block = port_.poll()) {
        if (classifyBlock(*block) == BlockKind::Monitor) {
            if (decoder_.decode(*block)) {
                linkSilence_ = 0;
                ++monitorFrames_;
                std::copy(block->begin(), block->end(), lastMonitorFrame_.begin());
            }
        } else {
            engine_.onReply(*block);
        }
    }

    engine_.onTick(decoder_.values().unitSaveCount);

    if (status_.messageTicks > 0) {
        --status_.messageTicks;
        status_.setLabelVisible(true);
    } else {
        status_.setLabelVisible(false);
        status_.setGaugeVisible(false);
        engine_.clearOkPending();
    }

    watchdog();
    highlight();
}

void DeviceLink::watchdog()
{
    if (linkSilence_ < kLinkSilenceLimit) {
        if (port_.attached())
            ++linkSilence_;
        connectionLost_ = false;
        return;
    }
    connectionLost_ = true;
    ++reconnectTicks_;
    if (reconnectTicks_ >= kReconnectEvery) {
        reconnectTicks_ = 0;
        if (port_.attached()) {
            port_.close();
            port_.silentOpen = true;
            port_.nextScanPort();
            openPort();
        }
    }
}

void DeviceLink::highlight()
{
    const LiveValues& v = decoder_.values();
    const OperatingPoint op = computeOperatingPoint(image_, v.liveRpm, v.liveTpsPercent, host_.tpsMapChecked());
    if (!(op == op_) || opRevision_ == 0) {
        op_ = op;
        ++opRevision_;
    }
}

void DeviceLink::openPort()
{
    if (!port_.attached())
        return;
    portLabel_ = port_.portLabel();
    host_.portLabelChanged(portLabel_, port_.devicePath());
    if (port_.open() == CommPort::OpenResult::Failed) {
        const bool automatic = port_.portIndex == kAutoPortIndex;
        // An automatic scan moves on to the next port at the next silent tick.
        if (automatic)
            reconnectTicks_ = kReconnectNow;
        else if (!port_.silentOpen)
            host_.portOpenFailed(device_->openFailure());
    }
    host_.portMenuChecked(port_.portIndex);
}

void DeviceLink::closePort()
{
    port_.close();
}

void DeviceLink::choosePort(int portIndex)
{
    if (portIndex < 0 || portIndex > kAutoPortIndex)
        return;
    port_.portIndex = static_cast<std::uint8_t>(portIndex);
    port_.close();
    port_.silentOpen = false;
    openPort();
}

void DeviceLink::loaderMessage(std::int64_t wparam, std::int64_t lparam)
{
    if (wparam != port_.portNumber())
        return;
    switch (lparam) {
        case kLoaderResetRelease:
            engine_.startResetRelease();
            break;
        case kLoaderRelease:
            engine_.enterResetRelease();
            break;
        case kLoaderGiveBack:
            if (!port_.attached()) {
                port_.attach();
                openPort();
            }
            releaseNote_ = false;
            host_.applyCaptions();
            break;
        default:
            break;
    }
}

void DeviceLink::handleLoaderMessages(LoaderListener& listener)
{
    while (const auto m = listener.receive())
        loaderMessage(m->wparam, m->lparam);
}

void DeviceLink::sendFrame(const LinkFrame& frame)
{
    if (!port_.attached() || !port_.isOpen())
        return;
    host_.frameSent(frame);
    port_.send(frame);
}

void DeviceLink::versionMismatch(int unitVersion)
{
    host_.unitVersionMismatch(unitVersion);
}

void DeviceLink::releasePort()
{
    port_.detach();
    releaseNote_ = true;
    host_.releaseNoteChanged(true);
}

}  // namespace tarvel::link
