// Languages and printing on the main window itself: the language tables find
// their targets among its controls, the menu rewrites them, the live labels
// get their placeholders only while no unit answers, and Print and Print all
// go through the window's own commands into PDF files.
#include <QAction>
#include <QApplication>
#include <QDir>
#include <QEnterEvent>
#include <QGroupBox>
#include <QLabel>
#include <QMenu>
#include <QRegularExpression>
#include <QTabWidget>

#include "ShownCaption.h"
#include "WindowFixture.h"
#include "about/ManualLocation.h"
#include "lang/CaptionTable.h"
#include "lang/CaptionWriter.h"
#include "lang/HintText.h"
#include "present/LivePresenter.h"
#include "print/PdfPagePrinter.h"

namespace tarvel::test {

namespace {

QString q(std::string_view text)
{
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

const char* const kLanguageItems[] = {"MenuEnglish", "MenuGerman", "MenuFrench", "MenuCzech"};

}  // namespace

class Languages : public WindowFixture {
protected:
    using WindowFixture::choose;
    QString text(const char* name) const { return find<QLabel>(QString::fromLatin1(name))->text(); }
    void choose(Language language) { trigger(QString::fromLatin1(kLanguageItems[static_cast<int>(language)])); }
    // Ticks while the simulated unit's clock stands still, so that every
    // monitor frame carries the same values.
    void tickFrozen(int count)
    {
        for (int i = 0; i < count; ++i)
            window->Timer1Timer();
    }
    bool connectionLabelShown() const { return !find(QStringLiteral("LabelSpojeni"))->isHidden(); }
};

TEST_F(Languages, EveryTargetOfTheTablesIsAControlMenuItemOrListRowOfTheWindow)
{
    EXPECT_EQ(ui::CaptionWriter(*window).unplacedTargets(), QStringList());
    for (const ui::CaptionRow& row : ui::captionRows())
        EXPECT_EQ(window->findChildren<QObject*>(q(row.target)).size(), 1) << row.target;  // no namesake gets it
    for (const auto& rows : {present::captionPlaceholders(), present::messagePlaceholders()})
        for (const present::PlaceholderRow& row : rows)
            EXPECT_TRUE(window->findChild<QLabel*>(q(present::objectName(row.target)))) << present::objectName(row.target);

    tick(40);  // a unit answers: no placeholders over the captions
    ASSERT_FALSE(connectionLabelShown());
    for (Language language : {Language::German, Language::French, Language::Czech, Language::English}) {
        choose(language);
        for (const ui::CaptionRow& row : ui::captionRows())
            EXPECT_EQ(ui::test::shownCaption(*window, row), ui::test::expectedCaption(*window, row, language))
                << row.target << " row " << row.listRow << " in language " << static_cast<int>(language);
        EXPECT_EQ(window->windowTitle(), QStringLiteral("  Tarvel 3       "));
        for (int i = 0; i < kLanguageCount; ++i)
            EXPECT_EQ(action(QString::fromLatin1(kLanguageItems[i]))->isChecked(), i == static_cast<int>(language));
        // Every message of the table in the language chosen.
        const QString manual = ui::ManualPath(language, folder.path());
        for (const MessageRow& row : messageRows()) {
            QString expected = QString::fromUtf8(row.text[static_cast<int>(language)]);
            if (row.id == Msg::ManualUrl)
                expected = manual;
            else if (row.id == Msg::ManualOpenError)
                expected += manual + QStringLiteral(" !");
            EXPECT_EQ(QString::fromStdString(window->messages()[row.id]), expected)
                << row.text[0] << " in language " << static_cast<int>(language);
        }
        EXPECT_EQ(QString::fromStdString(window->messages()[Msg::PickUpSystemError]).size(), 40);
    }
}

TEST_F(Languages, AHandfulOfExactTextsPerLanguage)
{
    struct Case {
        Language language;
        const char* control;
        QString expected;
    };
    const Case cases[] = {
        {Language::English, "MenuExit", QStringLiteral("E&xit")},
        {Language::English, "LabelAdvance1", QStringLiteral("Advance 1 = --- [°]")},
        {Language::German, "MenuSave", QStringLiteral("&Speichern")},
        {Language::German, "LabelBike", QStringLiteral("Mottorad Type")},
        {Language::German, "LabelMonPilotLight", QStringLiteral("Schaltblitz - ---")},
        {Language::French, "MenuSave", QStringLiteral("&Mèmoriser")},
        {Language::French, "LabelPilotLight", QStringLiteral("Témoin de passage [rpm]")},
        {Language::French, "LabelBike", QStringLiteral("Motocycle type")},  // no stray "&" on a label
        {Language::French, "LabelMonPilotLight", QStringLiteral("Témoin de passage - ---")},
        {Language::French, "MenuCzech", QStringLiteral("&Tchèque")},
        {Language::French, "LabelGasD", QStringLiteral("Délai [ms]")},
        {Language::French, "LabelRetardD", QStringLiteral("Délai [ms]")},
        {Language::French, "LabelGasT", QStringLiteral("Temps de montée [ms]")},
        {Language::French, "LabelRetardT", QStringLiteral("Temps de montée [ms]")},
        {Language::French, "LabelTps1", QStringLiteral("0%")},  // not in the tables: its single text
        {Language::Czech, "ButtonRead", QStringLiteral("Čí&st")},
        {Language::Czech, "GroupBoxPalec2", QStringLiteral("Kanál 2")},
        {Language::Czech, "LabelMonSnimac2", QStringLiteral("Snímač (CKPS) 2 = ---")},
    };
    ASSERT_TRUE(connectionLabelShown());  // no frame yet: the placeholders are set
    for (const Case& c : cases) {
        choose(c.language);
        QObject* target = window->findChild<QObject*>(QString::fromLatin1(c.control));
        ASSERT_TRUE(target) << c.control;
        QString shown;
        if (auto* item = qobject_cast<QAction*>(target))
            shown = item->text();
        else if (auto* group = qobject_cast<QGroupBox*>(target))
            shown = group->title();
        else if (auto* button = qobject_cast<QAbstractButton*>(target))
            shown = button->text();
        else
            shown = qobject_cast<QLabel*>(target)->text();
        EXPECT_EQ(shown, c.expected) << c.control << " in language " << static_cast<int>(c.language);
    }
    choose(Language::French);
    EXPECT_EQ(find<QTabWidget>(QStringLiteral("PageControl1"))->tabText(2), QStringLiteral("&Avance carte"));
}

TEST_F(Languages, TheLoaderNoteIsCzechInCzechAndGoesWhenThePortComesBack)
{
    choose(Language::Czech);
    const int port = window->portIndex() + 1;
    window->deviceLink().loaderMessage(port, link::kLoaderResetRelease);
    tick(10);
    EXPECT_EQ(window->windowTitle(), QStringLiteral("  Tarvel 3            (Dočasně odpojeno bootloaderem)"));
    window->deviceLink().loaderMessage(port, link::kLoaderGiveBack);
    EXPECT_EQ(window->windowTitle(), QStringLiteral("  Tarvel 3       "));
    EXPECT_TRUE(action(QStringLiteral("MenuCzech"))->isChecked());
    EXPECT_EQ(find<QAction>(QStringLiteral("MenuSave"))->text(), QStringLiteral("&Uložit"));
}

TEST_F(Languages, SwitchingKeepsTheChosenRowsOfTheThreeLists)
{
    choose(QStringLiteral("ComboBoxBike"), 8);
    choose(QStringLiteral("ComboBoxNasobekPalcu"), 2);
    ASSERT_EQ(combo(QStringLiteral("ComboBoxNasobekPalcu"))->currentIndex(), 2);
    const int synchro = combo(QStringLiteral("ComboBoxSynchro"))->currentIndex();
    ASSERT_GE(synchro, 0);
    for (Language language : {Language::German, Language::French, Language::Czech, Language::English}) {
        choose(language);
        EXPECT_EQ(combo(QStringLiteral("ComboBoxBike"))->currentIndex(), 8);
        EXPECT_EQ(combo(QStringLiteral("ComboBoxSynchro"))->currentIndex(), synchro);
        EXPECT_EQ(combo(QStringLiteral("ComboBoxNasobekPalcu"))->currentIndex(), 2);
    }
    choose(Language::Czech);
    EXPECT_EQ(combo(QStringLiteral("ComboBoxNasobekPalcu"))->currentText(), QStringLiteral("3 zápaly za otáčku"));
}

TEST_F(Languages, PlaceholdersAreResetOnlyWhileNoUnitIsConnected)
{
    unit->unplugged = true;
    tick(31);
    ASSERT_TRUE(connectionLabelShown());
    choose(Language::German);
    EXPECT_EQ(text("LabelAdvance1"), QStringLiteral("Vorzündung 1 = --- [°]"));
    EXPECT_EQ(text("LabelAdvance4"), QStringLiteral("Vorzündung 4 = --- [°]"));
    EXPECT_EQ(text("LabelPocetProgramovani"), QStringLiteral("Programmierungsanzahl= ---"));
    EXPECT_EQ(text("LabelPriveraMer"), QStringLiteral("Servo gemessene= ---"));
    EXPECT_EQ(text("LabelMonStartLimiterRpm"), QStringLiteral("Start Begrenzer - ---"));
    EXPECT_EQ(text("LabelMonLimiterOut"), QStringLiteral("Begrenzer - ---"));

    unit->unplugged = false;
    tick(40);
    ASSERT_FALSE(connectionLabelShown());
    const QString pilot = text("LabelMonPilotLight");
    const QString servo = text("LabelPriveraPoz");
    const QString count = text("LabelPocetProgramovani");
    ASSERT_FALSE(pilot.contains(QStringLiteral("---")));
    choose(Language::French);
    // The captions of the first two advance labels, until the next frame.
    EXPECT_EQ(text("LabelAdvance1"), QStringLiteral("Avance [°]"));
    EXPECT_EQ(text("LabelAdvance2"), QStringLiteral("Avance [°]"));
    EXPECT_EQ(text("LabelMonPilotLight"), pilot);
    EXPECT_EQ(text("LabelPriveraPoz"), servo);
    EXPECT_EQ(text("LabelPocetProgramovani"), count);
}

TEST_F(Languages, TheNextMonitorFrameWritesOverCaptionsAndPlaceholdersEvenWithTheSameValues)
{
    tickFrozen(40);
    ASSERT_FALSE(connectionLabelShown());
    const QString advance = text("LabelAdvance1");
    const QString pilot = text("LabelMonPilotLight");
    ASSERT_TRUE(advance.startsWith(QStringLiteral("Advance = ")));

    choose(Language::English);  // the language in force: the caption replaces the value
    EXPECT_EQ(text("LabelAdvance1"), QStringLiteral("Advance [°]"));
    tickFrozen(12);
    EXPECT_EQ(text("LabelAdvance1"), advance);

    unit->unplugged = true;
    tickFrozen(60);
    ASSERT_TRUE(connectionLabelShown());
    choose(Language::German);
    choose(Language::English);
    EXPECT_EQ(text("LabelMonPilotLight"), QStringLiteral("Gear Shift Light - ---"));
    unit->unplugged = false;
    tickFrozen(40);
    ASSERT_FALSE(connectionLabelShown());
    EXPECT_EQ(text("LabelAdvance1"), advance);
    EXPECT_EQ(text("LabelMonPilotLight"), pilot);
}

TEST_F(Languages, TheStatusBarOverLabelRpm1ShowsTheLongPartOfItsHint)
{
    window->show();
    auto* panel = find<QLabel>(QStringLiteral("StatusBarPanel"));
    auto hover = [&] {
        QEnterEvent leave(QPointF(1, 1), QPointF(1, 1), QPointF(1, 1));
        QApplication::sendEvent(find(QStringLiteral("EditOmez2")), &leave);
        QEnterEvent enter(QPointF(1, 1), QPointF(1, 1), QPointF(1, 1));
        QApplication::sendEvent(find(QStringLiteral("LabelRpm1")), &enter);
        return panel->text();
    };
    EXPECT_EQ(hover(), QStringLiteral("Speed - Round per Minute"));
    choose(Language::German);
    EXPECT_EQ(hover(), QStringLiteral("Umdrehungen pro Minute"));
    choose(Language::French);
    EXPECT_EQ(hover(), QStringLiteral("Tours minute"));
    choose(Language::Czech);
    EXPECT_EQ(hover(), QStringLiteral("Rychlost - Otáčky za minutu"));
}

// The language word of the command line rules the very first captions.
class StartedInCzech : public Languages {
protected:
    void prepareFolder() override { writeFile(QStringLiteral("tarvel3"), "[FORM_HLAV]\r\nLanguage=1\r\n"); }
    QStringList arguments() const override { return {QStringLiteral("CESKY")}; }
};

TEST_F(StartedInCzech, CaptionsMessagesAndPlaceholdersAreCzechFromTheStart)
{
    EXPECT_EQ(window->language(), 3);
    EXPECT_TRUE(action(QStringLiteral("MenuCzech"))->isChecked());
    EXPECT_FALSE(action(QStringLiteral("MenuGerman"))->isChecked());
    EXPECT_EQ(action(QStringLiteral("MenuOpen"))->text(), QStringLiteral("&Otevřít"));
    EXPECT_EQ(text("LabelAdvance1"), QStringLiteral("Předstih 1 = --- [°]"));
    // Words that only Apply captions puts into the message table.
    EXPECT_EQ(text("LabelMonStartLimiterOut"), QStringLiteral("Startovací omezovač - ---"));
    EXPECT_EQ(text("LabelMonLimiterOut"), QStringLiteral("Omezovač - ---"));
    EXPECT_EQ(window->messages()[Msg::ComOpeningError], "Chyba při otevírání portu Com!");
    EXPECT_EQ(window->windowTitle(), QStringLiteral("  Tarvel 3       "));
    window->close();
    EXPECT_TRUE(readFile(QStringLiteral("tarvel3")).contains("Language=3"));
}

// ---- Printing ----------------------------------------------------------------

namespace {

// Prints into PDF files and notes what the window looked like at each page.
class WatchingPrinter : public ui::PdfPagePrinter {
public:
    WatchingPrinter(QString folder, QWidget& window) : PdfPagePrinter(std::move(folder)), window_(window) {}
    QStringList seen;

