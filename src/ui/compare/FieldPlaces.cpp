#include "FieldPlaces.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QTabWidget>

#include "ControlIndex.h"
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

QString labelText(const QLabel* label)
{
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

}  // namespace

FieldPlaces::FieldPlaces(const ControlIndex& window, const std::vector<FieldWidget>& fields)
{
    // Made with the window, so plain string tests rather than patterns.
    auto label = [&window](const QString& name) { return window.find<QLabel>(name); };
    for (const FieldWidget& field : fields) {
        Entry e{field, {}, {}, {}};
        QString stem = QString::fromStdString(field.bound.field->controlName(field.bound.element));
        for (const QLatin1String kind : {QLatin1String("UpDown"), QLatin1String("CheckBox"), QLatin1String("ComboBox")})
            if (stem.startsWith(kind)) {
                stem.remove(0, kind.size());
                break;
            }
        // Palec<n>Zac|End followed by H2 or P2: a channel box.
        const bool channelBox = stem.size() == 11 && stem.startsWith(QLatin1String("Palec")) && stem.at(5).isDigit() &&
                                (stem.mid(6, 3) == QLatin1String("Zac") || stem.mid(6, 3) == QLatin1String("End")) &&
                                (stem.endsWith(QLatin1String("H2")) || stem.endsWith(QLatin1String("P2")));
        // Kompenz<n>: a compensation.
        const bool compensation = stem.size() == 8 && stem.startsWith(QLatin1String("Kompenz")) && stem.at(7).isDigit();
        if (channelBox) {
            e.label = label(QStringLiteral("Label") + stem.left(9));
            e.column = label(stem.endsWith(QLatin1String("H2")) ? QStringLiteral("LabelHrana2")
                                                                 : QStringLiteral("LabelSnimac2"));
        } else if (compensation) {
            e.label = label(QStringLiteral("LabelKompenz"));
            e.number = stem.right(1);
        } else if (stem.startsWith(QLatin1String("RpmPriv"))) {
            e.label = label(QStringLiteral("Label6"));
        } else if (stem.startsWith(QLatin1String("NapPriv"))) {
            e.label = label(QStringLiteral("Label5"));
        } else if (stem.startsWith(QLatin1String("RpmAdv"))) {
            e.label = label(QStringLiteral("LabelRpm1"));
        } else {
            e.label = label(QStringLiteral("Label") + stem);
        }
        entries_.emplace(std::pair(field.bound.field, field.bound.element), e);
    }
}

const FieldPlaces::Entry* FieldPlaces::entry(const ImageDiff::Row& row) const
{
    const auto it = entries_.find(std::pair(row.field, row.element));
    return it == entries_.end() ? nullptr : &it->second;
}

QString FieldPlaces::captionOf(const Entry& e)
{
    if (const QCheckBox* box = e.control.box; box && !box->text().isEmpty())
        return clean(box->text());
    if (e.column)
        return labelText(e.label) + QStringLiteral(", ") + labelText(e.column);
    if (!e.number.isEmpty())
        return labelText(e.label) + QLatin1Char(' ') + e.number;
    return labelText(e.label);
}

present::FieldPlace FieldPlaces::place(const ImageDiff::Row& row) const
{
    const Entry* e = row.field->control ? entry(row) : nullptr;
    const QWidget* control = e ? e->control.widget() : nullptr;
    if (control == nullptr)
        return {};
    QString caption = captionOf(*e);
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
    const Entry* e = entry(row);
    if (e == nullptr)
        return std::nullopt;
    switch (d.kind) {
        case ControlKind::UpDown:
            if (const UpDown* upDown = e->control.upDown)
                return upDown->format(value).toStdString();
            return std::nullopt;
        case ControlKind::BikeList:
        case ControlKind::SyncList:
        case ControlKind::MultipleList: {
            const QComboBox* list = e->control.list;
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
