#include "ManualOpener.h"

#include <QDesktopServices>
#include <QFileInfo>

#include "model/LogSink.h"

namespace tarvel::ui {

QUrl ManualOpener::AddressToUrl(const QString& address)
{
    const QUrl url(address);
    // A one-letter scheme is a drive letter, not a scheme.
    if (url.isValid() && url.scheme().size() > 1)
        return url;
    return QUrl::fromLocalFile(address);
}

bool ManualOpener::OpenWithDesktop(const QUrl& url)
{
    return QDesktopServices::openUrl(url);
}

bool ManualOpener::open(const MessageTable& messages) const
{
    const QUrl url = AddressToUrl(QString::fromStdString(messages[Msg::ManualUrl]));
    const bool missing = url.isLocalFile() && !QFileInfo(url.toLocalFile()).isFile();
    const bool opened = !missing && open_ && open_(url);
    if (!opened)
        log::write(log::Area::Ui, "cannot open the manual " + url.toString().toStdString() +
                                      (missing ? ": no such file" : ": the desktop did not open it"));
    if (!opened && report_)
        report_(QString::fromStdString(messages[Msg::ManualOpenError]));
    return opened;
}

}  // namespace tarvel::ui
