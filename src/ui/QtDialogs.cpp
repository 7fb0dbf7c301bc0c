#include "QtDialogs.h"

#include <QFileDialog>
#include <QMessageBox>

#include "model/Messages.h"

namespace tarvel {

namespace {
const QString kIgnFilter = QStringLiteral("Ignition Parametrs(*.ign)");
// "*": on Linux many files have no dot in their name.
const QString kAllFilter = QStringLiteral("All Files (*)");

QString title()
{
    return QString::fromUtf8(kProductTitle.data(), static_cast<qsizetype>(kProductTitle.size()));
}
}  // namespace

Dialogs::Answer QtDialogs::askYesNoCancel(QWidget* parent, const QString& text)
{
    const auto button = QMessageBox::question(
        parent, title(), text, QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel, QMessageBox::Yes);
    if (button == QMessageBox::Yes)
        return Answer::Yes;
    return button == QMessageBox::No ? Answer::No : Answer::Cancel;
}

void QtDialogs::showMessage(QWidget* parent, const QString& text, Kind kind, const QString& detail)
{
    const QMessageBox::Icon icon = kind == Kind::Information ? QMessageBox::Information
                                   : kind == Kind::Warning   ? QMessageBox::Warning
                                                             : QMessageBox::Critical;
    QMessageBox box(icon, title(), text, QMessageBox::Ok, parent);
    // The reason shows at once under the main line: a technician at the bench
    // should not have to open a "Show Details..." fold to learn it.
    if (!detail.isEmpty())
        box.setInformativeText(detail);
    box.exec();
}

QString QtDialogs::openFileName(QWidget* parent, const QString& fileName)
{
    QFileDialog dialog(parent);
    dialog.setObjectName(QStringLiteral("OpenDialog1"));
    dialog.setAcceptMode(QFileDialog::AcceptOpen);
    dialog.setFileMode(QFileDialog::AnyFile);  // the file need not exist
    dialog.setOption(QFileDialog::ReadOnly, false);
    dialog.setNameFilters({kIgnFilter, kAllFilter});
    if (!openFilter_.isEmpty())
        dialog.selectNameFilter(openFilter_);
    dialog.setDefaultSuffix(QStringLiteral("ign"));
    if (!fileName.isEmpty())
        dialog.selectFile(fileName);
    const bool chosen = dialog.exec() == QDialog::Accepted && !dialog.selectedFiles().isEmpty();
    openFilter_ = dialog.selectedNameFilter();
    return chosen ? dialog.selectedFiles().constFirst() : QString();
}

QString QtDialogs::saveFileName(QWidget* parent, const QString& fileName)
{
    QFileDialog dialog(parent);
    dialog.setObjectName(QStringLiteral("SaveDialog1"));
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setFileMode(QFileDialog::AnyFile);
    dialog.setNameFilters({kIgnFilter});
    dialog.selectNameFilter(kIgnFilter);
    dialog.setDefaultSuffix(QStringLiteral("ign"));
    if (!fileName.isEmpty())
        dialog.selectFile(fileName);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return {};
    return dialog.selectedFiles().constFirst();
}

}  // namespace tarvel
