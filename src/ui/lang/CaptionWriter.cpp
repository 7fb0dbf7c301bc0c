#include "CaptionWriter.h"

#include <QAbstractButton>
#include <QAction>
#include <QComboBox>
#include <QGroupBox>
#include <QHash>
#include <QLabel>
#include <QMenu>
#include <QTabWidget>

#include "HintText.h"

namespace tarvel::ui {

namespace {

QString toQString(std::string_view text)
{
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

QTabWidget* owningTabWidget(QWidget& page)
{
    // A tab page sits in the tab widget's internal stack.
    for (QWidget* up = page.parentWidget(); up; up = up->parentWidget())
        if (auto* tabs = qobject_cast<QTabWidget*>(up))
            return tabs->indexOf(&page) >= 0 ? tabs : nullptr;
    return nullptr;
}

bool isMenuEntry(const QObject& target)
{
    return qobject_cast<const QAction*>(&target) || qobject_cast<const QMenu*>(&target);
}

bool hasCaption(QObject& target)
{
    if (isMenuEntry(target) || qobject_cast<QGroupBox*>(&target) || qobject_cast<QAbstractButton*>(&target) ||
        qobject_cast<QLabel*>(&target))
        return true;
    auto* page = qobject_cast<QWidget*>(&target);
    return page && owningTabWidget(*page);
}

// Whether the target can take the row's kind of text.
bool fits(const CaptionRow& row, QObject& target)
{
    switch (row.kind) {
        case CaptionKind::Caption:
            return !isMenuEntry(target) && hasCaption(target);
        case CaptionKind::MenuItem:
            return isMenuEntry(target);
        case CaptionKind::ListRow: {
            auto* combo = qobject_cast<QComboBox*>(&target);
            return combo && row.listRow >= 0 && row.listRow < combo->count();
        }
        case CaptionKind::Hint:
            return isMenuEntry(target) || qobject_cast<QWidget*>(&target);
    }
    return false;
}

QString describe(const CaptionRow& row)
{
    QString name = toQString(row.target);
    if (row.kind == CaptionKind::ListRow)
        return name + QStringLiteral(" row %1").arg(row.listRow);
    if (row.kind == CaptionKind::Hint)
        return name + QStringLiteral(" (hint)");
    return name;
}

}  // namespace

QString WithoutAccelerator(const QString& caption)
{
    QString shown;
    shown.reserve(caption.size());
    for (qsizetype i = 0; i < caption.size(); ++i) {
        if (caption[i] == u'&' && i + 1 < caption.size())
            ++i;  // "&x" shows x, "&&" shows one "&"
        shown += caption[i];
    }
    return shown;
}

bool SetCaption(QObject& target, const QString& text)
{
    if (auto* action = qobject_cast<QAction*>(&target)) {
        action->setText(text);
        return true;
    }
    if (auto* menu = qobject_cast<QMenu*>(&target)) {
        menu->setTitle(text);
        return true;
    }
    if (auto* group = qobject_cast<QGroupBox*>(&target)) {
        group->setTitle(text);
        return true;
    }
    if (auto* button = qobject_cast<QAbstractButton*>(&target)) {
        button->setText(text);
        return true;
    }
    if (auto* label = qobject_cast<QLabel*>(&target)) {
        // A label shows its accelerator only when it has a buddy to pass the
        // focus to; without one the marker would show as a plain "&".
        label->setText(label->buddy() ? text : WithoutAccelerator(text));
        return true;
    }
    if (auto* page = qobject_cast<QWidget*>(&target)) {
        if (QTabWidget* tabs = owningTabWidget(*page)) {
            tabs->setTabText(tabs->indexOf(page), text);
            return true;
        }
    }
    return false;
}

CaptionWriter::CaptionWriter(QObject& root)
{
    QHash<QString, QObject*> byName;
    if (!root.objectName().isEmpty())
        byName.insert(root.objectName(), &root);
    for (QObject* child : root.findChildren<QObject*>()) {
        if (!child->objectName().isEmpty() && !byName.contains(child->objectName()))
            byName.insert(child->objectName(), child);
    }
    const auto& rows = captionRows();
    targets_.reserve(rows.size());
    for (const CaptionRow& row : rows)
        targets_.emplace_back(byName.value(toQString(row.target), nullptr));
}

QObject* CaptionWriter::target(std::size_t row) const
{
    return row < targets_.size() ? targets_[row].data() : nullptr;
}

bool CaptionWriter::write(std::size_t index, Language language) const
{
    const CaptionRow& row = captionRows()[index];
    QObject* object = target(index);
    if (!object || !fits(row, *object))
        return false;
    const QString text = QString::fromStdString(row.composed(language));
    switch (row.kind) {
        case CaptionKind::Caption:
        case CaptionKind::MenuItem:
            return SetCaption(*object, text);
        case CaptionKind::ListRow:
            qobject_cast<QComboBox*>(object)->setItemText(row.listRow, text);
            return true;
        case CaptionKind::Hint:
            SetHint(*object, text);
            return true;
    }
    return false;
}

void CaptionWriter::write(Language language) const
{
    for (std::size_t index = 0; index < targets_.size(); ++index)
        write(index, language);
}

QStringList CaptionWriter::unplacedTargets() const
{
    QStringList unplaced;
    const auto& rows = captionRows();
    for (std::size_t index = 0; index < rows.size(); ++index) {
        QObject* object = target(index);
        if (!object || !fits(rows[index], *object))
            unplaced << describe(rows[index]);
    }
    return unplaced;
}

}  // namespace tarvel::ui
