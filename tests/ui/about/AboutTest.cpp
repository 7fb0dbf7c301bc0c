// The about box, the help command and the pictures the program carries.
#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QDir>
#include <QFile>
#include <QGuiApplication>
#include <QIcon>
#include <QImage>
#include <QLabel>
#include <QRegularExpression>
#include <QScreen>
#include <QTemporaryDir>
#include <QTest>
#include <QToolButton>

#include "QStringPrinter.h"
#include "StandInWindow.h"
#include "model/Messages.h"
#include "ui/about/ManualLocation.h"
#include "ui/about/ManualOpener.h"
#include "ui/about/TFormAbout.h"
#include "ui/resources/Artwork.h"

using namespace tarvel;
using namespace tarvel::ui;

namespace {

class AboutTest : public ::testing::Test {
protected:
    Language language = Language::English;
    TFormAbout about{[this] { return language; }};

    QString text(const char* name) const { return about.findChild<QLabel*>(name)->text(); }
};

}  // namespace

TEST_F(AboutTest, ShowsPurposeVersionAndBuildStamp)
{
    EXPECT_EQ(text("LabelAbout"), "Programm for setting of ignition");
    EXPECT_EQ(text("LabelRsKey"), "Version - 48");
    EXPECT_TRUE(QRegularExpression("^[A-Z][a-z]{2} [ 1-3][0-9] [0-9]{4}$").match(text("LabelDate")).hasMatch())
        << text("LabelDate").toStdString();
    EXPECT_TRUE(QRegularExpression("^[0-2][0-9]:[0-5][0-9]:[0-5][0-9]$").match(text("LabelTime")).hasMatch());
    EXPECT_EQ(text("LabelExit"), "OK");
    EXPECT_FALSE(about.findChild<QLabel*>("Image1")->pixmap().isNull());
    for (const char* line : {"Label2", "Label3", "Label4", "Label5", "Label9", "Label10"})
        EXPECT_FALSE(text(line).isEmpty()) << line;
    EXPECT_EQ(about.size(), QSize(334, 416));
    EXPECT_EQ(about.findChild<QLabel*>("LabelExit")->geometry(), QRect(272, 368, 35, 29));
    EXPECT_EQ(about.findChild<QLabel*>("LabelRsKey")->pos(), QPoint(32, 390));
    EXPECT_EQ(about.palette().color(QPalette::Window), QColor(Qt::white));
}

TEST_F(AboutTest, CaptionFollowsTheLanguageAtEachActivationAndCzechKeepsTheLastOne)
{
    EXPECT_EQ(about.windowTitle(), "VELDRAN TARVEL 3");
    language = Language::Czech;
    about.FormActivate();
    EXPECT_EQ(about.windowTitle(), "VELDRAN TARVEL 3");
    language = Language::German;
    about.show();
    EXPECT_EQ(about.windowTitle(), "Über Programm ZEV-O");
    about.hide();
    language = Language::Czech;
    about.show();
    EXPECT_EQ(about.windowTitle(), "Über Programm ZEV-O");
    about.hide();
    language = Language::English;
    about.show();
    EXPECT_EQ(about.windowTitle(), "About ZEV-O");
    language = Language::French;
    about.FormActivate();
    EXPECT_EQ(about.windowTitle(), "Information ZEV-O");
}

TEST_F(AboutTest, ADialogFrameWithoutMinimiseOrMaximise)
{
    const Qt::WindowFlags flags = about.windowFlags();
    EXPECT_EQ(flags & Qt::WindowType_Mask, Qt::Dialog);
    // Without CustomizeWindowHint the window manager decorates the box as it likes.
    EXPECT_TRUE(flags.testFlag(Qt::CustomizeWindowHint));
    EXPECT_TRUE(flags.testFlag(Qt::WindowTitleHint));
    EXPECT_TRUE(flags.testFlag(Qt::WindowCloseButtonHint));
    EXPECT_FALSE(flags.testFlag(Qt::WindowMinimizeButtonHint));
    EXPECT_FALSE(flags.testFlag(Qt::WindowMaximizeButtonHint));
    // A box that cannot be resized gets no maximise button from the window manager.
    EXPECT_EQ(about.minimumSize(), QSize(334, 416));
    EXPECT_EQ(about.maximumSize(), QSize(334, 416));
}

