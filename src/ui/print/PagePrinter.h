// Where a print command sends its pages: the picture of the window drawn as
// large as fits on a page, proportions kept. A command first lets the printer
// choose (the system printer asks the user), then hands it its pages, then
// finishes.
#pragma once

#include <QString>

class QImage;

namespace tarvel::ui {

class PagePrinter {
public:
    virtual ~PagePrinter() = default;

    // Whether there is a printer to print on at all.
    virtual bool available() const = 0;
    // Where and how the `pages` pages of one command go (the system printer
    // shows the print dialog). False when the user cancels. Called before the
    // window changes for printing.
    virtual bool choose(int pages)
    {
        (void)pages;
        return true;
    }
    // One page. False when it could not be produced.
    virtual bool printPage(const QImage& picture) = 0;
    // Ends the command's output after its last page. False when the job failed.
    virtual bool finish() { return true; }
    // Why the last job failed, in the printing system's words (may be empty).
    virtual QString lastError() const = 0;
};

}  // namespace tarvel::ui
