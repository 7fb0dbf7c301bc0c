// Print and Print all: the order of the steps around the printing flag, five
// jobs of one page for Print all, the window restored afterwards, and a window
// left untouched when there is no printer.
#include <gtest/gtest.h>

#include <QApplication>
#include <QDir>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QPrinter>
#include <QProcess>
#include <QProgressBar>
#include <QPushButton>
#include <QStandardPaths>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QTest>

#include "QStringPrinter.h"
#include "StandInWindow.h"
#include "ui/print/PageFit.h"
#include "ui/print/PdfPagePrinter.h"
#include "ui/print/PrintCommands.h"
#include "ui/print/PrintHeader.h"
#include "ui/print/SystemPagePrinter.h"
#include "ui/print/WidgetPrintWindow.h"

using namespace tarvel;
using namespace tarvel::ui;
using tarvel::ui::test::StandInWindow;

namespace {

// Records every call; the picture it hands out names the visible tabs.
class RecordingWindow : public PrintWindow {
public:
    QStringList log;
    bool printing = false;
    int open = 2;
    bool visible[kPrintTabCount] = {true, true, true, true, true};

    QString visibleTabs() const
    {
        QString tabs;
        for (int tab = 0; tab < kPrintTabCount; ++tab)
            if (visible[tab])
                tabs += QString::number(tab);
        return tabs;
    }

    QImage captureClientArea() override
    {
        log << QStringLiteral("capture open=%1 visible=%2 printing=%3").arg(open).arg(visibleTabs()).arg(printing);
        QImage picture(934, 772, QImage::Format_RGB32);
        picture.fill(Qt::white);
        return picture;
    }
    void setPrinting(bool on) override
    {
        printing = on;
        log << QStringLiteral("printing %1").arg(on);
    }
    void applyRules() override { log << QStringLiteral("rules"); }
    void showPrintHeader(const QString& header) override { log << QStringLiteral("header ") + header; }
    void restoreStatusBackground() override { log << QStringLiteral("face"); }
    void setMessageTicks(int ticks) override { log << QStringLiteral("ticks %1").arg(ticks); }
    void hideProgressGauge() override { log << QStringLiteral("gauge hidden"); }
    void focusVerifyButton() override { log << QStringLiteral("focus verify"); }
    int openTab() const override { return open; }
    void openTabAt(int tab) override { open = tab; }
    void setTabVisible(int tab, bool shown) override { visible[tab] = shown; }
};

class PrintTest : public ::testing::Test {
protected:
    QTemporaryDir folder;
    PdfPagePrinter printer{folder.path()};
    RecordingWindow window;
    PrintCommands commands{window, printer};

    void expectOnePagePerJob(int jobs)
    {
        ASSERT_EQ(printer.jobs().size(), jobs);
        for (const auto& job : printer.jobs())
            EXPECT_EQ(PdfPagePrinter::countPages(job.file), 1) << job.file.toStdString();
    }
};

}  // namespace

TEST_F(PrintTest, PrintIsOneJobOfOnePageBetweenTheRules)
{
    EXPECT_EQ(commands.printOpenTab("Date and time of printing:  x"), PrintOutcome::Printed);
    expectOnePagePerJob(1);
    EXPECT_EQ(window.log, QStringList({"header Date and time of printing:  x", "ticks 200", "gauge hidden",
                                       "printing 1", "focus verify", "rules", "capture open=2 visible=01234 printing=1",
                                       "printing 0", "rules", "face"}));
    EXPECT_EQ(printer.jobs().front().pictureSize, QSize(934, 772));
}

TEST_F(PrintTest, PrintAllPrintsEachTabAloneInOrderAndRestoresTheTabs)
{
    window.open = 3;
    EXPECT_EQ(commands.printAllTabs("h"), PrintOutcome::Printed);
    expectOnePagePerJob(5);
    QStringList captures = window.log.filter("capture");
    EXPECT_EQ(captures, QStringList({"capture open=0 visible=0 printing=1", "capture open=1 visible=1 printing=1",
                                     "capture open=2 visible=2 printing=1", "capture open=3 visible=3 printing=1",
                                     "capture open=4 visible=4 printing=1"}));
    EXPECT_EQ(window.log.first(), "focus verify");
    EXPECT_EQ(window.log.mid(window.log.size() - 3), QStringList({"printing 0", "rules", "face"}));
    EXPECT_EQ(window.log.count("rules"), 6);  // before each page, and once after
    EXPECT_EQ(window.visibleTabs(), "01234");
    EXPECT_EQ(window.open, 3);
    EXPECT_FALSE(window.printing);
}

