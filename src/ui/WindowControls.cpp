#include "WindowControls.h"

#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QStatusBar>
#include <QTabWidget>
#include <QToolButton>

#include "BarGauge.h"
#include "ControlIndex.h"
#include "SpinButton.h"
#include "UpDown.h"

namespace tarvel {

namespace {

#define TARVEL_CONTROL_NAME(type, name) #name,
constexpr std::string_view kNames[] = {TARVEL_WINDOW_CONTROLS(TARVEL_CONTROL_NAME)};
#undef TARVEL_CONTROL_NAME
static_assert(std::size(kNames) == kWindowControlCount);

QString qs(std::string_view name)
{
    return QString::fromLatin1(name.data(), static_cast<qsizetype>(name.size()));
}

template <typename T>
T* required(const ControlIndex& window, const QString& name)
{
    return window.required<T>(name);
}

void resolveFields(const ControlIndex& window, WindowControls& c)
{
    for (const FieldDescriptor& field : fieldTable()) {
        if (field.kind == ControlKind::None)
            continue;
        for (int element = 0; element < field.count; ++element) {
            const QString name = QString::fromStdString(field.controlName(element));
            FieldWidget entry{FieldControl{&field, element}};
            switch (field.kind) {
                case ControlKind::UpDown:
                    entry.upDown = required<UpDown>(window, name);
                    c.upDowns.push_back(entry.upDown);
                    break;
                case ControlKind::CheckBox:
                case ControlKind::ClosingBit:
                    entry.box = required<QCheckBox>(window, name);
                    break;
                default:
                    entry.list = required<QComboBox>(window, name);
                    break;
            }
            c.fields.push_back(entry);
        }
    }
}

void resolveTables(const ControlIndex& window, ControlTables& t)
{
    auto edit = [&window](const QString& name) { return required<QLineEdit>(window, name); };
    auto box = [&window](const QString& name) { return required<QCheckBox>(window, name); };
    auto upDown = [&window](const QString& name) { return required<UpDown>(window, name); };
    for (int i = 0; i < 10; ++i) {
        t.tpsRowLabels[i] = required<QLabel>(window, QStringLiteral("LabelTps%1").arg(i + 1));
        t.mapRpmEdits[i] = edit(QStringLiteral("EditRpmAdv%1").arg(i + 1));
        t.servoRpmEdits[i] = edit(QStringLiteral("EditRpmPriv%1").arg(i + 1));
        t.servoMvEdits[i] = edit(QStringLiteral("EditNapPriv%1").arg(i + 1));
        t.mapRpmUpDowns[i] = upDown(QStringLiteral("UpDownRpmAdv%1").arg(i + 1));
        t.servoRpmUpDowns[i] = upDown(QStringLiteral("UpDownRpmPriv%1").arg(i + 1));
        t.servoMvUpDowns[i] = upDown(QStringLiteral("UpDownNapPriv%1").arg(i + 1));
        for (int r = 0; r < 10; ++r) {
            t.advanceEdits[i][r] = edit(QStringLiteral("Edit%1").arg(50 + 10 * i + r));
            t.advanceUpDowns[i][r] = upDown(QStringLiteral("UpDown%1").arg(50 + 10 * i + r));
        }
    }
    for (int c = 0; c < 4; ++c) {
        const QString stem = QStringLiteral("Palec%1").arg(c + 1);
        t.maxAdvLobeEdits[c] = edit(QStringLiteral("Edit") + stem + QStringLiteral("Zac"));
        t.startAdvLobeEdits[c] = edit(QStringLiteral("Edit") + stem + QStringLiteral("End"));
        t.maxAdvEdge2Boxes[c] = box(QStringLiteral("CheckBox") + stem + QStringLiteral("ZacH2"));
        t.startAdvEdge2Boxes[c] = box(QStringLiteral("CheckBox") + stem + QStringLiteral("EndH2"));
        t.maxAdvPickup2Boxes[c] = box(QStringLiteral("CheckBox") + stem + QStringLiteral("ZacP2"));
        t.startAdvPickup2Boxes[c] = box(QStringLiteral("CheckBox") + stem + QStringLiteral("EndP2"));
        t.advanceLabels[c] = required<QLabel>(window, QStringLiteral("LabelAdvance%1").arg(c + 1));
        t.maxAdvLobeUpDowns[c] = upDown(QStringLiteral("UpDown") + stem + QStringLiteral("Zac"));
        t.startAdvLobeUpDowns[c] = upDown(QStringLiteral("UpDown") + stem + QStringLiteral("End"));
    }
}

}  // namespace

QWidget* FieldWidget::widget() const
{
    if (upDown)
        return upDown;
    if (box)
        return box;
    return list;
}

BarGauge* WindowControls::gauge(present::ControlId id) const
{
    return liveGauges[present::indexOf(id) - static_cast<std::size_t>(present::kFirstGauge)];
}

WindowControls WindowControls::resolve(const QObject* window)
{
    return resolve(ControlIndex(window));
}

WindowControls WindowControls::resolve(const ControlIndex& window)
{
    WindowControls c;
#define TARVEL_CONTROL_RESOLVE(type, name) c.name = required<type>(window, QStringLiteral(#name));
    TARVEL_WINDOW_CONTROLS(TARVEL_CONTROL_RESOLVE)
#undef TARVEL_CONTROL_RESOLVE

    for (int i = 0; i < present::kControlCount; ++i) {
        const auto id = static_cast<present::ControlId>(i);
        const QString name = qs(present::objectName(id));
        if (present::isGauge(id))
            c.liveGauges[static_cast<std::size_t>(i - present::kFirstGauge)] = required<BarGauge>(window, name);
        else
            c.liveLabels[static_cast<std::size_t>(i)] = required<QLabel>(window, name);
    }
    for (int r = 0; r < 10; ++r)
        c.spinButtons[static_cast<std::size_t>(r)] =
            required<SpinButton>(window, QStringLiteral("CSpinButton%1").arg(r + 1));
    resolveTables(window, c.tables);
    resolveFields(window, c);
    return c;
}

QObject* WindowControls::object(WindowControl id) const
{
    switch (id) {
#define TARVEL_CONTROL_CASE(type, name) \
    case WindowControl::name:           \
        return name;
        TARVEL_WINDOW_CONTROLS(TARVEL_CONTROL_CASE)
#undef TARVEL_CONTROL_CASE
        case WindowControl::Count:
            break;
    }
    return nullptr;
}

std::string_view WindowControls::objectName(WindowControl id)
{
    return kNames[static_cast<std::size_t>(id)];
}

const QMetaObject& WindowControls::typeOf(WindowControl id)
{
    switch (id) {
#define TARVEL_CONTROL_TYPE(type, name) \
    case WindowControl::name:           \
        return type::staticMetaObject;
        TARVEL_WINDOW_CONTROLS(TARVEL_CONTROL_TYPE)
#undef TARVEL_CONTROL_TYPE
        case WindowControl::Count:
            break;
    }
    return QObject::staticMetaObject;
}

}  // namespace tarvel
