// Labels size themselves to their text when first shown; until then whoever
// reads their geometry asks for it with ensureSized().
#include <gtest/gtest.h>

#include <QApplication>
#include <QEvent>
#include <QLabel>
#include <QTabWidget>

#include "LabelAutoSizer.h"

namespace tarvel::test {

namespace {

// A window with two tabs and one watched label on each: the first tab is
// open when the window shows, the second is not.
struct TwoTabs {
    QTabWidget pages;
    QWidget* open = new QWidget();
    QWidget* closed = new QWidget();
    QLabel* onOpen = new QLabel(QStringLiteral("A caption longer than the default width"), open);
    QLabel* onClosed = new QLabel(QStringLiteral("Another caption longer than the default width"), closed);

    TwoTabs()
    {
        pages.addTab(open, QStringLiteral("open"));
        pages.addTab(closed, QStringLiteral("closed"));
        pages.resize(600, 300);
        for (QLabel* label : {onOpen, onClosed}) {
            label->move(10, 10);
            LabelAutoSizer::watch(label);
        }
    }
};

}  // namespace

TEST(LabelAutoSizer, ALabelIsSizedWhenItsTabFirstShows)
{
    TwoTabs window;
    const QSize unsized = window.onClosed->size();
    window.pages.show();
    EXPECT_EQ(window.onOpen->size(), window.onOpen->sizeHint());
    EXPECT_EQ(window.onClosed->size(), unsized);  // its tab did not show yet

    window.pages.setCurrentIndex(1);
    EXPECT_EQ(window.onClosed->size(), window.onClosed->sizeHint());
}

TEST(LabelAutoSizer, EnsureSizedSizesLabelsNeverShown)
{
    TwoTabs window;
    window.onClosed->setText(QStringLiteral("A text set before any show"));
    LabelAutoSizer::ensureSized(&window.pages);
    EXPECT_EQ(window.onOpen->size(), window.onOpen->sizeHint());
    EXPECT_EQ(window.onClosed->size(), window.onClosed->sizeHint());
    EXPECT_EQ(window.onClosed->pos(), QPoint(10, 10));
}

TEST(LabelAutoSizer, ARightAlignedLabelSizedOnShowKeepsItsRightEdge)
{
    TwoTabs window;
    window.onClosed->setAlignment(Qt::AlignRight | Qt::AlignTop);
    window.onClosed->setGeometry(0, 10, 37, 20);
    window.onClosed->setText(QStringLiteral("100%"));
    window.pages.show();
    window.pages.setCurrentIndex(1);
    EXPECT_EQ(window.onClosed->geometry().right(), 36);
    EXPECT_EQ(window.onClosed->width(), window.onClosed->sizeHint().width());
}

TEST(LabelAutoSizer, ALabelWithRoomSizedOnShowStaysAtItsDesignPlace)
{
    TwoTabs window;
    window.onClosed->setText(QStringLiteral("Short"));
    LabelAutoSizer::setRoom(window.onClosed, 0, 300);
    window.pages.show();
    window.pages.setCurrentIndex(1);
    EXPECT_EQ(window.onClosed->geometry(), QRect(QPoint(10, 10), window.onClosed->sizeHint()));
}

TEST(LabelAutoSizer, AHiddenLabelWhoseTextChangedIsSizedWhenShownAgain)
{
    TwoTabs window;
    auto* hidden = new QLabel(QStringLiteral("Short"), window.open);
    hidden->move(10, 40);
    LabelAutoSizer::watch(hidden);
    window.pages.show();
    ASSERT_EQ(hidden->size(), hidden->sizeHint());

    hidden->hide();
    hidden->setText(QStringLiteral("A much longer text set while the label was hidden"));
    // A visible sibling's new text makes the parent size its children again.
    window.onOpen->setText(QStringLiteral("Another caption, also longer than before"));
    QCoreApplication::sendPostedEvents();
    EXPECT_EQ(window.onOpen->size(), window.onOpen->sizeHint());

    hidden->show();
    EXPECT_EQ(hidden->size(), hidden->sizeHint());
    EXPECT_EQ(hidden->pos(), QPoint(10, 40));
}

TEST(LabelAutoSizer, EnsureSizedSizesAHiddenLabelWhoseTextChanged)
{
    TwoTabs window;
    window.pages.show();
    window.onOpen->hide();
    window.onOpen->setText(QStringLiteral("A text much longer than the one it was sized for"));
    QCoreApplication::sendPostedEvents();
    LabelAutoSizer::ensureSized(&window.pages);
    EXPECT_EQ(window.onOpen->size(), window.onOpen->sizeHint());
}

namespace {

// Counts the layout requests a widget receives.
class LayoutRequests : public QObject {
public:
    int count = 0;
    bool eventFilter(QObject*, QEvent* event) override
    {
        if (event->type() == QEvent::LayoutRequest)
            ++count;
        return false;
    }
};

}  // namespace

// A label with room is fitted on every layout request of its parent; a fit
// that itself posted the next request kept the program busy for as long as
// the live column showed data.
TEST(LabelAutoSizer, FittingALabelWithRoomDoesNotAskForTheNextFit)
{
    struct Case {
        const char* text;
        int roomRight;  // a narrow room wraps the text
    };
    for (const Case& c : {Case{"Start limiter = 5000 [RPM]", 400}, Case{"Start limiter = 5000 [RPM]", 60}}) {
        TwoTabs window;
        LabelAutoSizer::setRoom(window.onOpen, 0, c.roomRight);
        window.pages.show();
        LayoutRequests requests;
        window.open->installEventFilter(&requests);
        window.onOpen->setText(QString::fromLatin1(c.text));
        for (int turn = 0; turn < 20; ++turn)
            QCoreApplication::sendPostedEvents();
        EXPECT_LE(requests.count, 2) << c.roomRight;
        EXPECT_EQ(window.onOpen->wordWrap(), c.roomRight < 100) << c.roomRight;
        EXPECT_LE(window.onOpen->geometry().right(), c.roomRight) << c.roomRight;
    }
}

}  // namespace tarvel::test
