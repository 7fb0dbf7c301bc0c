// Runs a function once, before the first input of the user (a key, a click,
// a wheel turn, a shortcut) reaches any object of the program. The window
// finishes the tab pages it left empty at start this way: nothing the user
// does can find a control that is not there yet.
#pragma once

#include <QObject>

#include <functional>

namespace tarvel {

class BeforeFirstInput : public QObject {
public:
    // Watches the whole application until the first input, or until destroyed.
    BeforeFirstInput(std::function<void()> first, QObject* parent);
    ~BeforeFirstInput() override;

    static bool isInput(const QEvent& event);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    std::function<void()> first_;
};

}  // namespace tarvel