TEST_F(PrintTest, WithoutAPrinterNothingIsTouched)
{
    printer.setAvailable(false);
    EXPECT_EQ(commands.printOpenTab("h"), PrintOutcome::NoPrinter);
    EXPECT_EQ(commands.printAllTabs("h"), PrintOutcome::NoPrinter);
    EXPECT_TRUE(window.log.isEmpty());
    EXPECT_TRUE(printer.jobs().isEmpty());
    EXPECT_TRUE(QDir(folder.path()).isEmpty());
}

TEST_F(PrintTest, ACancelledPrintDialogLeavesTheWindowUntouched)
{
    class Cancelling : public PdfPagePrinter {
    public:
        using PdfPagePrinter::PdfPagePrinter;
        QVector<int> asked;
        bool choose(int pages) override
        {
            asked << pages;
            return false;
        }
    } cancelling(folder.path());
    PrintCommands cancelled(window, cancelling);
    EXPECT_EQ(cancelled.printOpenTab("h"), PrintOutcome::Cancelled);
    EXPECT_EQ(cancelled.printAllTabs("h"), PrintOutcome::Cancelled);
    EXPECT_EQ(cancelling.asked, (QVector<int>{1, 5}));  // asked once per command, with its page count
    EXPECT_TRUE(window.log.isEmpty());
    EXPECT_TRUE(cancelling.jobs().isEmpty());
}

TEST_F(PrintTest, AJobFailingPartWayStillRestoresTheWindow)
{
    window.open = 1;
    printer.failFromJob(3);
    EXPECT_EQ(commands.printAllTabs("h"), PrintOutcome::Failed);
    EXPECT_EQ(printer.jobs().size(), 2);
    EXPECT_EQ(window.log.filter("capture").size(), 3);  // no pages after the failure
    EXPECT_EQ(window.visibleTabs(), "01234");
    EXPECT_EQ(window.open, 1);
    EXPECT_FALSE(window.printing);
    EXPECT_EQ(window.log.last(), "face");
}

TEST(PageFit, PictureAsLargeAsFitsWithItsProportions)
{
    struct Case {
        QSize picture;
        QRect page;
        QRect expected;
    };
    const Case cases[] = {
        {{934, 772}, {0, 0, 1000, 1400}, {0, 0, 1000, 826}},   // portrait page: width-bound
        {{934, 772}, {0, 0, 1400, 1000}, {0, 0, 1209, 1000}},  // landscape page: height-bound
        {{100, 50}, {10, 20, 300, 150}, {10, 20, 300, 150}},   // same proportions, page offset kept
        {{0, 0}, {0, 0, 100, 100}, {0, 0, 0, 0}},              // nothing to draw
    };
    for (const Case& c : cases)
        EXPECT_EQ(FitPicture(c.picture, c.page), c.expected) << c.picture.width() << "x" << c.picture.height();
}

TEST(PrintHeaderText, PrefixShortDateFourBlanksLongTime)
{
    const QDateTime when(QDate(2015, 8, 14), QTime(10, 42, 29));
    EXPECT_EQ(PrintHeader("Date and time of printing:  ", when, QLocale(QLocale::English, QLocale::UnitedStates)),
              "Date and time of printing:  8/14/15    10:42:29 AM");
    EXPECT_EQ(PrintHeader("Datum a čas tisku:  ", when, QLocale(QLocale::Czech, QLocale::CzechRepublic)),
              "Datum a čas tisku:  14.08.15    10:42:29");
    EXPECT_EQ(PrintHeader("Zeitpunkt des Ausdruckes   ", when, QLocale(QLocale::German, QLocale::Germany)),
              "Zeitpunkt des Ausdruckes   14.08.15    10:42:29");
}

TEST(PrintHeaderText, ProblemMessagesInEveryLanguage)
{
    EXPECT_EQ(PrintProblemText(true, Language::English, {}),
              "No printer is installed on this computer. Nothing was printed.");
    EXPECT_EQ(PrintProblemText(true, Language::Czech, "x"),
              "Na tomto počítači není nainstalována žádná tiskárna. Nic nebylo vytištěno.");
    EXPECT_EQ(PrintProblemText(false, Language::German, "Laser"), "Der Druck ist fehlgeschlagen. (Laser)");
    EXPECT_EQ(PrintProblemText(false, Language::French, {}), "L'impression a échoué.");
}

