// A control the window cannot find by its name stops the start with a
// message naming it, in every build type.
#include <gtest/gtest.h>

#include <QCheckBox>
#include <QLabel>
#include <QWidget>

#include "DisplayApplier.h"
#include "RequiredControl.h"

namespace tarvel::test {

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
    // The live column cannot be applied to a window that lacks its labels.
    EXPECT_DEATH(DisplayApplier{&window}, "no control LabelTpsMon");
}

}  // namespace tarvel::test
