// The program starts its window with the tab page it shows first and fills
// the others after the first paint. Whatever fills them, the window must then
// be the one built at once: same texts, places, colours, states and tab order.
#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMouseEvent>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QTest>
#include <QWheelEvent>

#include <memory>

#include "TFormHlav.h"
#include "WindowFixture.h"
#include "link/SimulatedUnitDevice.h"

namespace tarvel::test {

namespace {

using Pages = WindowBuilder::Pages;

// A started window on a simulated unit, with settings choosing the language
// and the page shown first.
struct StartedWindow {
    std::unique_ptr<TFormHlav> window;

    StartedWindow(const QTemporaryDir& home, Pages pages)
    {
        qputenv("TARVEL3_HOME", home.path().toUtf8());
        window = std::make_unique<TFormHlav>(nullptr, std::make_unique<link::SimulatedUnitDevice>(), pages);
        window->setDialogs(std::make_unique<ScriptedDialogs>());
        window->FormCreate({}, home.path());
        window->timer1().stop();
    }
    QWidget* page(int index) const { return window->controls().PageControl1->widget(index); }
};

std::unique_ptr<QTemporaryDir> homeWith(int language, int page)
{
    auto home = std::make_unique<QTemporaryDir>();
    QFile settings(QDir(home->path()).filePath(QStringLiteral("tarvel3")));
    if (settings.open(QIODevice::WriteOnly))
        settings.write(QStringLiteral("[FORM_HLAV]\r\nLanguage=%1\r\nPageControl1->ActivePageIndex=%2\r\n")
                           .arg(language)
                           .arg(page)
                           .toLatin1());
    return home;
}

QString rect(const QRect& r)
{
    return QStringLiteral("%1,%2 %3x%4").arg(r.x()).arg(r.y()).arg(r.width()).arg(r.height());
}

// What the user sees of a widget, and what the window reads from it.
QString describe(const QWidget* w)
{
    const QPalette& p = w->palette();
    QStringList d{w->objectName(),
                  QString::fromLatin1(w->metaObject()->className()),
                  w->isHidden() ? QStringLiteral("hidden") : QStringLiteral("shown"),
                  w->isEnabled() ? QStringLiteral("enabled") : QStringLiteral("disabled"),
                  rect(w->geometry()),
                  w->font().toString(),
                  w->toolTip(),
                  p.color(QPalette::Window).name(),
                  p.color(QPalette::WindowText).name(),
                  p.color(QPalette::Base).name(),
                  p.color(QPalette::Text).name(),
                  w->autoFillBackground() ? QStringLiteral("filled") : QString()};
    if (const auto* label = qobject_cast<const QLabel*>(w))
        d << label->text() << QString::number(label->wordWrap()) << QString::number(label->alignment());
    if (const auto* button = qobject_cast<const QAbstractButton*>(w))
        d << button->text() << QString::number(button->isChecked());
    if (const auto* edit = qobject_cast<const QLineEdit*>(w))
        d << edit->text();
    if (const auto* group = qobject_cast<const QGroupBox*>(w))
        d << group->title();
    if (const auto* list = qobject_cast<const QComboBox*>(w)) {
        d << QString::number(list->currentIndex());
        for (int row = 0; row < list->count(); ++row)
            d << list->itemText(row);
    }
    if (const auto* tabs = qobject_cast<const QTabWidget*>(w))
        for (int tab = 0; tab < tabs->count(); ++tab)
            d << tabs->tabText(tab);
    return d.join(QLatin1Char('|'));
}

QStringList snapshot(const TFormHlav& window)
{
    QStringList widgets{window.windowTitle()};
    for (const QWidget* w : window.findChildren<QWidget*>())
        if (!w->objectName().isEmpty())
            widgets << describe(w);
    return widgets;
}

// The controls Tab moves through, in its order.
QStringList tabOrder(TFormHlav& window)
{
    QStringList order;
    for (QWidget* w = window.nextInFocusChain(); w && w != &window; w = w->nextInFocusChain())
        if (w->focusPolicy() & Qt::TabFocus)
            order << w->objectName();
    return order;
}

// Shows the window and each of its pages once (labels are sized when their
// page first shows), back to the page it opened with.
void showEveryPage(TFormHlav& window)
{
    window.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
    QTabWidget* pages = window.controls().PageControl1;
    const int opened = pages->currentIndex();
    for (int page = 0; page < pages->count(); ++page)
        pages->setCurrentIndex(page);
    pages->setCurrentIndex(opened);
}

}  // namespace

TEST(PagesAfterStart, TheWindowEndsAsIfBuiltAtOnce)
{
    for (int language = 0; language < 4; ++language)
        for (int openPage : {0, 2}) {
            SCOPED_TRACE(testing::Message() << "language " << language << ", page " << openPage);
            const auto home = homeWith(language, openPage);
            StartedWindow atOnce(*home, Pages::All);
            StartedWindow late(*home, Pages::FirstOnly);
            EXPECT_FALSE(late.window->pagesComplete());

            showEveryPage(*atOnce.window);
            late.window->show();
            ASSERT_TRUE(QTest::qWaitForWindowExposed(late.window.get()));
            // Filled once the first paint has gone out.
            QTRY_VERIFY(late.window->pagesComplete());
            showEveryPage(*late.window);

            const QStringList expected = snapshot(*atOnce.window);
            const QStringList seen = snapshot(*late.window);
            ASSERT_EQ(seen.size(), expected.size());
            for (qsizetype i = 0; i < expected.size(); ++i)
                EXPECT_EQ(seen[i].toStdString(), expected[i].toStdString());
            const QStringList order = tabOrder(*late.window);
            const QStringList expectedOrder = tabOrder(*atOnce.window);
            ASSERT_EQ(order.size(), expectedOrder.size());
            for (qsizetype i = 0; i < order.size(); ++i)
                ASSERT_EQ(order[i].toStdString(), expectedOrder[i].toStdString()) << "place " << i;
        }
}

TEST(PagesAfterStart, TheFirstPaintShowsTheOpenPageWhole)
{
    const auto home = homeWith(0, 2);
    StartedWindow late(*home, Pages::FirstOnly);
    // What is filled when the window first paints.
    struct AtFirstPaint : QObject {
        const StartedWindow* window = nullptr;
        QList<bool> filled;
        bool eventFilter(QObject*, QEvent* event) override
        {
            if (event->type() == QEvent::Paint && filled.isEmpty())
                for (int page = 0; page < WindowBuilder::kPageCount; ++page)
                    filled << !window->page(page)->children().isEmpty();
            return false;
        }
    } watcher;
    watcher.window = &late;
    late.window->installEventFilter(&watcher);
    late.window->show();
    QTRY_VERIFY(late.window->pagesComplete());
    // The first page and the page the settings open; the rest came after.
    EXPECT_EQ(watcher.filled, (QList<bool>{true, false, true, false, false}));
    EXPECT_EQ(late.window->controls().PageControl1->currentIndex(), 2);
}

TEST(PagesAfterStart, TheFirstInputFindsEveryPage)
{
    const QPointF at(5, 5);
    const std::function<QEvent*()> inputs[] = {
        [] { return new QKeyEvent(QEvent::KeyPress, Qt::Key_Tab, Qt::NoModifier); },
        [&] { return new QMouseEvent(QEvent::MouseButtonPress, at, at, Qt::LeftButton, Qt::LeftButton, {}); },
        [&] { return new QWheelEvent(at, at, {}, QPoint(0, 120), Qt::NoButton, {}, Qt::NoScrollPhase, false); },
    };
    const auto home = homeWith(0, 0);
    for (const auto& input : inputs) {
        StartedWindow late(*home, Pages::FirstOnly);
        ASSERT_FALSE(late.window->pagesComplete());
        std::unique_ptr<QEvent> event(input());
        QCoreApplication::sendEvent(late.window->controls().ClientArea, event.get());
        EXPECT_TRUE(late.window->pagesComplete()) << event->type();
    }
}

TEST(PagesAfterStart, APageFilledWhileOnShowShowsItsControls)
{
    const auto home = homeWith(1, 0);
    StartedWindow atOnce(*home, Pages::All);
    StartedWindow late(*home, Pages::FirstOnly);
    for (const StartedWindow* started : {&atOnce, &late}) {
        // Shown, but not yet painted: the other pages are still empty.
        started->window->show();
        started->window->controls().PageControl1->setCurrentIndex(3);
    }
    ASSERT_FALSE(late.window->pagesComplete());
    for (const char* name : {"EditRpmPriv1", "UpDownNapPriv10", "CheckBoxPrivEnable", "LabelServoHyster"}) {
        const auto* shown = late.window->findChild<QWidget*>(QString::fromLatin1(name));
        const auto* expected = atOnce.window->findChild<QWidget*>(QString::fromLatin1(name));
        ASSERT_TRUE(shown && expected) << name;
        EXPECT_EQ(shown->isVisible(), expected->isVisible()) << name;
        EXPECT_EQ(describe(shown).toStdString(), describe(expected).toStdString()) << name;
    }
}

}  // namespace tarvel::test