namespace {

// The print commands on a widget tree: what a page shows and what is left.
class WidgetPrintTest : public ::testing::Test {
protected:
    StandInWindow form;
    QTemporaryDir folder;
    PdfPagePrinter printer{folder.path()};
    bool printing = false;
    int messageTicks = 0;
    int rulesApplied = 0;
    WidgetPrintWindow window{
        WidgetPrintWindow::Parts{.clientArea = form.centralWidget(),
                                 .status = form.get<QLabel>("LabelHlaseni"),
                                 .connection = form.get<QWidget>("LabelSpojeni"),
                                 .gauge = form.get<QWidget>("CGaugeProgram"),
                                 .verify = form.get<QWidget>("BitBtnVerify"),
                                 .pages = form.pages,
                                 .tabPages = {form.get<QWidget>("TabSheetRuzne"), form.get<QWidget>("TabSheetBike"),
                                              form.get<QWidget>("TabSheetAdvance"), form.get<QWidget>("TabSheetServo"),
                                              form.get<QWidget>("TabSheet_Gas")}},
        {[this](bool on) { printing = on; }, [this] { ++rulesApplied; }, [this](int ticks) { messageTicks = ticks; }}};
    PrintCommands commands{window, printer};

    QLabel* status() { return form.get<QLabel>("LabelHlaseni"); }
    QWidget* connection() { return form.get<QWidget>("LabelSpojeni"); }

    void SetUp() override
    {
        form.resize(700, 500);
        status()->setText("Read: OK");
        connection()->show();
        form.pages->setCurrentIndex(2);
    }
};

// Looks at the window while a page is printed.
class WatchingPrinter : public PagePrinter {
public:
    WatchingPrinter(PagePrinter& inner, StandInWindow& form) : inner_(inner), form_(form) {}
    QStringList seen;

    bool available() const override { return inner_.available(); }
    QString lastError() const override { return inner_.lastError(); }
    bool printPage(const QImage& picture) override
    {
        auto* status = form_.get<QLabel>("LabelHlaseni");
        QString visibleTabs;
        for (int i = 0; i < form_.pages->count(); ++i)
            if (form_.pages->isTabVisible(i))
                visibleTabs += form_.pages->widget(i)->objectName() + ' ';
        seen << QStringLiteral("%1|%2|%3|%4")
                    .arg(status->text(), status->isHidden() ? "hidden" : "shown",
                         status->palette().color(QPalette::Window).name(), visibleTabs.trimmed());
        return inner_.printPage(picture);
    }

private:
    PagePrinter& inner_;
    StandInWindow& form_;
};

}  // namespace

TEST_F(WidgetPrintTest, PrintShowsTheHeaderOnWhiteAndLeavesItForTheCountdown)
{
    WatchingPrinter watching(printer, form);
    PrintCommands watched(window, watching);
    form.get<QProgressBar>("CGaugeProgram")->show();
    EXPECT_EQ(watched.printOpenTab("Date and time of printing:  8/14/15    10:42:29 AM"), PrintOutcome::Printed);
    ASSERT_EQ(watching.seen.size(), 1);
    EXPECT_EQ(watching.seen.front(),
              "Date and time of printing:  8/14/15    10:42:29 AM|shown|#ffffff|"
              "TabSheetRuzne TabSheetBike TabSheetAdvance TabSheetServo TabSheet_Gas");
    EXPECT_EQ(PdfPagePrinter::countPages(printer.jobs().front().file), 1);
    EXPECT_EQ(printer.jobs().front().pictureSize, form.centralWidget()->size());

    EXPECT_FALSE(status()->isHidden());
    EXPECT_EQ(status()->palette().color(QPalette::Window), QApplication::palette().color(QPalette::Button));
    EXPECT_TRUE(connection()->isHidden());
    EXPECT_TRUE(form.get<QWidget>("CGaugeProgram")->isHidden());
    EXPECT_EQ(messageTicks, kPrintMessageTicks);
    EXPECT_FALSE(printing);
    EXPECT_EQ(rulesApplied, 2);
}

TEST_F(WidgetPrintTest, NeitherTheFocusNorAnEditsSelectionIsOnThePicture)
{
    auto* edit = new QLineEdit(QStringLiteral("15000"), form.centralWidget());
    edit->setGeometry(10, 10, 120, 24);
    form.show();
    form.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&form));
    edit->setFocus(Qt::TabFocusReason);  // as the Tab key does: all text selected
    ASSERT_TRUE(edit->hasFocus());
    ASSERT_EQ(edit->selectedText(), QStringLiteral("15000"));

    const QImage picture = window.captureClientArea();
    const QColor highlight = edit->palette().color(QPalette::Active, QPalette::Highlight);
    int highlighted = 0;
    const QRect box = edit->geometry();
    for (int y = box.top(); y <= box.bottom(); ++y)
        for (int x = box.left(); x <= box.right(); ++x)
            if (picture.pixelColor(x, y) == highlight)
                ++highlighted;
    EXPECT_EQ(highlighted, 0) << "selection or focus frame on the picture";

    // The user's edit is as it was, and was not told it lost the focus.
    EXPECT_TRUE(edit->hasFocus());
    EXPECT_EQ(edit->selectedText(), QStringLiteral("15000"));
    form.hide();
}