    bool printPage(const QImage& picture) override
    {
        auto shown = [this](const char* name) {
            auto* w = window_.findChild<QWidget*>(QString::fromLatin1(name));
            return w && !w->isHidden();
        };
        auto* status = window_.findChild<QLabel*>(QStringLiteral("LabelHlaseni"));
        auto* tabs = window_.findChild<QTabWidget*>(QStringLiteral("PageControl1"));
        QStringList visibleTabs;
        for (int i = 0; i < tabs->count(); ++i)
            if (tabs->isTabVisible(i))
                visibleTabs << tabs->widget(i)->objectName();
        seen << QStringLiteral("%1|%2|%3|spojeni %4|toolbar %5|statusbar %6|window %7|%8")
                    .arg(status->text().left(28), shown("LabelHlaseni") ? "shown" : "hidden",
                         status->palette().color(QPalette::Window).name(), shown("LabelSpojeni") ? "shown" : "hidden",
                         shown("GroupBoxToolBar") ? "shown" : "hidden", shown("StatusBar1") ? "shown" : "hidden",
                         window_.palette().color(QPalette::Window).name(), visibleTabs.join(u' '));
        return PdfPagePrinter::printPage(picture);
    }

private:
    QWidget& window_;
};

}  // namespace

class Printing : public WindowFixture {
protected:
    void SetUp() override
    {
        WindowFixture::SetUp();
        auto watching = std::make_unique<WatchingPrinter>(folder.path() + QStringLiteral("/pages"), *window);
        QDir(folder.path()).mkdir(QStringLiteral("pages"));
        printer = watching.get();
        window->setPagePrinter(std::move(watching));
        tabs = find<QTabWidget>(QStringLiteral("PageControl1"));
        // No unit answers: "No connection with PC" shows.
        unit->unplugged = true;
        tick(31);
        ASSERT_FALSE(find(QStringLiteral("LabelSpojeni"))->isHidden());
    }
    QLabel* status() const { return find<QLabel>(QStringLiteral("LabelHlaseni")); }
    void expectOnePagePerJob(int jobs) const
    {
        ASSERT_EQ(printer->jobs().size(), jobs);
        for (const auto& job : printer->jobs())
            EXPECT_EQ(ui::PdfPagePrinter::countPages(job.file), 1) << job.file.toStdString();
    }
    // The window as print commands may change it.
    QString windowState() const
    {
        QStringList visibleTabs;
        for (int i = 0; i < tabs->count(); ++i)
            visibleTabs << QString::number(tabs->isTabVisible(i));
        return QStringLiteral("%1|%2|%3|%4|%5|%6|%7|%8")
            .arg(status()->text(), QString::number(status()->isHidden()),
                 status()->palette().color(QPalette::Window).name(),
                 QString::number(find(QStringLiteral("LabelSpojeni"))->isHidden()),
                 QString::number(find(QStringLiteral("GroupBoxToolBar"))->isHidden()),
                 QString::number(tabs->currentIndex()), visibleTabs.join(QString()),
                 QString::number(window->deviceLink().status().messageTicks));
    }

