// Prints through the system's print dialog: the user picks the printer
// (printing to a PDF file is always offered, also with no printer installed),
// the copies and the page orientation. The pages of one command make one
// document, so "Print all" to a PDF file gives one file of five pages.
#pragma once

#include <functional>
#include <memory>

#include <QImage>
#include <QVector>

#include "PagePrinter.h"

class QPrinter;
class QWidget;

namespace tarvel::ui {

class SystemPagePrinter : public PagePrinter {
public:
    // Sets up `printer` for a command of `pages` pages; false to cancel.
    using Chooser = std::function<bool(QPrinter& printer, int pages)>;

    // The print dialog opens over `dialogParent`. A `chooser` replaces the
    // dialog (tests set a PDF file and the copies with it).
    explicit SystemPagePrinter(QWidget* dialogParent = nullptr, Chooser chooser = {});
    ~SystemPagePrinter() override;

    bool available() const override { return true; }
    bool choose(int pages) override;
    bool printPage(const QImage& picture) override;
    bool finish() override;
    QString lastError() const override { return lastError_; }

    // The dialog: printer, PDF file, copies, orientation; no page ranges.
    static bool ShowPrintDialog(QPrinter& printer, QWidget* parent);

private:
    QWidget* dialogParent_;
    Chooser chooser_;
    // Kept between commands, so that the dialog proposes the last choice.
    std::unique_ptr<QPrinter> printer_;
    QVector<QImage> pages_;
    QString lastError_;
};

}  // namespace tarvel::ui
