// The desktop dialogs of the file commands and messages, answered by a timer
// that acts on the open box as the user would.
#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QApplication>
#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QFileSystemModel>
#include <QLineEdit>
#include <QListView>
#include <QMessageBox>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

#include <functional>

#include "QtDialogs.h"

namespace tarvel::test {

namespace {

// Runs `act` on the modal box as soon as it is open.
template <typename Box>
void whenOpen(std::function<void(Box*)> act)
{
    auto* poll = new QTimer;
    QObject::connect(poll, &QTimer::timeout, poll, [poll, act] {
        if (auto* box = qobject_cast<Box*>(QApplication::activeModalWidget())) {
            poll->stop();
            poll->deleteLater();
            act(box);
        }
    });
    poll->start(10);
}

QString fileNameBox(QFileDialog* dialog)
{
    auto* edit = dialog->findChild<QLineEdit*>(QStringLiteral("fileNameEdit"));
    return edit ? edit->text() : QStringLiteral("<no file name box>");
}

const QString kIgn = QStringLiteral("Ignition Parametrs(*.ign)");
const QString kAll = QStringLiteral("All Files (*)");

}  // namespace

TEST(QtDialogsTest, OpenDialogOffersBothFiltersAndKeepsTheOneLastUsed)
{
    QTemporaryDir dir;
    const QString tune = QDir(dir.path()).filePath(QStringLiteral("tune.ign"));
    QFile(tune).open(QIODevice::WriteOnly);
    QtDialogs dialogs;

    QStringList filters;
    QString proposed = QStringLiteral("<not shown>");
    whenOpen<QFileDialog>([&](QFileDialog* d) {
        filters = d->nameFilters();
        proposed = fileNameBox(d);
        d->selectNameFilter(kAll);
        d->selectFile(tune);
        static_cast<QDialog*>(d)->accept();  // as the Open button does
    });
    EXPECT_EQ(dialogs.openFileName(nullptr, QString()), tune);
    EXPECT_EQ(filters, (QStringList{kIgn, kAll}));
    EXPECT_EQ(proposed, QString());  // no last file: nothing proposed

    QString filter;
    whenOpen<QFileDialog>([&](QFileDialog* d) {
        filter = d->selectedNameFilter();
        proposed = fileNameBox(d);
        d->reject();
    });
    EXPECT_EQ(dialogs.openFileName(nullptr, tune), QString());
    EXPECT_EQ(filter, kAll);
    EXPECT_EQ(proposed, QStringLiteral("tune.ign"));
}

TEST(QtDialogsTest, SaveDialogOffersTheIgnFilterAndAsksBeforeOverwriting)
{
    QtDialogs dialogs;
    QStringList filters;
    QString suffix;
    bool confirms = false;
    whenOpen<QFileDialog>([&](QFileDialog* d) {
        filters = d->nameFilters();
        suffix = d->defaultSuffix();
        confirms = !d->testOption(QFileDialog::DontConfirmOverwrite);
        d->reject();
    });
    EXPECT_EQ(dialogs.saveFileName(nullptr, QStringLiteral("/tmp/x.ign")), QString());
    EXPECT_EQ(filters, QStringList{kIgn});
    EXPECT_EQ(suffix, QStringLiteral("ign"));
    EXPECT_TRUE(confirms);
}

TEST(QtDialogsTest, MessagesCarryTheIconOfTheirKindAndTheQuestionAsksYesNoOrCancel)
{
    QtDialogs dialogs;
    QMessageBox::Icon icon = QMessageBox::Critical;
    QMessageBox::StandardButtons buttons;
    QString text;
    QString title;
    whenOpen<QMessageBox>([&](QMessageBox* box) {
        icon = box->icon();
        buttons = box->standardButtons();
        text = box->text();
        title = box->windowTitle();
        box->button(QMessageBox::Ok)->click();
    });
    dialogs.showMessage(nullptr, QStringLiteral("Open file error!"));
    EXPECT_EQ(icon, QMessageBox::Critical);
    EXPECT_EQ(buttons, QMessageBox::StandardButtons(QMessageBox::Ok));
    EXPECT_EQ(text, QStringLiteral("Open file error!"));
    EXPECT_EQ(title, QStringLiteral("Tarvel 3"));

    whenOpen<QMessageBox>([&](QMessageBox* box) {
        icon = box->icon();
        buttons = box->standardButtons();
        box->close();
    });
    EXPECT_EQ(dialogs.askYesNoCancel(nullptr, QStringLiteral("Do you want default setting?")), Dialogs::Answer::Cancel);
    EXPECT_EQ(icon, QMessageBox::Question);
    EXPECT_EQ(buttons, QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel);
}

TEST(QtDialogsTest, MessageShowsTheReasonUnderTheMainLine)
{
    QtDialogs dialogs;
    struct Case {
        Dialogs::Kind kind;
        QMessageBox::Icon icon;
        QString detail;
    };
    const Case cases[] = {
        {Dialogs::Kind::Error, QMessageBox::Critical, QStringLiteral("/dev/ttyUSB0: Permission denied")},
        {Dialogs::Kind::Warning, QMessageBox::Warning, QStringLiteral("/home/x/old.ign")},
        {Dialogs::Kind::Information, QMessageBox::Information, QString()},
    };
    for (const Case& c : cases) {
        QMessageBox::Icon icon = QMessageBox::NoIcon;
        QString text;
        QString shownDetail = QStringLiteral("<not shown>");
        whenOpen<QMessageBox>([&](QMessageBox* box) {
            icon = box->icon();
            text = box->text();
            shownDetail = box->informativeText();
            box->button(QMessageBox::Ok)->click();
        });
        dialogs.showMessage(nullptr, QStringLiteral("Com opening error!"), c.kind, c.detail);
        EXPECT_EQ(icon, c.icon);
        EXPECT_EQ(text, QStringLiteral("Com opening error!"));
        EXPECT_EQ(shownDetail, c.detail);
    }
}

TEST(QtDialogsTest, AllFilesShowsFilesWithoutADot)
{
    QTemporaryDir dir;
    for (const char* name : {"tune.ign", "tune-backup", "README.txt"})
        QFile(QDir(dir.path()).filePath(QString::fromLatin1(name))).open(QIODevice::WriteOnly);
    QtDialogs dialogs;
    QStringList shown;
    whenOpen<QFileDialog>([&](QFileDialog* d) {
        d->setDirectory(dir.path());
        d->selectNameFilter(kAll);
        auto* view = d->findChild<QListView*>(QStringLiteral("listView"));
        ASSERT_TRUE(view);
        // The folder is read in the background: wait until all three entries
        // that may be shown have had time to arrive.
        (void)QTest::qWaitFor([&] { return view->model()->rowCount(view->rootIndex()) >= 3; }, 3000);
        for (int row = 0; row < view->model()->rowCount(view->rootIndex()); ++row)
            shown << view->model()->index(row, 0, view->rootIndex()).data().toString();
        d->reject();
    });
    dialogs.openFileName(nullptr, QString());
    shown.sort();
    EXPECT_EQ(shown, (QStringList{"README.txt", "tune-backup", "tune.ign"}));
}

}  // namespace tarvel::test
