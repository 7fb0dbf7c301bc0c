#include "WindowFixture.h"

#include <QAction>
#include <QApplication>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QTest>

namespace tarvel::test {

Dialogs::Answer ScriptedDialogs::askYesNoCancel(QWidget*, const QString& text)
{
    questions << text;
    if (answers.empty())
        return Answer::Cancel;
    const Answer answer = answers.front();
    answers.pop_front();
    return answer;
}

void ScriptedDialogs::showMessage(QWidget*, const QString& text, Kind kind, const QString& detail)
{
    messages << text;
    messageDetails << detail;
    messageKinds << kind;
    if (whileShown)
        whileShown();
}

QString ScriptedDialogs::openFileName(QWidget*, const QString& fileName)
{
    proposedOpen << fileName;
    if (openNames.empty())
        return {};
    const QString name = openNames.front();
    openNames.pop_front();
    return name;
}

QString ScriptedDialogs::saveFileName(QWidget*, const QString& fileName)
{
    proposedSave << fileName;
    if (saveNames.empty())
        return {};
    const QString name = saveNames.front();
    saveNames.pop_front();
    return name;
}

void WindowFixture::SetUp()
{
    ASSERT_TRUE(folder.isValid());
    qputenv("TARVEL3_HOME", folder.path().toUtf8());
    prepareFolder();
    auto device = std::make_unique<link::SimulatedUnitDevice>();
    unit = device.get();
    // The window tests also run against a window started as the program
    // starts it, whose other tab pages are filled once the start is done.
    const bool pagesAfterStart = qEnvironmentVariableIsSet("TARVEL_TEST_PAGES_AFTER_START");
    window = std::make_unique<TFormHlav>(nullptr, std::move(device),
                                         pagesAfterStart ? WindowBuilder::Pages::FirstOnly : WindowBuilder::Pages::All);
    auto scripted = std::make_unique<ScriptedDialogs>();
    dialogs = scripted.get();
    window->setDialogs(std::move(scripted));
    beforeStart();
    window->FormCreate(arguments(), folder.path());
    window->timer1().stop();  // the tests drive the window themselves
    if (pagesAfterStart)
        window->completePages();  // as right after the first paint
}

void WindowFixture::TearDown()
{
    window.reset();
}

void WindowFixture::writeFile(const QString& name, const QByteArray& content) const
{
    QFile file(QDir(folder.path()).filePath(name));
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(content);
}

QByteArray WindowFixture::readFile(const QString& name) const
{
    QFile file(QDir(folder.path()).filePath(name));
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

void WindowFixture::tick(int count)
{
    for (int i = 0; i < count; ++i) {
        unit->nowMs += TFormHlav::kTimerMs;
        window->Timer1Timer();
    }
}

QString WindowFixture::statusText() const
{
    return find<QLabel>(QStringLiteral("LabelHlaseni"))->text();
}

bool WindowFixture::tickUntilStatus(const QString& text, int limit)
{
    for (int i = 0; i < limit; ++i) {
        tick();
        if (statusText().endsWith(text))
            return true;
    }
    return false;
}

void WindowFixture::tickUntilFrame()
{
    const auto frames = window->deviceLink().monitorFrames();
    for (int i = 0; i < 20 && window->deviceLink().monitorFrames() == frames; ++i)
        tick();
    ASSERT_NE(window->deviceLink().monitorFrames(), frames);
}

QAction* WindowFixture::action(const QString& name) const
{
    auto* found = window->findChild<QAction*>(name);
    EXPECT_TRUE(found) << name.toStdString();
    return found;
}

void WindowFixture::typeAndLeave(const QString& editName, const QString& text)
{
    QLineEdit* target = edit(editName);
    target->setText(text);
    window->EditGasRpmMinExit();
}

void WindowFixture::clickBox(const QString& name)
{
    QCheckBox* target = box(name);
    target->click();
}

void WindowFixture::choose(const QString& comboName, int row)
{
    QComboBox* target = combo(comboName);
    target->setCurrentIndex(row);
    emit target->activated(row);
}

void WindowFixture::trigger(const QString& actionName)
{
    action(actionName)->trigger();
}

bool WindowFixture::shown(const QString& name) const
{
    // Hidden by itself or by a group it sits in; the tab pages that are not
    // open do not count.
    for (QWidget* w = find(name); w; w = w->parentWidget()) {
        if (w->objectName().startsWith(QLatin1String("TabSheet")) || w == window.get())
            return true;
        if (w->isHidden())
            return false;
    }
    return false;
}

void WindowFixture::settle()
{
    window->ReadControls();
    window->CommitChange();
}

}  // namespace tarvel::test
