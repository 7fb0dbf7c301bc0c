#include "PrintCommands.h"

namespace tarvel::ui {

void PrintCommands::beginPrint(const QString& header)
{
    window_.showPrintHeader(header);
    window_.setMessageTicks(kPrintMessageTicks);
    window_.hideProgressGauge();
    window_.setPrinting(true);
}

void PrintCommands::endPrint()
{
    window_.setPrinting(false);
    window_.applyRules();
    window_.restoreStatusBackground();
}

PrintOutcome PrintCommands::printOpenTab(const QString& header)
{
    if (!printer_.available())
        return PrintOutcome::NoPrinter;
    if (!printer_.choose(1))
        return PrintOutcome::Cancelled;
    beginPrint(header);
    window_.focusVerifyButton();
    window_.applyRules();
    const bool printed = printer_.printPage(window_.captureClientArea());
    endPrint();
    return printed && printer_.finish() ? PrintOutcome::Printed : PrintOutcome::Failed;
}

PrintOutcome PrintCommands::printAllTabs(const QString& header)
{
    if (!printer_.available())
        return PrintOutcome::NoPrinter;
    if (!printer_.choose(kPrintTabCount))
        return PrintOutcome::Cancelled;
    window_.focusVerifyButton();
    beginPrint(header);
    const int previousTab = window_.openTab();
    window_.setTabVisible(0, true);

    bool printed = true;
    for (int tab = 0; tab < kPrintTabCount && printed; ++tab) {
        window_.setTabVisible(tab, true);
        for (int other = 0; other < kPrintTabCount; ++other)
            if (other != tab)
                window_.setTabVisible(other, false);
        window_.openTabAt(tab);
        window_.applyRules();
        printed = printer_.printPage(window_.captureClientArea());
    }

    for (int tab = 0; tab < kPrintTabCount; ++tab)
        window_.setTabVisible(tab, true);
    window_.openTabAt(previousTab);
    endPrint();
    return printed && printer_.finish() ? PrintOutcome::Printed : PrintOutcome::Failed;
}

}  // namespace tarvel::ui
