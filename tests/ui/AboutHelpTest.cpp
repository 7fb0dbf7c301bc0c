// The Help menu of the main window (the about box and the manual on F1) and
// the tool-bar glyphs as the window shows them.
#include <QAbstractButton>
#include <QApplication>
#include <QFileInfo>
#include <QLabel>
#include <QRegularExpression>
#include <QTest>
#include <QTimer>
#include <QUrl>

#include "WindowFixture.h"
#include "about/ManualLocation.h"
#include "about/TFormAbout.h"
#include "lang/LanguageChoice.h"

namespace tarvel::test {

class Help : public WindowFixture {
protected:
    void SetUp() override
    {
        WindowFixture::SetUp();
        about = std::make_unique<ui::TFormAbout>([this] { return ui::LanguageFromStored(window->language()); },
                                                 window.get());
        window->setAboutBox(about.get());
        window->setManualOpener([this](const QUrl& url) {
            opened << url;
            return openerWorks;
        });
    }
    void TearDown() override
    {
        about.reset();
        WindowFixture::TearDown();
    }

    // Opens the about box from the menu; `whileShown` runs while it is up,
    // then `close` ends it.
    void showAbout(const std::function<void()>& whileShown, const std::function<void()>& close)
    {
        bool ran = false;
        QTimer::singleShot(0, window.get(), [&] {
            ran = true;
            whileShown();
            close();
        });
        trigger(QStringLiteral("MenuAbout"));
        EXPECT_TRUE(ran);
        EXPECT_FALSE(about->isVisible());
    }
    QString aboutText(const char* name) const { return about->findChild<QLabel*>(QString::fromLatin1(name))->text(); }

    std::unique_ptr<ui::TFormAbout> about;
    QList<QUrl> opened;
    bool openerWorks = true;
};

TEST_F(Help, TheAboutBoxFromTheMenuSpeaksTheLanguageOfTheWindow)
{
    const std::pair<const char*, QString> rounds[] = {
        {"MenuGerman", QStringLiteral("Über Programm ZEV-O")},
        {"MenuEnglish", QStringLiteral("About ZEV-O")},
        {"MenuFrench", QStringLiteral("Information ZEV-O")},
        {"MenuCzech", QStringLiteral("Information ZEV-O")},  // Czech sets none: the last one stays
    };
    auto clickOk = [this] {
        QTest::mouseClick(about->findChild<QLabel*>(QStringLiteral("LabelExit")), Qt::LeftButton);
    };
    auto closeBox = [this] { about->close(); };
    bool viaOk = true;
    for (const auto& [item, caption] : rounds) {
        trigger(QString::fromLatin1(item));
        const QString titleBefore = window->windowTitle();
        QString shownCaption;
        showAbout([&] { shownCaption = about->windowTitle(); }, viaOk ? std::function<void()>(clickOk) : closeBox);
        viaOk = !viaOk;
        EXPECT_EQ(shownCaption, caption) << item;
        EXPECT_EQ(window->windowTitle(), titleBefore);
    }
    // The same texts in every language.
    EXPECT_EQ(aboutText("LabelAbout"), QStringLiteral("Programm for setting of ignition"));
    EXPECT_EQ(aboutText("LabelRsKey"), QStringLiteral("Version - 48"));
    EXPECT_TRUE(QRegularExpression(QStringLiteral("^[A-Z][a-z]{2} [ 1-3]\\d \\d{4}$"))
                    .match(aboutText("LabelDate"))
                    .hasMatch());
    EXPECT_TRUE(QRegularExpression(QStringLiteral("^\\d\\d:\\d\\d:\\d\\d$")).match(aboutText("LabelTime")).hasMatch());
    EXPECT_EQ(window->language(), 3);
}

TEST_F(Help, F1OpensTheManualOfTheLanguage)
{
    window->show();
    QApplication::setActiveWindow(window.get());
    const std::pair<const char*, QString> rounds[] = {
        {"MenuEnglish", QStringLiteral("manual-en.html")},
        {"MenuGerman", QStringLiteral("manual-en.html")},
        {"MenuFrench", QStringLiteral("manual-en.html")},
        {"MenuCzech", QStringLiteral("manual-cs.html")},
    };
    for (const auto& [item, file] : rounds) {
        trigger(QString::fromLatin1(item));
        opened.clear();
        QTest::keyClick(window.get(), Qt::Key_F1);
        ASSERT_EQ(opened.size(), 1) << item;
        EXPECT_TRUE(opened.front().isLocalFile());
        EXPECT_EQ(QFileInfo(opened.front().toLocalFile()).fileName(), file);
        EXPECT_TRUE(QFileInfo(opened.front().toLocalFile()).isFile());
    }
    EXPECT_TRUE(dialogs->messages.isEmpty());
}

TEST_F(Help, AFailingOpenerGivesTheMessageOfTheLanguageAndChangesNothingElse)
{
    openerWorks = false;
    trigger(QStringLiteral("MenuCzech"));
    const QString title = window->windowTitle();
    trigger(QStringLiteral("MenuContens"));
    const QString czech = ui::ManualPath(Language::Czech, folder.path());
    trigger(QStringLiteral("MenuGerman"));
    trigger(QStringLiteral("MenuContens"));
    const QString english = ui::ManualPath(Language::English, folder.path());
    EXPECT_EQ(dialogs->messages,
              QStringList({QStringLiteral("Chyba při otevírání souboru ") + czech + QStringLiteral(" !"),
                           QStringLiteral("Fehler beim öffnen der Datei ") + english + QStringLiteral(" !")}));
    EXPECT_EQ(window->windowTitle(), title);
    EXPECT_EQ(opened.size(), 2);
}

TEST_F(Help, ToolButtonsGreyTheirGlyphsWhileDisabled)
{
    window->show();
    auto colouredPixels = [this](const char* name) {
        auto* button = find<QAbstractButton>(QString::fromLatin1(name));
        const QImage picture = button->grab().toImage();
        int coloured = 0;
        for (int y = 0; y < picture.height(); ++y)
            for (int x = 0; x < picture.width(); ++x)
                coloured += QColor(picture.pixel(x, y)).hsvSaturation() > 80;
        return coloured;
    };
    // Right after the start there is nothing to undo or redo.
    ASSERT_FALSE(find(QStringLiteral("SpeedButtonZpet"))->isEnabled());
    EXPECT_EQ(colouredPixels("SpeedButtonZpet"), 0);
    EXPECT_EQ(colouredPixels("SpeedButtonZnovu"), 0);
    EXPECT_GT(colouredPixels("SpeedButton7"), 20);
    typeAndLeave(QStringLiteral("EditBaseAdv"), QStringLiteral("17"));
    ASSERT_TRUE(find(QStringLiteral("SpeedButtonZpet"))->isEnabled());
    EXPECT_GT(colouredPixels("SpeedButtonZpet"), 20);
    EXPECT_FALSE(window->windowIcon().isNull());
}

}  // namespace tarvel::test
