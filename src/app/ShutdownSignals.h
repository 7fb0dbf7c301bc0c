// Turns SIGTERM, SIGINT and SIGHUP into an orderly close of the main window, so
// that the shut-down (settings and state dump) runs as for Exit. The handler
// only writes to a pipe; the window is closed from the event loop.
#pragma once

#include <QObject>
#include <QSocketNotifier>

#include <functional>
#include <memory>

namespace tarvel {

class ShutdownSignals : public QObject {
    Q_OBJECT
public:
    // `onSignal` runs on the main thread after one of the signals arrived.
    explicit ShutdownSignals(std::function<void()> onSignal, QObject* parent = nullptr);
    ~ShutdownSignals() override;

private:
    static void handle(int signal);

    std::function<void()> onSignal_;
    std::unique_ptr<QSocketNotifier> notifier_;
};

}  // namespace tarvel