    WatchingPrinter* printer = nullptr;
    QTabWidget* tabs = nullptr;
};

TEST_F(Printing, AWindowSmallerThanItsDesignPrintsTheWholeClientArea)
{
    // A small screen: the client area scrolls inside the window.
    window->show();
    window->resize(600, 400);
    QApplication::processEvents();
    trigger(QStringLiteral("MenuPrint"));
    expectOnePagePerJob(1);
    EXPECT_EQ(printer->jobs().front().pictureSize, QSize(934, 753));
}

TEST_F(Printing, PrintIsOneJobOfOnePageAndTheHeaderStaysForTheCountdown)
{
    tabs->setCurrentIndex(2);
    trigger(QStringLiteral("MenuPrint"));
    expectOnePagePerJob(1);
    EXPECT_EQ(printer->jobs().front().pictureSize, window->centralWidget()->size());
    ASSERT_EQ(printer->seen.size(), 1);
    EXPECT_EQ(printer->seen.front(),
              QStringLiteral("Date and time of printing:  |shown|#ffffff|spojeni hidden|toolbar hidden|statusbar "
                             "hidden|window #ffffff|TabSheetRuzne TabSheetBike TabSheetAdvance TabSheetServo "
                             "TabSheet_Gas"));
    EXPECT_TRUE(dialogs->messages.isEmpty());

    // The header: the message, the short date, four blanks, the long time.
    const QString header = status()->text();
    EXPECT_TRUE(QRegularExpression(QStringLiteral("^Date and time of printing:  \\S+    \\d{1,2}:\\d\\d:\\d\\d"))
                    .match(header)
                    .hasMatch())
        << header.toStdString();
    EXPECT_FALSE(window->printing());
    EXPECT_EQ(tabs->currentIndex(), 2);
    EXPECT_FALSE(find(QStringLiteral("GroupBoxToolBar"))->isHidden());
    EXPECT_NE(status()->palette().color(QPalette::Window), QColor(Qt::white));
    EXPECT_NE(window->palette().color(QPalette::Window), QColor(Qt::white));

    // The countdown keeps the header on show for 200 ticks, and the silent
    // link brings "No connection with PC" back at once.
    tick(1);
    EXPECT_EQ(status()->text(), header);
    EXPECT_FALSE(status()->isHidden());
    EXPECT_FALSE(find(QStringLiteral("LabelSpojeni"))->isHidden());
    tick(199);
    EXPECT_EQ(status()->text(), header);
    EXPECT_FALSE(status()->isHidden());
    tick(1);
    EXPECT_TRUE(status()->isHidden());
}

TEST_F(Printing, PrintAllIsFiveJobsOfOnePageOneTabEachAndRestoresTheWindow)
{
    tabs->setCurrentIndex(3);
    const QString before = windowState();
    window->setCurrentFileName(QStringLiteral("/work/a.ign"));
    trigger(QStringLiteral("MenuPrintAll"));
    expectOnePagePerJob(5);
    const char* order[] = {"TabSheetRuzne", "TabSheetBike", "TabSheetAdvance", "TabSheetServo", "TabSheet_Gas"};
    ASSERT_EQ(printer->seen.size(), 5);
    for (int i = 0; i < 5; ++i)
        EXPECT_TRUE(
            printer->seen[i].endsWith(QStringLiteral("|toolbar hidden|statusbar hidden|window #ffffff|") + order[i]))
            << printer->seen[i].toStdString();
    for (const QString& page : printer->seen)
        EXPECT_TRUE(page.startsWith(QStringLiteral("Date and time of printing:  |shown|#ffffff|spojeni hidden")));

    EXPECT_FALSE(window->printing());
    EXPECT_EQ(tabs->currentIndex(), 3);
    for (int i = 0; i < tabs->count(); ++i)
        EXPECT_TRUE(tabs->isTabVisible(i)) << i;
    EXPECT_FALSE(find(QStringLiteral("GroupBoxToolBar"))->isHidden());
    EXPECT_FALSE(find(QStringLiteral("StatusBar1"))->isHidden());
    EXPECT_TRUE(status()->text().startsWith(QStringLiteral("Date and time of printing:  ")));
    EXPECT_NE(windowState(), before);
    EXPECT_TRUE(dialogs->messages.isEmpty());
    tick(1);
    EXPECT_FALSE(status()->isHidden());
    EXPECT_TRUE(status()->text().startsWith(QStringLiteral("Date and time of printing:  ")));
}

TEST_F(Printing, WithoutAPrinterTheUserIsToldAndTheWindowIsLeftAsItWas)
{
    printer->setAvailable(false);
    tabs->setCurrentIndex(4);
    const QString before = windowState();
    trigger(QStringLiteral("MenuPrint"));
    EXPECT_EQ(windowState(), before);
    trigger(QStringLiteral("MenuPrintAll"));
    EXPECT_EQ(windowState(), before);
    trigger(QStringLiteral("MenuGerman"));
    find<QAbstractButton>(QStringLiteral("SpeedButtonPrint"))->click();
    EXPECT_EQ(dialogs->messages,
              QStringList({QStringLiteral("No printer is installed on this computer. Nothing was printed."),
                           QStringLiteral("No printer is installed on this computer. Nothing was printed."),
                           QStringLiteral("Auf diesem Computer ist kein Drucker eingerichtet. Es wurde nichts "
                                          "gedruckt.")}));
    EXPECT_TRUE(printer->jobs().isEmpty());
    EXPECT_TRUE(QDir(folder.path() + QStringLiteral("/pages")).isEmpty());
    EXPECT_FALSE(window->printing());
}

TEST_F(Printing, AJobFailingPartWayIsReportedAndTheWindowIsRestored)
{
    tabs->setCurrentIndex(1);
    printer->failFromJob(3);
    trigger(QStringLiteral("MenuPrintAll"));
    EXPECT_EQ(printer->jobs().size(), 2);
    EXPECT_EQ(dialogs->messages, QStringList({QStringLiteral("Printing failed. (job 3 refused)")}));
    EXPECT_FALSE(window->printing());
    EXPECT_EQ(tabs->currentIndex(), 1);
    for (int i = 0; i < tabs->count(); ++i)
        EXPECT_TRUE(tabs->isTabVisible(i)) << i;
    EXPECT_FALSE(find(QStringLiteral("GroupBoxToolBar"))->isHidden());
}

}  // namespace tarvel::test
