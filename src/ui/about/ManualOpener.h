// "Contents..." (MenuContensClick, F1): opens the manual address of the
// current language with the desktop's opener; when that fails the user gets
// the language's "Error by opening file ... !" message and nothing else
// changes.
#pragma once

#include <functional>

#include <QString>
#include <QUrl>

#include "model/Messages.h"

namespace tarvel::ui {

class ManualOpener {
public:
    using OpenFn = std::function<bool(const QUrl&)>;
    using ReportFn = std::function<void(const QString&)>;

    ManualOpener(OpenFn open, ReportFn report) : open_(std::move(open)), report_(std::move(report)) {}

    // Opens the address held by the message table. A local file that does not
    // exist counts as a failure without asking the opener.
    bool open(const MessageTable& messages) const;

    // A local path becomes a file URL; an address with a scheme stays as it is.
    static QUrl AddressToUrl(const QString& address);
    // The desktop's opener (QDesktopServices).
    static bool OpenWithDesktop(const QUrl& url);

private:
    OpenFn open_;
    ReportFn report_;
};

}  // namespace tarvel::ui
