// Everything between the window and the ignition unit, driven by one tick
// every 55 ms: the serial port, the transfer engine, the monitor decoder, the
// connection watchdog with its reconnect and automatic port scan, the status
// area, the live sample, the operating point and the firmware-loader hand
// over. The window calls tick() from its timer, starts operations from its
// menu, and after each call hands the typed state exposed here (live sample,
// status area, connection) to the presentation layer, which decides what the
// window shows. What the link cannot do itself it asks of its LinkHost.
#pragma once

#include <cstdint>
#include <memory>
#include <string>

#include "link/CommPort.h"
#include "link/LinkHost.h"
#include "link/LoaderSocket.h"
#include "link/MonitorDecoder.h"
#include "link/OperatingPoint.h"
#include "link/SerialDevice.h"
#include "link/StatusArea.h"
#include "link/TransferEngine.h"
#include "model/Messages.h"
#include "model/ParamImage.h"

namespace tarvel::link {

inline constexpr std::uint8_t kLinkSilenceStart = 18;
inline constexpr std::uint8_t kLinkSilenceLimit = 48;
inline constexpr std::uint8_t kReconnectEvery = 30;
inline constexpr std::uint8_t kReconnectNow = 200;

class DeviceLink : private TransferEngine::Hooks {
public:
    // The image belongs to the caller and must outlive the link. Without a
    // device the link uses the system's serial devices. The link holds no
    // words: what it tells goes to the host as typed events and notes.
    DeviceLink(ParamImage& image, LinkHost& host, std::unique_ptr<SerialDevice> device = nullptr);
    ~DeviceLink();
    DeviceLink(const DeviceLink&) = delete;
    DeviceLink& operator=(const DeviceLink&) = delete;

    // One tick: poll the port and dispatch a frame, the transfer step, the
    // status countdown, the connection watchdog, the operating point.
    void tick();

    // Port. openPort() is the open of start-up (a failure shows "Com opening
    // error!" unless silent or automatic); choosePort() is a click on port
    // menu item 0..20; closePort() is the close at shut-down.
    void openPort();
    void closePort();
    void choosePort(int portIndex);
    CommPort& port() { return port_; }
    const CommPort& port() const { return port_; }
    PortTable& ports() { return port_.ports(); }
    // LabelCom: "COM= COM3" for the port most recently opened or tried.
    const std::string& portLabel() const { return portLabel_; }

    // Operations (the window has copied, normalised and shown the image first
    // where its command asks for that).
    void startProgram() { engine_.startProgram(); }
    void startVerify() { engine_.startVerify(); }
    void startRead() { engine_.startRead(); }
    // Read into a separate image, the window's left alone (see TransferEngine).
    void startReadInto(ParamImage& target) { engine_.startReadInto(target); }
    const TransferEngine& engine() const { return engine_; }
    TransferMode transferMode() const { return engine_.mode(); }
    const IdentTexts& identTexts() const { return engine_.identTexts(); }

    // The firmware loader's message (WPARAM port number, LPARAM action).
    void loaderMessage(std::int64_t wparam, std::int64_t lparam);
    // Acts on every message waiting at the listener.
    void handleLoaderMessages(LoaderListener& listener);
    // The window title carries "(Disconnected by bootloader)".
    bool releaseNote() const { return releaseNote_; }

    // The status area is also written by the print header, so it is handed
    // out writable.
    StatusArea& status() { return status_; }
    const StatusArea& status() const { return status_; }
    const LiveValues& liveValues() const { return decoder_.values(); }
    // The last monitor frame accepted, as numbers and flags.
    const LiveSample& liveSample() const { return decoder_.sample(); }
    // Monitor frames accepted since the start, and the last one (all zero
    // before the first), for a data log.
    std::uint32_t monitorFrames() const { return monitorFrames_; }
    const FrameBytes& lastMonitorFrame() const { return lastMonitorFrame_; }
    const OperatingPoint& operatingPoint() const { return op_; }
    std::uint32_t operatingPointRevision() const { return opRevision_; }

    // The unit has not answered for kLinkSilenceLimit ticks. True from the
    // start until the watchdog's first tick decides.
    bool connectionLost() const { return connectionLost_; }

    // Connection watchdog.
    std::uint8_t linkSilence() const { return linkSilence_; }
    std::uint8_t reconnectTicks() const { return reconnectTicks_; }

private:
    // TransferEngine::Hooks
    void sendFrame(const LinkFrame& frame) override;
    void replyAccepted() override { linkSilence_ = 0; }
    void normaliseAndShowImage() override { host_.normaliseAndShowImage(); }
    void versionMismatch(int unitVersion) override;
    void releasePort() override;

    void watchdog();
    void highlight();

    ParamImage& image_;
    LinkHost& host_;
    std::unique_ptr<SerialDevice> device_;
    CommPort port_;
    StatusArea status_;
    TransferEngine engine_;
    MonitorDecoder decoder_;
    OperatingPoint op_;
    std::uint32_t opRevision_ = 0;
    std::uint32_t monitorFrames_ = 0;
    FrameBytes lastMonitorFrame_{};
    std::string portLabel_;
    bool connectionLost_ = true;
    bool releaseNote_ = false;
    std::uint8_t linkSilence_ = kLinkSilenceStart;
    std::uint8_t reconnectTicks_ = 0;
};

}  // namespace tarvel::link