TEST_F(WidgetPrintTest, ThePictureIsWhiteWhereTheWindowIsGrey)
{
    // A switch painted in the window's face colour, as the rules do, and one in red.
    auto patch = [&](QColor colour, QRect where) {
        auto* label = new QLabel(form.centralWidget());
        QPalette palette = label->palette();
        palette.setColor(QPalette::Window, colour);
        label->setPalette(palette);
        label->setAutoFillBackground(true);
        label->setGeometry(where);
        return label;
    };
    const QColor face = QApplication::palette().color(QPalette::Window);
    ASSERT_NE(face, QColor(Qt::white));
    patch(face, {10, 10, 60, 20});
    patch(Qt::red, {100, 10, 60, 20});
    patch(QColor(0xf8, 0xf8, 0xf8), {200, 10, 60, 20});  // a group box's lighter grey
    patch(QColor(0x80, 0x80, 0x80), {300, 10, 60, 20});  // a dark grey, like a frame

    const QImage picture = window.captureClientArea();
    EXPECT_EQ(picture.pixelColor(40, 20), QColor(Qt::white));
    EXPECT_EQ(picture.pixelColor(130, 20), QColor(Qt::red));
    EXPECT_EQ(picture.pixelColor(230, 20), QColor(Qt::white));
    EXPECT_EQ(picture.pixelColor(330, 20), QColor(0x80, 0x80, 0x80));
    EXPECT_EQ(picture.size(), form.centralWidget()->size());
}

TEST_F(WidgetPrintTest, PrintAllGivesFiveSinglePageJobsOneTabEachAndReopensTheTab)
{
    WatchingPrinter watching(printer, form);
    PrintCommands watched(window, watching);
    EXPECT_EQ(watched.printAllTabs("h"), PrintOutcome::Printed);
    ASSERT_EQ(watching.seen.size(), 5);
    const char* tabs[] = {"TabSheetRuzne", "TabSheetBike", "TabSheetAdvance", "TabSheetServo", "TabSheet_Gas"};
    for (int i = 0; i < 5; ++i)
        EXPECT_EQ(watching.seen[i], QStringLiteral("h|shown|#ffffff|") + tabs[i]);
    ASSERT_EQ(printer.jobs().size(), 5);
    for (const auto& job : printer.jobs())
        EXPECT_EQ(PdfPagePrinter::countPages(job.file), 1);
    for (int i = 0; i < form.pages->count(); ++i)
        EXPECT_TRUE(form.pages->isTabVisible(i)) << i;
    EXPECT_EQ(form.pages->currentIndex(), 2);
    EXPECT_FALSE(printing);
}

TEST_F(WidgetPrintTest, NoPrinterLeavesTheWindowExactlyAsItWas)
{
    printer.setAvailable(false);
    const QPalette statusColours = status()->palette();
    EXPECT_EQ(commands.printOpenTab("h"), PrintOutcome::NoPrinter);
    EXPECT_EQ(commands.printAllTabs("h"), PrintOutcome::NoPrinter);
    EXPECT_EQ(status()->text(), "Read: OK");
    EXPECT_TRUE(status()->isHidden());
    EXPECT_EQ(status()->palette(), statusColours);
    EXPECT_FALSE(connection()->isHidden());
    EXPECT_EQ(form.pages->currentIndex(), 2);
    EXPECT_EQ(messageTicks, 0);
    EXPECT_EQ(rulesApplied, 0);
    EXPECT_TRUE(QDir(folder.path()).isEmpty());
}

// ---- The system printer path, with a PDF file chosen in place of the dialog ----

