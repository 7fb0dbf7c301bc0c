// The builder's registry of typed controls: every entry is the control of its
// name and of its type, and a control the builder cannot find (misspelt, or of
// another type) stops the start with a message naming it, in every build type.
#include <gtest/gtest.h>

#include <QCheckBox>
#include <QLabel>
#include <QMainWindow>
#include <QWidget>

#include "BarGauge.h"
#include "RequiredControl.h"
#include "SpinButton.h"
#include "UpDown.h"
#include "WindowBuilder.h"
#include "WindowControls.h"

namespace tarvel::test {

namespace {

QString nameOf(std::string_view name)
{
    return QString::fromLatin1(name.data(), static_cast<qsizetype>(name.size()));
}

}  // namespace

TEST(RequiredControl, AMisspeltNameStopsTheStartWithAMessage)
{
    GTEST_FLAG_SET(death_test_style, "threadsafe");
    QWidget window;
    auto* label = new QLabel(&window);
    label->setObjectName(QStringLiteral("LabelRpm"));
    EXPECT_EQ(requiredControl<QLabel>(&window, QStringLiteral("LabelRpm")), label);
    EXPECT_DEATH(requiredControl<QLabel>(&window, QStringLiteral("LabelRmp")), "no control LabelRmp of type QLabel");
    // The right name on the wrong type of control is no better.
    EXPECT_DEATH(requiredControl<QCheckBox>(&window, QStringLiteral("LabelRpm")), "LabelRpm of type QCheckBox");
}

TEST(WindowControls, EveryEntryIsTheControlOfItsNameAndType)
{
    QMainWindow window;
    const WindowControls controls = WindowBuilder(&window).build();
    for (int i = 0; i < kWindowControlCount; ++i) {
        const auto id = static_cast<WindowControl>(i);
        const QString name = nameOf(WindowControls::objectName(id));
        QObject* object = controls.object(id);
        ASSERT_TRUE(object) << name.toStdString();
        EXPECT_EQ(object->objectName(), name);
        EXPECT_TRUE(object->metaObject()->inherits(&WindowControls::typeOf(id)))
            << name.toStdString() << " is a " << object->metaObject()->className();
        EXPECT_EQ(window.findChild<QObject*>(name), object) << name.toStdString();
    }
    for (int i = 0; i < present::kControlCount; ++i) {
        const auto id = static_cast<present::ControlId>(i);
        const QString name = nameOf(present::objectName(id));
        QWidget* control = present::isGauge(id) ? static_cast<QWidget*>(controls.gauge(id)) : controls.label(id);
        ASSERT_TRUE(control) << name.toStdString();
        EXPECT_EQ(control->objectName(), name);
        if (present::isGauge(id))
            EXPECT_TRUE(qobject_cast<BarGauge*>(control)) << name.toStdString();
        else
            EXPECT_TRUE(qobject_cast<QLabel*>(control)) << name.toStdString();
    }
    for (int r = 0; r < 10; ++r)
        EXPECT_EQ(controls.spinButtons[r]->objectName(), QStringLiteral("CSpinButton%1").arg(r + 1));
}

TEST(WindowControls, EveryFieldElementHasItsControl)
{
    QMainWindow window;
    const WindowControls controls = WindowBuilder(&window).build();
    std::size_t elements = 0;
    for (const FieldDescriptor& field : fieldTable())
        if (field.kind != ControlKind::None)
            elements += static_cast<std::size_t>(field.count);
    ASSERT_EQ(controls.fields.size(), elements);
    std::size_t upDowns = 0;
    for (const FieldWidget& f : controls.fields) {
        const QString name = QString::fromStdString(f.bound.field->controlName(f.bound.element));
        ASSERT_TRUE(f.widget()) << name.toStdString();
        EXPECT_EQ(f.widget()->objectName(), name);
        // Exactly one of the three kinds, the one the field table asks for.
        EXPECT_EQ((f.upDown != nullptr) + (f.box != nullptr) + (f.list != nullptr), 1) << name.toStdString();
        EXPECT_EQ(f.upDown != nullptr, f.bound.field->kind == ControlKind::UpDown) << name.toStdString();
        upDowns += f.upDown != nullptr;
    }
    // Every up-down of the window edits a field element.
    EXPECT_EQ(controls.upDowns.size(), upDowns);
    EXPECT_EQ(static_cast<std::size_t>(window.findChildren<UpDown*>().size()), upDowns);
}

TEST(WindowControls, AControlTheBuilderCannotFindStopsTheStart)
{
    GTEST_FLAG_SET(death_test_style, "threadsafe");
    struct Case {
        const char* name;
        const char* renamedTo;
        const char* message;
    };
    // One of each part of the registry: a named control, a live label, a
    // gauge, a table entry, a spin button and a field control.
    for (const Case& c :
         {Case{"CheckBoxProgHned", "CheckBoxProgHnde", "no control CheckBoxProgHned of type QCheckBox"},
          Case{"LabelTpsMon", "LabelTpsMonn", "no control LabelTpsMon of type QLabel"},
          Case{"CGaugeProgram", "CGaugeProgam", "no control CGaugeProgram of type tarvel::BarGauge"},
          Case{"Edit140", "Edit1400", "no control Edit140 of type QLineEdit"},
          Case{"CSpinButton7", "CSpinButon7", "no control CSpinButton7 of type tarvel::SpinButton"},
          Case{"UpDownRpmKorekce", "UpDownRpmKorekc", "no control UpDownRpmKorekce of type tarvel::UpDown"}}) {
        QMainWindow window;
        WindowBuilder(&window).build();
        window.findChild<QObject*>(QString::fromLatin1(c.name))->setObjectName(QString::fromLatin1(c.renamedTo));
        EXPECT_DEATH(WindowControls::resolve(&window), c.message) << c.name;
    }
    // The right name on a control of another type.
    QMainWindow window;
    WindowBuilder(&window).build();
    window.findChild<QObject*>(QStringLiteral("LabelVerze1"))->setObjectName(QStringLiteral("LabelVerzeOld"));
    auto* impostor = new QCheckBox(&window);
    impostor->setObjectName(QStringLiteral("LabelVerze1"));
    EXPECT_DEATH(WindowControls::resolve(&window), "no control LabelVerze1 of type QLabel");
}

}  // namespace tarvel::test
