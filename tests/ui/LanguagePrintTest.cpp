// The language menu and the print commands as the window wires them.
#include <QLabel>
#include <QTabWidget>

#include "WindowFixture.h"
#include "print/PdfPagePrinter.h"

namespace tarvel::test {

using LanguageAndPrint = WindowFixture;

TEST_F(LanguageAndPrint, LanguageMenuRewritesCaptionsAndKeepsTheListRows)
{
    choose(QStringLiteral("ComboBoxBike"), 8);
    trigger(QStringLiteral("MenuGerman"));
    EXPECT_EQ(window->language(), 1);
    EXPECT_EQ(action(QStringLiteral("MenuSave"))->text(), QStringLiteral("&Speichern"));
    EXPECT_EQ(combo(QStringLiteral("ComboBoxBike"))->currentIndex(), 8);
    EXPECT_TRUE(action(QStringLiteral("MenuGerman"))->isChecked());
    EXPECT_FALSE(action(QStringLiteral("MenuEnglish"))->isChecked());
    trigger(QStringLiteral("MenuEnglish"));
    EXPECT_EQ(action(QStringLiteral("MenuSave"))->text(), QStringLiteral("&Save"));
}

TEST_F(LanguageAndPrint, PrintAllPrintsFiveTabsAndRestoresTheWindow)
{
    auto printer = std::make_unique<ui::PdfPagePrinter>(folder.path());
    ui::PdfPagePrinter* pages = printer.get();
    window->setPagePrinter(std::move(printer));
    auto* tabs = find<QTabWidget>(QStringLiteral("PageControl1"));
    tabs->setCurrentIndex(3);

    trigger(QStringLiteral("MenuPrintAll"));
    ASSERT_EQ(pages->jobs().size(), 5);
    for (const auto& job : pages->jobs())
        EXPECT_EQ(ui::PdfPagePrinter::countPages(job.file), 1);
    EXPECT_EQ(tabs->currentIndex(), 3);
    EXPECT_FALSE(window->printing());
    EXPECT_TRUE(shown(QStringLiteral("GroupBoxToolBar")));
    EXPECT_TRUE(find<QLabel>(QStringLiteral("LabelHlaseni"))
                    ->text()
                    .startsWith(QStringLiteral("Date and time of printing:  ")));
    EXPECT_TRUE(dialogs->messages.isEmpty());

    trigger(QStringLiteral("MenuPrint"));
    EXPECT_EQ(pages->jobs().size(), 6);

    pages->setAvailable(false);
    trigger(QStringLiteral("MenuPrint"));
    EXPECT_EQ(pages->jobs().size(), 6);
    EXPECT_EQ(dialogs->messages.size(), 1);
}

}  // namespace tarvel::test
