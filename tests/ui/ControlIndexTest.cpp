// The index of a window's named objects finds what findChild() finds, also
// when a name is borne twice, and stops the start on a missing control.
#include <gtest/gtest.h>

#include <QCheckBox>
#include <QGroupBox>
#include <QLabel>
#include <QWidget>

#include "ControlIndex.h"

namespace tarvel::test {

namespace {

template <typename T>
T* named(QWidget* parent, const char* name)
{
    auto* object = new T(parent);
    object->setObjectName(QString::fromLatin1(name));
    return object;
}

}  // namespace

TEST(ControlIndex, FindsWhatFindChildFinds)
{
    GTEST_FLAG_SET(death_test_style, "threadsafe");
    QWidget window;
    auto* group = named<QGroupBox>(&window, "GroupBox6");
    named<QLabel>(group, "LabelRpm");
    // One name on a label and on a check box further down: the type decides.
    named<QLabel>(&window, "Twice");
    named<QCheckBox>(group, "Twice");
    // One name on two labels: the one findChild() meets first.
    named<QLabel>(group, "Double");
    named<QLabel>(&window, "Double");

    const ControlIndex index(&window);
    for (const char* name : {"GroupBox6", "LabelRpm", "Twice", "Double"}) {
        const QString n = QString::fromLatin1(name);
        EXPECT_EQ(index.required<QWidget>(n), window.findChild<QWidget*>(n)) << name;
    }
    EXPECT_EQ(index.required<QLabel>(QStringLiteral("Twice")), window.findChild<QLabel*>(QStringLiteral("Twice")));
    EXPECT_EQ(index.required<QCheckBox>(QStringLiteral("Twice")),
              window.findChild<QCheckBox*>(QStringLiteral("Twice")));
    EXPECT_EQ(index.required<QLabel>(QStringLiteral("Double")), window.findChild<QLabel*>(QStringLiteral("Double")));
    EXPECT_EQ(index.all<QLabel>(), window.findChildren<QLabel*>());

    EXPECT_DEATH(index.required<QLabel>(QStringLiteral("LabelRmp")), "no control LabelRmp of type QLabel");
    EXPECT_DEATH(index.required<QCheckBox>(QStringLiteral("LabelRpm")), "LabelRpm of type QCheckBox");
}

}  // namespace tarvel::test
