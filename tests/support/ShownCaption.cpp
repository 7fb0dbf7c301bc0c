#include "ShownCaption.h"

#include <QAbstractButton>
#include <QAction>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QMenu>
#include <QTabWidget>

#include "ui/lang/CaptionWriter.h"
#include "ui/lang/HintText.h"

namespace tarvel::ui::test {

namespace {

QObject* target(const QWidget& window, const CaptionRow& row)
{
    return window.findChild<QObject*>(QString::fromUtf8(row.target.data(), qsizetype(row.target.size())));
}

}  // namespace

QString shownCaption(const QWidget& window, const CaptionRow& row)
{
    QObject* object = target(window, row);
    if (row.kind == CaptionKind::Hint)
        return object->property(kHintProperty).toString();
    if (row.kind == CaptionKind::ListRow)
        return qobject_cast<QComboBox*>(object)->itemText(row.listRow);
    if (auto* item = qobject_cast<QAction*>(object))
        return item->text();
    if (auto* menu = qobject_cast<QMenu*>(object))
        return menu->title();
    if (auto* group = qobject_cast<QGroupBox*>(object))
        return group->title();
    if (auto* button = qobject_cast<QAbstractButton*>(object))
        return button->text();
    if (auto* label = qobject_cast<QLabel*>(object))
        return label->text();
    // A page: its text is on the tab of the tab widget it sits in.
    auto* page = qobject_cast<QWidget*>(object);
    for (QWidget* w = page ? page->parentWidget() : nullptr; w; w = w->parentWidget())
        if (auto* tabs = qobject_cast<QTabWidget*>(w))
            return tabs->tabText(tabs->indexOf(page));
    return {};
}

QString expectedCaption(const QWidget& window, const CaptionRow& row, Language language)
{
    const QString text = QString::fromStdString(row.composed(language));
    auto* label = qobject_cast<QLabel*>(target(window, row));
    return row.kind == CaptionKind::Caption && label && !label->buddy() ? WithoutAccelerator(text) : text;
}

}  // namespace tarvel::ui::test
