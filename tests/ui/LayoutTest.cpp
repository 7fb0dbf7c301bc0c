#include <QAction>
#include <QApplication>
#include <QEnterEvent>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QStatusBar>
#include <QTabWidget>
#include <QTest>

#include "WindowBuilder.h"
#include "WindowFixture.h"

namespace tarvel::test {

using Layout = WindowFixture;

TEST_F(Layout, ControlsSitAtTheirDesignPositions)
{
    struct Spot {
        const char* name;
        int x, y, w, h;  // w or h of 0: not checked
    } spots[] = {
        {"GroupBoxToolBar", 3, 0, 463, 43},
        {"PageControl1", 8, 49, 653, 497},
        {"CGaugeRpm", 676, 72, 250, 15},
        {"CGaugeTps", 676, 121, 250, 15},
        {"CGaugeLambda", 677, 172, 250, 15},
        {"CGaugePotak", 676, 450, 250, 15},
        {"CGaugeProgram", 12, 602, 205, 15},
        {"ButtonRead", 230, 12, 57, 23},
        {"BitBtnVerify", 296, 12, 65, 23},
        {"BitBtnProgram", 370, 12, 81, 23},
        {"SpeedButtonZpet", 156, 13, 0, 0},
        {"LabelSpojeni", 480, 9, 0, 0},
        {"LabelRpm", 676, 46, 0, 0},
        {"LabelCom", 676, 602, 0, 0},
        {"LabelMonBlok2Out", 676, 576, 0, 0},
        {"CheckBoxProgHned", 18, 552, 0, 0},
        {"LabelHlaseni", 12, 579, 0, 0},
        {"LabelVersion", 13, 660, 0, 0},
        {"LabelTest8", 864, 687, 0, 0},
        {"LabelPriveraMer", 236, 580, 0, 0},
        {"LabelMonRetard", 492, 602, 0, 0},
        // Tab 1
        {"EditStartLimiterMin", 16, 14, 0, 21},
        {"EditPocSynchro", 16, 281, 0, 21},
        {"EditKompenz4", 504, 131, 0, 21},
        {"LabelKompenz", 571, 135, 0, 0},
        {"GroupBoxTps", 352, 4, 289, 117},
        {"EditTps100", 96, 74, 0, 0},
        {"BitBtnTps100", 184, 72, 88, 25},
        {"GroupBox4", 216, 236, 185, 221},
        {"CheckBoxAktN2o", 16, 183, 0, 0},
        {"GroupBoxMonInput", 420, 236, 213, 221},
        {"LabelN2oIn", 18, 189, 0, 0},
        {"CheckBoxZakazCteni", 16, 358, 0, 0},
        // Tab 2
        {"ComboBoxBike", 8, 36, 232, 21},
        {"GroupBoxRpm", 0, 72, 247, 113},
        {"EditRpmKorekce", 16, 68, 0, 0},
        {"CheckBoxInvInput2", 8, 226, 0, 0},
        {"LabelVerze3", 8, 319, 0, 0},
        {"LabelFile2", 50, 347, 0, 0},
        {"GroupBoxSpecial", 251, 0, 394, 469},
        {"ComboBoxSynchro", 16, 36, 346, 21},
        {"EditPocKanalu", 208, 69, 0, 0},
        {"LabelPocKanalu", 267, 73, 0, 0},
        {"GroupBoxPalec3", 8, 274, 378, 80},
        {"EditPalec3End", 120, 47, 0, 0},
        {"CheckBoxPalec3EndP2", 310, 49, 0, 0},
        {"ComboBoxNasobekPalcu", 8, 440, 233, 21},
        // Tab 3
        {"EditRpmAdv1", 44, 29, 40, 21},
        {"UpDownRpmAdv10", 617, 29, 0, 21},
        {"Edit50", 51, 69, 30, 21},
        {"UpDown59", 614, 69, 0, 21},
        {"Edit138", 525, 333, 30, 21},
        {"CSpinButton10", 596, 405, 15, 21},
        {"CheckBoxTpsMapa", 17, 437, 0, 0},
        {"BitBtnAdvPlus", 221, 439, 20, 20},
        {"CheckBoxIgnAll", 264, 441, 0, 0},
        {"EditBaseAdv", 432, 439, 0, 0},
        {"LabelBaseAdv", 491, 443, 0, 0},
        // Tab 4
        {"CheckBoxPrivEnable", 24, 29, 0, 0},
        {"GroupBoxPrivera", 2, 56, 641, 201},
        {"EditNapPriv5", 281, 64, 40, 21},
        {"EditPrivHyster", 44, 98, 0, 0},
        {"LabelServoHyster", 107, 102, 0, 0},
        {"BitBtnServoPlus", 389, 127, 20, 20},
        // Tab 5
        {"CheckBoxGas", 16, 13, 0, 0},
        {"GroupBoxRetard", 280, 50, 268, 200},
        {"EditRetardT", 16, 160, 0, 0},
        {"EditN2O_Repeat", 32, 338, 0, 0},
    };
    for (const Spot& spot : spots) {
        QWidget* widget = find(QString::fromLatin1(spot.name));
        if (!widget)
            continue;
        EXPECT_EQ(widget->pos(), QPoint(spot.x, spot.y)) << spot.name;
        if (spot.w) {
            EXPECT_EQ(widget->width(), spot.w) << spot.name;
        }
        if (spot.h) {
            EXPECT_EQ(widget->height(), spot.h) << spot.name;
        }
    }
}

TEST_F(Layout, PagesHaveTheDesignClientAreaAndTheWindowItsSize)
{
    auto* pages = find<QTabWidget>(QStringLiteral("PageControl1"));
    ASSERT_EQ(pages->count(), 5);
    window->show();
    QApplication::processEvents();
    const char* names[] = {"TabSheetRuzne", "TabSheetBike", "TabSheetAdvance", "TabSheetServo", "TabSheet_Gas"};
    for (int i = 0; i < 5; ++i) {
        EXPECT_EQ(pages->widget(i)->objectName(), QString::fromLatin1(names[i]));
        pages->setCurrentIndex(i);
        QApplication::processEvents();
        EXPECT_EQ(pages->widget(i)->size(), QSize(645, 469)) << names[i];
        EXPECT_EQ(pages->widget(i)->mapTo(pages, QPoint(0, 0)), QPoint(4, 24)) << names[i];
    }
    EXPECT_EQ(window->centralWidget()->width(), 934);
    EXPECT_EQ(window->centralWidget()->height() + window->statusBar()->height(), 772);
    EXPECT_EQ(window->statusBar()->objectName(), QStringLiteral("StatusBar1"));
}

TEST_F(Layout, EveryNumericFieldHasItsEditAndUpDown)
{
    const auto upDowns = window->findChildren<UpDown*>();
    EXPECT_EQ(upDowns.size(), 169);
    for (UpDown* u : upDowns) {
        ASSERT_TRUE(u->buddy());
        EXPECT_EQ(u->buddy()->objectName(), QStringLiteral("Edit") + u->objectName().mid(6));
        EXPECT_EQ(u->x(), u->buddy()->x() + u->buddy()->width()) << u->objectName().toStdString();
        EXPECT_EQ(u->y(), u->buddy()->y());
    }
    struct Range {
        const char* name;
        int min, max, step;
        bool thousands;
    } ranges[] = {
        {"UpDownRpmAdv1", 199, 20100, 100, true},     {"UpDownRpmAdv2", 300, 20100, 100, true},
        {"UpDownRpmPriv2", 200, 20100, 100, true},    {"UpDownRpmPriv3", 300, 20100, 100, true},
        {"UpDownOmez2", 999, 25000, 100, true},       {"UpDownStartLimiterMin", 999, 25000, 100, true},
        {"UpDownPilotLight", 1000, 25000, 100, true}, {"UpDown149", 0, 60, 1, false},
        {"UpDownRpmKorekce", -60, 60, 1, true},       {"UpDownTps100", 2500, 4750, 10, true},
        {"UpDownN2O_Repeat", 0, 30, 2, true},         {"UpDownPrivHyster", 0, 1275, 5, true},
        {"UpDownNapPriv1", 20, 5000, 20, true},       {"UpDownGasD", 0, 25500, 100, true},
    };
    for (const Range& r : ranges) {
        UpDown* u = upDown(QString::fromLatin1(r.name));
        ASSERT_TRUE(u);
        EXPECT_EQ(u->minimum(), r.min) << r.name;
        EXPECT_EQ(u->maximum(), r.max) << r.name;
        EXPECT_EQ(u->step(), r.step) << r.name;
        EXPECT_EQ(u->thousands(), r.thousands) << r.name;
    }
}

TEST(FreshWindow, UpDownsStartAtTheirDesignPositions)
{
    QMainWindow window;
    WindowBuilder(&window).build();
    struct Start {
        const char* upDown;
        int value;
        const char* text;
    } starts[] = {
        {"UpDownStartLimiterMin", 15000, "15,000"},
        {"UpDownStartLimiterPause", 0, "0"},
        {"UpDownPilotLight", 15000, "15,000"},
        {"UpDownPocSynchro", 40, "40"},
        {"UpDownKompenz3", 40, "40"},
        {"UpDownTps0", 300, "300"},
        {"UpDownTps100", 2500, "2,500"},
        {"UpDownRpmPulsu", 1, "1"},
        {"UpDownRpmKorekce", 0, "0"},
        {"UpDownPocPalcu", 40, "40"},
        {"UpDownPocKanalu", 4, "4"},
        {"UpDownPalec4End", 40, "40"},
        {"UpDownRpmAdv1", 1000, "1,000"},
        {"UpDownRpmAdv10", 10000, "10,000"},
        {"UpDown50", 20, "20"},
        {"UpDown149", 20, "20"},
        {"UpDownBaseAdv", 40, "40"},
        {"UpDownRpmPriv5", 6000, "6,000"},
        {"UpDownRpmPriv10", 16000, "16,000"},
        {"UpDownNapPriv7", 100, "100"},
        {"UpDownPrivHyster", 300, "300"},
        {"UpDownGasRpmMin", 15000, "15,000"},
        {"UpDownN2O_TPSmin", 100, "100"},
        {"UpDownN2O_Repeat", 20, "20"},
        {"UpDownGasD", 100, "100"},
        {"UpDownGasT", 0, "0"},
        {"UpDownRetardD", 100, "100"},
        {"UpDownRetard2", 0, "0"},
    };
    for (const Start& s : starts) {
        auto* upDown = window.findChild<UpDown*>(QString::fromLatin1(s.upDown));
        ASSERT_TRUE(upDown) << s.upDown;
        EXPECT_EQ(upDown->position(), s.value) << s.upDown;
        EXPECT_EQ(upDown->buddy()->text(), QString::fromLatin1(s.text)) << s.upDown;
    }
}

TEST_F(Layout, ControlTablesAddressFamiliesByIndex)
{
    const ControlTables& t = window->tables();
    EXPECT_EQ(t.advanceEdits[9][0]->objectName(), QStringLiteral("Edit140"));
    EXPECT_EQ(t.advanceEdits[0][0]->objectName(), QStringLiteral("Edit50"));
    EXPECT_EQ(t.advanceUpDowns[0][9]->objectName(), QStringLiteral("UpDown59"));
    EXPECT_EQ(t.maxAdvEdge2Boxes[3]->objectName(), QStringLiteral("CheckBoxPalec4ZacH2"));
    EXPECT_EQ(t.startAdvPickup2Boxes[1]->objectName(), QStringLiteral("CheckBoxPalec2EndP2"));
    EXPECT_EQ(t.startAdvLobeUpDowns[2]->objectName(), QStringLiteral("UpDownPalec3End"));
    EXPECT_EQ(t.servoMvEdits[9]->objectName(), QStringLiteral("EditNapPriv10"));
    EXPECT_EQ(t.tpsRowLabels[9]->text(), QStringLiteral("100%"));
    EXPECT_EQ(t.advanceLabels[1]->objectName(), QStringLiteral("LabelAdvance2"));

    auto* ports = find<QMenu>(QStringLiteral("MenuCom"));
    const auto items = ports->actions();
    ASSERT_EQ(items.size(), 21);
    for (int k = 0; k < 21; ++k) {
        EXPECT_EQ(items[k], t.portMenuItems[k]);
        EXPECT_EQ(items[k]->text(), k < 20 ? QStringLiteral("Com %1").arg(k + 1) : QStringLiteral("Com Auto"));
    }
}

TEST_F(Layout, AdvanceTabOrderRunsAlongTheAxisThenRowByRow)
{
    find<QTabWidget>(QStringLiteral("PageControl1"))->setCurrentIndex(2);
    window->show();
    QWidget* w = edit(QStringLiteral("EditRpmAdv10"));
    w = w->nextInFocusChain();
    while (w && !qobject_cast<QLineEdit*>(w))
        w = w->nextInFocusChain();
    ASSERT_TRUE(w);
    EXPECT_EQ(w->objectName(), QStringLiteral("Edit50"));
    QWidget* cell = edit(QStringLiteral("Edit59"))->nextInFocusChain();
    while (cell && !qobject_cast<QLineEdit*>(cell))
        cell = cell->nextInFocusChain();
    EXPECT_EQ(cell->objectName(), QStringLiteral("Edit60"));
}

TEST_F(Layout, MenuItemsAndShortcuts)
{
    struct Item {
        const char* name;
        QKeySequence keys;
    } items[] = {
        {"MenuNew", QKeySequence(Qt::CTRL | Qt::Key_N)},
        {"MenuOpen", QKeySequence(Qt::Key_F3)},
        {"MenuSave", QKeySequence(Qt::Key_F2)},
        {"MenuPrint", QKeySequence(Qt::CTRL | Qt::Key_P)},
        {"MenuRead", QKeySequence(Qt::Key_F7)},
        {"MenuVerify", QKeySequence(Qt::Key_F8)},
        {"MenuProgram", QKeySequence(Qt::Key_F9)},
        {"AdvanceMinus", QKeySequence(Qt::Key_F4)},
        {"AdvancePlus", QKeySequence(Qt::Key_F5)},
        {"MenuZpet", QKeySequence(Qt::CTRL | Qt::Key_Z)},
        {"MenuZnovu", QKeySequence(Qt::CTRL | Qt::ALT | Qt::Key_Z)},
        {"MenuContens", QKeySequence(Qt::Key_F1)},
        {"MenuLogMarker", QKeySequence(Qt::CTRL | Qt::Key_M)},
        {"MenuOpenExeDir", QKeySequence()},
        {"MenuExit", QKeySequence()},
        {"MenuPrintAll", QKeySequence()},
        {"MenuAbout", QKeySequence()},
    };
    for (const Item& item : items) {
        QAction* a = action(QString::fromLatin1(item.name));
        ASSERT_TRUE(a);
        EXPECT_EQ(a->shortcut(), item.keys) << item.name;
    }
    const QStringList menus = {QStringLiteral("MenuFile"),     QStringLiteral("MenuCom"),
                               QStringLiteral("MenuDevice"),   QStringLiteral("MenuTools"),
                               QStringLiteral("MenuLog"),      QStringLiteral("MenuLanguage"),
                               QStringLiteral("MenuHelp")};
    const auto bar = window->menuBar()->actions();
    ASSERT_EQ(bar.size(), menus.size());
    for (int i = 0; i < menus.size(); ++i)
        EXPECT_EQ(bar[i]->menu()->objectName(), menus[i]);
    EXPECT_TRUE(action(QStringLiteral("MenuEnglish"))->isChecked());
    EXPECT_FALSE(action(QStringLiteral("MenuCzech"))->isChecked());
}

TEST_F(Layout, StatusBarShowsTheLongHintOfTheControlUnderTheMouse)
{
    window->show();
    QApplication::processEvents();
    auto* panel = find<QLabel>(QStringLiteral("StatusBarPanel"));
    auto enter = [&](const char* name) {
        QWidget* w = find(QString::fromLatin1(name));
        QEnterEvent event(QPointF(1, 1), QPointF(1, 1), QPointF(1, 1));
        QApplication::sendEvent(w, &event);
    };
    enter("BitBtnServoMinus");
    EXPECT_EQ(panel->text(), QStringLiteral("Take off 20 mV"));
    enter("LabelRpm1");
    EXPECT_EQ(panel->text(), QStringLiteral("Speed - Round per Minute"));
    enter("CheckBoxAktClutch");  // no hint of its own: its group's
    EXPECT_EQ(panel->text(), QStringLiteral("Checked items means activation by closing"));
    enter("EditOmez2");
    EXPECT_EQ(panel->text(), QString());
    EXPECT_EQ(find(QStringLiteral("ComboBoxBike"))->toolTip(), QStringLiteral("Type of keying"));
    EXPECT_TRUE(find(QStringLiteral("LabelRpm1"))->toolTip().isEmpty());

    auto* tools = find<QMenu>(QStringLiteral("MenuTools"));
    emit tools->hovered(action(QStringLiteral("AdvancePlus")));
    EXPECT_EQ(panel->text(), QStringLiteral("Add 1 degree of curve A"));
}

}  // namespace tarvel::test
