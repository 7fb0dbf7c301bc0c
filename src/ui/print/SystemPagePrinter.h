// Prints on the system's default printer (or, when none is marked default,
// the first one installed), without a print dialog.
#pragma once

#include "PagePrinter.h"

namespace tarvel::ui {

class SystemPagePrinter : public PagePrinter {
public:
    bool available() const override;
    bool printPage(const QImage& picture) override;
    QString lastError() const override { return lastError_; }

private:
    QString lastError_;
};

}  // namespace tarvel::ui
