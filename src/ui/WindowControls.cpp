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

// Looks the controls up; a missing one stops the start unless allowed.
struct Finder {
    const ControlIndex& window;
    bool missingAllowed = false;

    template <typename T>
    T* get(const QString& name) const
    {
        return missingAllowed ? window.find<T>(name) : window.required<T>(name);
    }
};

void resolveFields(const Finder& find, WindowControls& c)
{
    for (const FieldDescriptor& field : fieldTable()) {
        if (field.kind == ControlKind::None)
            continue;
        for (int element = 0; element < field.count; ++element) {
            const QString name = QString::fromStdString(field.controlName(element));
            FieldWidget entry{FieldControl{&field, element}};
            switch (field.kind) {
                case ControlKind::UpDown:
                    entry.upDown = find.get<UpDown>(name);
                    if (entry.upDown)
                        c.upDowns.push_back(entry.upDown);
                    break;
                case ControlKind::CheckBox:
                case ControlKind::ClosingBit:
                    entry.box = find.get<QCheckBox>(name);
                    break;
                default:
                    entry.list = find.get<QComboBox>(name);
                    break;
            }
            c.fields.push_back(entry);
        }
    }
}

void resolveTables(const Finder& find, ControlTables& t)
{
    auto edit = [&find](const QString& name) { return find.get<QLineEdit>(name); };
    auto box = [&find](const QString& name) { return find.get<QCheckBox>(name); };
    auto upDown = [&find](const QString& name) { return find.get<UpDown>(name); };
    for (int i = 0; i < 10; ++i) {
        t.tpsRowLabels[i] = find.get<QLabel>(QStringLiteral("LabelTps%1").arg(i + 1));
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
        t.advanceLabels[c] = find.get<QLabel>(QStringLiteral("LabelAdvance%1").arg(c + 1));
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

WindowControls WindowControls::resolve(const ControlIndex& window, Missing missing)
{
    WindowControls c;
    const Finder find{window, missing == Missing::AllowedWhilePagesAreEmpty};
    for (int i = 0; i < present::kControlCount; ++i) {
        const auto id = static_cast<present::ControlId>(i);
        const QString name = qs(present::objectName(id));
        if (present::isGauge(id))
            c.liveGauges[static_cast<std::size_t>(i - present::kFirstGauge)] = find.get<BarGauge>(name);
        else
            c.liveLabels[static_cast<std::size_t>(i)] = find.get<QLabel>(name);
    }
#define TARVEL_CONTROL_RESOLVE(type, name) c.name = find.get<type>(QStringLiteral(#name));
    TARVEL_WINDOW_CONTROLS(TARVEL_CONTROL_RESOLVE)
#undef TARVEL_CONTROL_RESOLVE
    for (int r = 0; r < 10; ++r)
        c.spinButtons[static_cast<std::size_t>(r)] = find.get<SpinButton>(QStringLiteral("CSpinButton%1").arg(r + 1));
    resolveTables(find, c.tables);
    resolveFields(find, c);
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