namespace {

// Renders page `page` (1-based) of a PDF file at `dpi` with poppler's pdftoppm.
QImage renderPdfPage(const QString& pdf, int page, int dpi)
{
    const QString tool = QStandardPaths::findExecutable(QStringLiteral("pdftoppm"));
    if (tool.isEmpty())
        return {};
    QProcess run;
    run.start(tool, {QStringLiteral("-r"), QString::number(dpi), QStringLiteral("-f"), QString::number(page),
                     QStringLiteral("-l"), QString::number(page), QStringLiteral("-png"), QStringLiteral("-singlefile"),
                     pdf, pdf + QStringLiteral(".page")});
    if (!run.waitForFinished(30000) || run.exitCode() != 0)
        return {};
    return QImage(pdf + QStringLiteral(".page.png"));
}

// The smallest rectangle of the page holding everything that is not white.
QRect inkedBox(const QImage& page)
{
    int left = page.width(), top = page.height(), right = -1, bottom = -1;
    for (int y = 0; y < page.height(); ++y)
        for (int x = 0; x < page.width(); ++x)
            if (page.pixelColor(x, y).lightness() < 250) {
                left = std::min(left, x);
                right = std::max(right, x);
                top = std::min(top, y);
                bottom = std::max(bottom, y);
            }
    return QRect(QPoint(left, top), QPoint(right, bottom));
}

}  // namespace

TEST_F(PrintTest, SystemPrinterMakesOneDocumentPerCommandWithTheChosenCopies)
{
    struct Case {
        int copies;
        bool allTabs;
        int pages;
    };
    const Case cases[] = {{1, false, 1}, {1, true, 5}, {2, true, 10}, {3, false, 3}};
    int n = 0;
    for (const Case& c : cases) {
        const QString file = folder.filePath(QStringLiteral("out-%1.pdf").arg(++n));
        int askedPages = 0;
        SystemPagePrinter system(nullptr, [&](QPrinter& printer, int pages) {
            askedPages = pages;
            printer.setOutputFormat(QPrinter::PdfFormat);
            printer.setOutputFileName(file);
            printer.setCopyCount(c.copies);
            return true;
        });
        EXPECT_TRUE(system.available());  // a PDF file can always be chosen
        PrintCommands viaSystem(window, system);
        EXPECT_EQ(c.allTabs ? viaSystem.printAllTabs("h") : viaSystem.printOpenTab("h"), PrintOutcome::Printed);
        EXPECT_EQ(askedPages, c.allTabs ? 5 : 1);
        EXPECT_EQ(PdfPagePrinter::countPages(file), c.pages) << c.copies << " copies";
    }
}

TEST_F(PrintTest, ThePagePictureFillsThePrintableWidthOnWhite)
{
    for (const auto orientation : {QPageLayout::Portrait, QPageLayout::Landscape}) {
        const QString file = folder.filePath(QStringLiteral("page-%1.pdf").arg(int(orientation)));
        QRectF paint;  // the printable area in points
        QSizeF paper;
        SystemPagePrinter system(nullptr, [&](QPrinter& printer, int) {
            printer.setOutputFormat(QPrinter::PdfFormat);
            printer.setOutputFileName(file);
            printer.setPageSize(QPageSize(QPageSize::A4));
            printer.setPageOrientation(orientation);
            paint = printer.pageLayout().paintRect(QPageLayout::Point);
            paper = printer.pageLayout().fullRect(QPageLayout::Point).size();
            return true;
        });
        // A window picture that is dark grey to its edges.
        class Grey : public RecordingWindow {
        public:
            QImage captureClientArea() override
            {
                QImage picture(934, 772, QImage::Format_RGB32);
                picture.fill(QColor(60, 60, 60));
                return picture;
            }
        } grey;
        PrintCommands viaSystem(grey, system);
        ASSERT_EQ(viaSystem.printOpenTab("h"), PrintOutcome::Printed);

        constexpr int dpi = 36;  // half a point per pixel
        const QImage page = renderPdfPage(file, 1, dpi);
        if (page.isNull())
            GTEST_SKIP() << "pdftoppm (poppler-utils) is needed to look at the page";
        const double scale = dpi / 72.0;
        EXPECT_NEAR(page.width(), paper.width() * scale, 1.5);
        const QRect ink = inkedBox(page);
        // Portrait: the picture spans the printable width. Landscape: the
        // page is too low for that; the picture fills the height instead.
        EXPECT_NEAR(ink.left(), paint.left() * scale, 1.5);
        EXPECT_NEAR(ink.top(), paint.top() * scale, 1.5);
        if (orientation == QPageLayout::Portrait) {
            EXPECT_NEAR(ink.right() + 1, paint.right() * scale, 1.5);
        } else {
            EXPECT_NEAR(ink.bottom() + 1, paint.bottom() * scale, 1.5);
            EXPECT_LE(ink.right() + 1, paint.right() * scale + 1.5);
        }
        // Around the picture the paper stays white.
        EXPECT_EQ(page.pixelColor(0, 0), QColor(Qt::white));
        EXPECT_EQ(page.pixelColor(page.width() - 1, page.height() - 1), QColor(Qt::white));
    }
}
