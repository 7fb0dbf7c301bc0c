// PrintWindow on the main window's widget tree: the controls are found by
// objectName below the client area; the printing flag, the rules and the
// status countdown belong to the window and are reached through hooks.
#pragma once

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
    };

    WidgetPrintWindow(QWidget& clientArea, Hooks hooks);

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
};

}  // namespace tarvel::ui
