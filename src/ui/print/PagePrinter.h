// Where a print command sends its pages. Every job is one page: the picture
// of the window drawn as large as fits on the page, proportions kept.
#pragma once

#include <QString>

class QImage;

namespace tarvel::ui {

class PagePrinter {
public:
    virtual ~PagePrinter() = default;

    // Whether there is a printer to print on at all.
    virtual bool available() const = 0;
    // One print job of one page. False when the job could not be produced.
    virtual bool printPage(const QImage& picture) = 0;
    // Why the last job failed, in the printing system's words (may be empty).
    virtual QString lastError() const = 0;
};

}  // namespace tarvel::ui
