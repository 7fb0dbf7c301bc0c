#include "FieldPlaces.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QRegularExpression>
#include <QTabWidget>

#include "UpDown.h"
#include "lang/CaptionWriter.h"

namespace tarvel::ui {

namespace {

// Groups whose title says nothing about one field.
const QStringList kPlainGroups = {QStringLiteral("GroupBoxSpecial"), QStringLiteral("GroupBox6"),
                                  QStringLiteral("GroupBoxToolBar")};

QString clean(const QString& text)
{
    QString out = WithoutAccelerator(text).simplified();
    while (out.endsWith(QLatin1Char(':')))
        out.chop(1);
    return out;
}

QString labelText(const QWidget& window, const QString& name)
{
    const auto* label = window.findChild<QLabel*>(name);
    return label ? clean(label->text()) : QString();
}

QString tabOf(const QWidget* control)
{
    for (const QWidget* w = control; w != nullptr; w = w->parentWidget()) {
        const QWidget* stack = w->parentWidget();
        const auto* tabs = stack ? qobject_cast<const QTabWidget*>(stack->parentWidget()) : nullptr;
        if (tabs != nullptr) {
            const int index = tabs->indexOf(const_cast<QWidget*>(w));
            if (index >= 0)
                return clean(tabs->tabText(index));
        }
    }
    return {};
}

QString groupOf(const QWidget* control)
{
    for (const QWidget* w = control->parentWidget(); w != nullptr; w = w->parentWidget())
        if (const auto* group = qobject_cast<const QGroupBox*>(w)) {
            if (kPlainGroups.contains(group->objectName()))
                return {};
            if (!group->title().isEmpty())
                return clean(group->title());
        }
    return {};
}

QString captionOf(const QWidget& window, const QWidget* control, const QString& name)
{
    if (const auto* box = qobject_cast<const QCheckBox*>(control); box && !box->text().isEmpty())
        return clean(box->text());
    static const QRegularExpression prefix(QStringLiteral("^(UpDown|CheckBox|ComboBox)"));
    QString stem = name;
    stem.remove(prefix);
    static const QRegularExpression channelBox(QStringLiteral("^(Palec\\d(Zac|End))(H2|P2)$"));
    if (const auto m = channelBox.match(stem); m.hasMatch()) {
        const QString column = labelText(window, m.captured(3) == QLatin1String("H2") ? QStringLiteral("LabelHrana2")
                                                                                      : QStringLiteral("LabelSnimac2"));
        return labelText(window, QStringLiteral("Label") + m.captured(1)) + QStringLiteral(", ") + column;
    }
    static const QRegularExpression compensation(QStringLiteral("^Kompenz(\\d)$"));
    if (const auto m = compensation.match(stem); m.hasMatch())
        return labelText(window, QStringLiteral("LabelKompenz")) + QLatin1Char(' ') + m.captured(1);
    if (stem.startsWith(QLatin1String("RpmPriv")))
        return labelText(window, QStringLiteral("Label6"));
    if (stem.startsWith(QLatin1String("NapPriv")))
        return labelText(window, QStringLiteral("Label5"));
    if (stem.startsWith(QLatin1String("RpmAdv")))
        return labelText(window, QStringLiteral("LabelRpm1"));
    return labelText(window, QStringLiteral("Label") + stem);
}

}  // namespace

present::FieldPlace FieldPlaces::place(const ImageDiff::Row& row) const
{
    const QString name = QString::fromStdString(row.field->control ? row.field->controlName(row.element) : "");
    const QWidget* control = name.isEmpty() ? nullptr : window_.findChild<QWidget*>(name);
    if (control == nullptr)
        return {};
    QString caption = captionOf(window_, control, name);
    const QString group = groupOf(control);
    if (!group.isEmpty() && !caption.isEmpty() && group != caption)
        caption = group + QStringLiteral(": ") + caption;
    else if (caption.isEmpty())
        caption = group;
    return {tabOf(control).toStdString(), caption.toStdString()};
}

std::optional<std::string> FieldPlaces::valueText(const ImageDiff::Row& row, int value) const
{
    const FieldDescriptor& d = *row.field;
    if (d.control == nullptr)
        return std::nullopt;
    const QString name = QString::fromStdString(d.controlName(row.element));
    switch (d.kind) {
        case ControlKind::UpDown:
            if (const auto* upDown = window_.findChild<UpDown*>(name))
                return upDown->format(value).toStdString();
            return std::nullopt;
        case ControlKind::BikeList:
        case ControlKind::SyncList:
        case ControlKind::MultipleList: {
            const auto* list = window_.findChild<QComboBox*>(name);
            if (list == nullptr)
                return std::nullopt;
            ParamImage image{};
            image[d.imageByte(row.element)] = static_cast<std::uint8_t>(value);
            const int position = d.controlValue(image, row.element);
            if (position < 0 || position >= list->count())
                return std::nullopt;
            return list->itemText(position).trimmed().toStdString();
        }
        default:
            return std::nullopt;
    }
}

}  // namespace tarvel::ui
