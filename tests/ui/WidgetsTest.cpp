#include <gtest/gtest.h>

#include <QElapsedTimer>
#include <QLabel>
#include <QLineEdit>
#include <QLocale>
#include <QSignalSpy>
#include <QTest>

#include "BarGauge.h"
#include "HintHandler.h"
#include "SpinButton.h"
#include "UpDown.h"

namespace tarvel::test {

namespace {

struct LocaleScope {
    explicit LocaleScope(const QLocale& locale) { QLocale::setDefault(locale); }
    ~LocaleScope() { QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates)); }
};

}  // namespace

TEST(UpDownWidget, ArrowsStepWithinTheRangeWithoutWrapping)
{
    QWidget parent;
    QLineEdit edit(&parent);
    UpDown upDown(&edit, 199, 20100, 100, true, &parent);
    QSignalSpy clicks(&upDown, &UpDown::clicked);

    upDown.setValue(300);
    EXPECT_EQ(clicks.count(), 0);  // setting a value reports nothing
    upDown.stepBy(-1);
    EXPECT_EQ(upDown.position(), 200);
    upDown.stepBy(-1);
    EXPECT_EQ(upDown.position(), 199);  // clamped, not 100
    upDown.stepBy(-1);
    EXPECT_EQ(upDown.position(), 199);
    upDown.setValue(20050);
    upDown.stepBy(+1);
    EXPECT_EQ(upDown.position(), 20100);
    EXPECT_EQ(edit.text(), QStringLiteral("20,100"));
    EXPECT_EQ(clicks.count(), 4);
}

TEST(UpDownWidget, TypedTextCountsOnlyWhenAWholeNumberInRange)
{
    QWidget parent;
    QLineEdit edit(&parent);
    UpDown upDown(&edit, 0, 60, 1, false, &parent);
    upDown.setValue(20);
    struct Case {
        const char* text;
        int value;
    } cases[] = {{"35", 35}, {"75", 35}, {"3.5", 35}, {"abc", 35}, {"", 35}, {"-1", 35}, {" 7 ", 7}, {"60", 60}};
    for (const Case& c : cases) {
        edit.setText(QString::fromLatin1(c.text));
        EXPECT_EQ(upDown.value(), c.value) << c.text;
    }
    // An arrow starts from the typed value.
    edit.setText(QStringLiteral("12"));
    upDown.stepBy(+1);
    EXPECT_EQ(edit.text(), QStringLiteral("13"));
}

TEST(UpDownWidget, ThousandsSeparatorFollowsTheLocaleBothWays)
{
    QWidget parent;
    QLineEdit edit(&parent);
    UpDown grouped(&edit, 999, 25000, 100, true, &parent);
    {
        LocaleScope czech(QLocale(QLocale::Czech, QLocale::CzechRepublic));
        grouped.setValue(15000);
        const QString shown = edit.text();
        EXPECT_EQ(shown.size(), 6);
        EXPECT_TRUE(shown.at(2).isSpace()) << shown.toStdString();
        edit.setText(QStringLiteral("12 500"));
        EXPECT_EQ(grouped.value(), 12500);
        edit.setText(QStringLiteral("12") + QChar(0x00A0) + QStringLiteral("600"));
        EXPECT_EQ(grouped.value(), 12600);
    }
    grouped.setValue(15000);
    EXPECT_EQ(edit.text(), QStringLiteral("15,000"));
    edit.setText(QStringLiteral("9,900"));
    EXPECT_EQ(grouped.value(), 9900);
    grouped.setValue(999);
    EXPECT_EQ(edit.text(), QStringLiteral("999"));

    QLineEdit cellEdit(&parent);
    UpDown cell(&cellEdit, 0, 60, 1, false, &parent);
    cell.setValue(45);
    EXPECT_EQ(cellEdit.text(), QStringLiteral("45"));
}

TEST(UpDownWidget, UpAndDownKeysInTheBuddyStep)
{
    QWidget parent;
    QLineEdit edit(&parent);
    UpDown upDown(&edit, -60, 60, 1, true, &parent);
    upDown.setValue(-60);
    QSignalSpy clicks(&upDown, &UpDown::clicked);
    QTest::keyClick(&edit, Qt::Key_Down);
    EXPECT_EQ(edit.text(), QStringLiteral("-60"));
    QTest::keyClick(&edit, Qt::Key_Up);
    QTest::keyClick(&edit, Qt::Key_Up);
    EXPECT_EQ(edit.text(), QStringLiteral("-58"));
    EXPECT_EQ(clicks.count(), 3);
    QTest::keyClick(&edit, Qt::Key_5);  // other keys only edit the text
    EXPECT_EQ(clicks.count(), 3);
}

TEST(SpinButtonWidget, PressFiresOnceAtOnceThenRepeatsWhileHeld)
{
    SpinButton spin;
    spin.resize(15, 21);
    QSignalSpy ups(&spin, &SpinButton::upClick);
    QSignalSpy downs(&spin, &SpinButton::downClick);

    QTest::mouseClick(&spin, Qt::LeftButton, {}, QPoint(7, 17));
    EXPECT_EQ(downs.count(), 1);
    EXPECT_EQ(ups.count(), 0);

    QElapsedTimer held;
    held.start();
    QTest::mousePress(&spin, Qt::LeftButton, {}, QPoint(7, 3));
    EXPECT_EQ(ups.count(), 1);
    QTest::qWait(250);
    if (held.elapsed() < 380) {  // still inside the first 400 ms (a loaded machine may be late)
        EXPECT_EQ(ups.count(), 1);
    }
    EXPECT_TRUE(QTest::qWaitFor([&] { return ups.count() >= 3; }, 3000));
    QTest::mouseRelease(&spin, Qt::LeftButton, {}, QPoint(7, 3));
    const auto released = ups.count();
    QTest::qWait(300);
    EXPECT_EQ(ups.count(), released);
    EXPECT_EQ(downs.count(), 1);
}

TEST(BarGaugeWidget, PercentDoneFromRangeAndProgress)
{
    BarGauge gauge;
    struct Case {
        int min, max, progress, percent;
    } cases[] = {{0, 100, 50, 50}, {0, 2, 1, 50},        {0, 2, 2, 100},
                 {0, 500, -20, 0}, {0, 5000, 7000, 100}, {10, 10, 5, 0}};
    for (const Case& c : cases) {
        gauge.setRange(c.min, c.max);
        gauge.setProgress(c.progress);
        EXPECT_EQ(gauge.percentDone(), c.percent);
    }
}

TEST(Hints, ShortAndLongParts)
{
    EXPECT_EQ(HintHandler::shortPart(QStringLiteral("Round per Minute|Speed - Round per Minute")),
              QStringLiteral("Round per Minute"));
    EXPECT_EQ(HintHandler::longPart(QStringLiteral("Round per Minute|Speed - Round per Minute")),
              QStringLiteral("Speed - Round per Minute"));
    EXPECT_EQ(HintHandler::longPart(QStringLiteral("Add 20 mV")), QStringLiteral("Add 20 mV"));
}

}  // namespace tarvel::test
