// "Print" (SpeedButtonPrintClick) and "Print all" (MenuPrintAllClick): the
// window's client area as a picture, one page per tab printed.
//
// Nothing is touched before the printer is known to exist and chosen: with no
// printer, or the print dialog cancelled, the window stays exactly as it was.
// A job that fails part-way still leaves the window as a finished print does:
// printing flag clear, rules applied again, all tabs visible and the
// previously open tab open.
#pragma once

#include <QString>

#include "PagePrinter.h"
#include "PrintWindow.h"

namespace tarvel::ui {

// Cancelled: the user closed the print dialog; the window was not touched.
enum class PrintOutcome { Printed, NoPrinter, Failed, Cancelled };

// Ticks the print header stays in the status label (11 s).
inline constexpr int kPrintMessageTicks = 200;

class PrintCommands {
public:
    PrintCommands(PrintWindow& window, PagePrinter& printer) : window_(window), printer_(printer) {}

    // The open tab on one page. `header` is the status-label text (PrintHeader).
    PrintOutcome printOpenTab(const QString& header);
    // The five tabs, each alone in the page control, each a job of one page.
    PrintOutcome printAllTabs(const QString& header);

private:
    void beginPrint(const QString& header);
    void endPrint();

    PrintWindow& window_;
    PagePrinter& printer_;
};

}  // namespace tarvel::ui