TEST_F(AboutTest, CentredOnceAtCreationAndOkCloses)
{
    const QRect screen = QGuiApplication::primaryScreen()->geometry();
    EXPECT_EQ(about.pos(), QPoint(screen.width() / 2 - 334 / 2, screen.height() / 2 - 416 / 2));
    about.move(10, 20);
    about.show();
    about.hide();
    about.show();
    EXPECT_EQ(about.pos(), QPoint(10, 20));
    QTest::mouseClick(about.findChild<QLabel*>("LabelExit"), Qt::LeftButton);
    EXPECT_FALSE(about.isVisible());
    EXPECT_EQ(about.result(), QDialog::Accepted);
}

namespace {

class ManualTest : public ::testing::Test {
protected:
    QTemporaryDir prefix;
    MessageTable messages;
    QList<QUrl> opened;
    QStringList reported;
    bool openerSucceeds = true;
    ManualOpener opener{[this](const QUrl& url) {
                            opened << url;
                            return openerSucceeds;
                        },
                        [this](const QString& text) { reported << text; }};

    // An installed layout: <prefix>/bin and <prefix>/share/doc/tarvel3 with both manuals.
    QString install()
    {
        QDir(prefix.path()).mkpath("bin");
        QDir(prefix.path()).mkpath("share/doc/tarvel3");
        for (const char* name : {"manual-en.html", "manual-cs.html"}) {
            QFile file(prefix.filePath(QStringLiteral("share/doc/tarvel3/") + name));
            EXPECT_TRUE(file.open(QIODevice::WriteOnly));
        }
        return prefix.filePath("bin");
    }
};

}  // namespace

TEST_F(ManualTest, InstalledManualsBesideTheProgramAreOpenedAsLocalFiles)
{
    SetManualAddresses(messages, install());
    const std::pair<Language, const char*> cases[] = {{Language::German, "manual-en.html"},
                                                      {Language::French, "manual-en.html"},
                                                      {Language::English, "manual-en.html"},
                                                      {Language::Czech, "manual-cs.html"}};
    for (const auto& [language, file] : cases) {
        messages.loadMessages(language);
        EXPECT_TRUE(opener.open(messages));
        ASSERT_FALSE(opened.isEmpty());
        EXPECT_EQ(opened.last(), QUrl::fromLocalFile(prefix.filePath(QStringLiteral("share/doc/tarvel3/") + file)));
    }
    EXPECT_TRUE(reported.isEmpty());
}

TEST_F(ManualTest, AFailingOpenerGivesTheLanguagesMessage)
{
    SetManualAddresses(messages, install());
    openerSucceeds = false;
    messages.loadMessages(Language::German);
    EXPECT_FALSE(opener.open(messages));
    const QString path = prefix.filePath("share/doc/tarvel3/manual-en.html");
    EXPECT_EQ(reported, QStringList({"Fehler beim öffnen der Datei " + path + " !"}));
}

TEST_F(ManualTest, AMissingManualIsReportedWithoutAskingTheOpener)
{
    messages.setManualUrls("/nowhere/manual-en.html", "/nowhere/manual-cs.html");
    messages.loadMessages(Language::Czech);
    EXPECT_FALSE(opener.open(messages));
    EXPECT_TRUE(opened.isEmpty());
    EXPECT_EQ(reported, QStringList({"Chyba při otevírání souboru /nowhere/manual-cs.html !"}));
}

TEST_F(ManualTest, WebAddressesStayWebAddresses)
{
    EXPECT_EQ(ManualOpener::AddressToUrl("https://example.org/manual.pdf"), QUrl("https://example.org/manual.pdf"));
    EXPECT_EQ(ManualOpener::AddressToUrl("/usr/share/doc/tarvel3/manual-en.html"),
              QUrl::fromLocalFile("/usr/share/doc/tarvel3/manual-en.html"));
    EXPECT_EQ(ManualOpener::AddressToUrl("C:/doc/manual.pdf"), QUrl::fromLocalFile("C:/doc/manual.pdf"));
}

TEST_F(ManualTest, ABuildTreeProgramFindsTheManualsInTheSources)
{
    // No installed copy beside this folder: the copies the program was built from are used.
    for (Language language : {Language::English, Language::Czech}) {
        const QString path = ManualPath(language, prefix.path());
        EXPECT_TRUE(QFileInfo(path).isFile()) << path.toStdString();
        EXPECT_TRUE(path.endsWith(ManualFileName(language)));
        QFile manual(path);
        ASSERT_TRUE(manual.open(QIODevice::ReadOnly));
        EXPECT_GT(manual.size(), 10000);
    }
}

