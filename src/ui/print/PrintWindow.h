// What the print commands need of the main window. The window implements it
// (WidgetPrintWindow does so on the widget tree); tests use a recording fake.
#pragma once

#include <QImage>
#include <QString>

namespace tarvel::ui {

// The tabs of the page control, in the order "Print all" prints them.
inline constexpr int kPrintTabCount = 5;

class PrintWindow {
public:
    virtual ~PrintWindow() = default;

    // The client area as it looks now (menu bar excluded), as it goes on
    // paper: white where the screen is light grey, without the keyboard focus.
    virtual QImage captureClientArea() = 0;
    // The `printing` flag the enabling rules and the tick read.
    virtual void setPrinting(bool printing) = 0;
    // The enabling and visibility rules.
    virtual void applyRules() = 0;
    // LabelHlaseni shows `header` on white and is shown; LabelSpojeni is hidden.
    virtual void showPrintHeader(const QString& header) = 0;
    // LabelHlaseni goes back to the button-face background.
    virtual void restoreStatusBackground() = 0;
    // The status countdown, in ticks.
    virtual void setMessageTicks(int ticks) = 0;
    // CGaugeProgram is hidden.
    virtual void hideProgressGauge() = 0;
    // The keyboard focus goes to BitBtnVerify.
    virtual void focusVerifyButton() = 0;

    // Tabs by print order: 0 Miscellaneous, 1 Bike, 2 Advance Map, 3 Servo, 4 N2O.
    virtual int openTab() const = 0;
    virtual void openTabAt(int tab) = 0;
    virtual void setTabVisible(int tab, bool visible) = 0;
};

}  // namespace tarvel::ui
