// PrintWindow on the main window's widget tree: the window hands over the
// controls the commands touch (typed, as its builder resolved them); the printing flag, the rules and the
// status countdown belong to the window and are reached through hooks. A
// window whose status area and connection label are drawn from a model of
// their own gives the three status hooks too, so that the print header goes
// into that model and stays for the countdown; without them the widgets are
// written directly.
#pragma once

#include <array>
#include <functional>

#include <QPointer>

#include "PrintWindow.h"

class QLabel;
class QTabWidget;
class QWidget;

namespace tarvel::ui {

class WidgetPrintWindow : public PrintWindow {
public:
    struct Hooks {
        std::function<void(bool)> setPrinting;
        std::function<void()> applyRules;
        std::function<void(int)> setMessageTicks;
        // LabelHlaseni shows the header on white, LabelSpojeni is hidden.
        std::function<void(const QString&)> showPrintHeader{};
        // LabelHlaseni goes back to the button-face background.
        std::function<void()> restoreStatusBackground{};
        // CGaugeProgram is hidden.
        std::function<void()> hideProgressGauge{};
    };

    // The controls the print commands touch; any but the client area may be missing.
    struct Parts {
        QWidget* clientArea = nullptr;
        QLabel* status = nullptr;      // LabelHlaseni
        QWidget* connection = nullptr;  // LabelSpojeni
        QWidget* gauge = nullptr;       // CGaugeProgram
        QWidget* verify = nullptr;      // BitBtnVerify
        QTabWidget* pages = nullptr;    // PageControl1
        std::array<QWidget*, kPrintTabCount> tabPages{};  // the pages in print order
    };

    WidgetPrintWindow(const Parts& parts, Hooks hooks);

    QImage captureClientArea() override;
    void setPrinting(bool printing) override;
    void applyRules() override;
    void showPrintHeader(const QString& header) override;
    void restoreStatusBackground() override;
    void setMessageTicks(int ticks) override;
    void hideProgressGauge() override;
    void focusVerifyButton() override;
    int openTab() const override;
    void openTabAt(int tab) override;
    void setTabVisible(int tab, bool visible) override;

private:
    int pageIndex(int tab) const;
    void setStatusBackground(const QColor& colour);

    QWidget& clientArea_;
    Hooks hooks_;
    QPointer<QLabel> status_;
    QPointer<QWidget> connection_;
    QPointer<QWidget> gauge_;
    QPointer<QWidget> verify_;
    QPointer<QTabWidget> pages_;
    std::array<QPointer<QWidget>, kPrintTabCount> tabPages_;
};

}  // namespace tarvel::ui