TEST(Artwork, ToolButtonsGetGlyphsWithAGreyedDisabledLook)
{
    tarvel::ui::test::StandInWindow window;
    EXPECT_EQ(ApplyToolGlyphs(window), 6);
    auto* save = window.findChild<QAbstractButton*>("SpeedButton7");
    ASSERT_FALSE(save->icon().isNull());
    const QImage normal = save->icon().pixmap(20, 20, QIcon::Normal).toImage();
    const QImage greyed = save->icon().pixmap(20, 20, QIcon::Disabled).toImage();
    ASSERT_EQ(normal.size(), QSize(20, 20));
    int colouredNormal = 0, colouredGreyed = 0;
    for (int y = 0; y < 20; ++y)
        for (int x = 0; x < 20; ++x) {
            colouredNormal += QColor(normal.pixel(x, y)).hsvSaturation() > 60;
            colouredGreyed += QColor(greyed.pixel(x, y)).hsvSaturation() > 60;
        }
    EXPECT_GT(colouredNormal, 50);
    EXPECT_EQ(colouredGreyed, 0);
}

TEST(Artwork, GlyphsReadOnDemandLookAsQtsFileIconsInEveryModeAndSize)
{
    // The glyphs read their files when first drawn; every picture must be the
    // one Qt's own file icon gives: exact sizes, scaled ones, and the modes
    // derived by the style (hovered, selected).
    const char* names[] = {"new", "open", "save", "print", "undo", "redo"};
    const ToolGlyph glyphs[] = {ToolGlyph::New,  ToolGlyph::Open, ToolGlyph::Save,
                                ToolGlyph::Print, ToolGlyph::Undo, ToolGlyph::Redo};
    for (int g = 0; g < 6; ++g) {
        QIcon reference;
        for (int size : {20, 40}) {
            const QString base = QStringLiteral(":/tarvel3/glyphs/%1-%2").arg(QLatin1String(names[g])).arg(size);
            reference.addFile(base + QStringLiteral(".png"), QSize(size, size), QIcon::Normal);
            reference.addFile(base + QStringLiteral("-disabled.png"), QSize(size, size), QIcon::Disabled);
        }
        const QIcon lazy = ToolGlyphIcon(glyphs[g]);
        for (QIcon::Mode mode : {QIcon::Normal, QIcon::Disabled, QIcon::Active, QIcon::Selected})
            for (int size : {16, 20, 30, 40, 64}) {
                EXPECT_EQ(lazy.actualSize(QSize(size, size), mode), reference.actualSize(QSize(size, size), mode))
                    << names[g] << " " << mode << " " << size;
                EXPECT_EQ(lazy.pixmap(size, size, mode).toImage(), reference.pixmap(size, size, mode).toImage())
                    << names[g] << " " << mode << " " << size;
            }
        EXPECT_EQ(lazy.availableSizes(QIcon::Disabled), reference.availableSizes(QIcon::Disabled));
    }
}

TEST(Artwork, ProgramIconHasTheDesktopSizes)
{
    const QIcon icon = ProgramIcon();
    for (int size : {16, 32, 48, 256})
        EXPECT_EQ(icon.pixmap(size, size).size(), QSize(size, size)) << size;
    EXPECT_FALSE(AboutPicture().isNull());
}

TEST(Artwork, ProgramIconPixelsAreThoseOfTheIconFiles)
{
    // The icon is built into the program as pixels at build time; a stale or
    // wrongly converted table would show another picture than the files.
    // (The files' colour space is not carried: only the pixels reach the
    // window system.)
    const QIcon icon = ProgramIcon();
    for (int size : {16, 22, 24, 32, 48, 64, 128, 256}) {
        const QImage file = QImage(QStringLiteral(":/tarvel3/icons/tarvel3-%1.png").arg(size))
                                .convertToFormat(QImage::Format_ARGB32_Premultiplied);
        const QImage shown = icon.pixmap(size, size).toImage().convertToFormat(QImage::Format_ARGB32_Premultiplied);
        ASSERT_EQ(shown.size(), QSize(size, size)) << size;
        ASSERT_EQ(file.size(), QSize(size, size)) << size;
        int differing = 0;
        for (int y = 0; y < size; ++y)
            for (int x = 0; x < size; ++x)
                differing += shown.pixel(x, y) != file.pixel(x, y);
        EXPECT_EQ(differing, 0) << size;
    }
}
