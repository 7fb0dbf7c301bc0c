// A started main window with scripted answers to its questions and dialogs,
// and helpers that find its controls by name and act as the user would.
#pragma once

#include <gtest/gtest.h>

#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QStringList>
#include <QTemporaryDir>

#include <deque>
#include <functional>
#include <memory>

#include "Dialogs.h"
#include "TFormHlav.h"
#include "UpDown.h"
#include "link/SimulatedUnitDevice.h"

namespace tarvel::test {

class ScriptedDialogs : public Dialogs {
public:
    std::deque<Answer> answers;
    std::deque<QString> openNames;
    std::deque<QString> saveNames;
    QStringList questions;
    QStringList messages;
    QStringList messageDetails;  // the detail of each message, in step with `messages`
    QList<Kind> messageKinds;
    QStringList proposedOpen;
    QStringList proposedSave;
    // Runs while a message is shown, as the user's time with the box.
    std::function<void()> whileShown;

    Answer askYesNoCancel(QWidget*, const QString& text) override;
    void showMessage(QWidget*, const QString& text, Kind kind, const QString& detail) override;
    QString openFileName(QWidget*, const QString& fileName) override;
    QString saveFileName(QWidget*, const QString& fileName) override;
};

class WindowFixture : public ::testing::Test {
protected:
    void SetUp() override;
    void TearDown() override;
    virtual QStringList arguments() const { return {}; }
    // Files the settings folder holds before the start (name, content).
    virtual void prepareFolder() {}
    // Runs after the window is built and before its start-up; `unit` and
    // `dialogs` are set.
    virtual void beforeStart() {}
    void writeFile(const QString& name, const QByteArray& content) const;
    QByteArray readFile(const QString& name) const;
    // One tick of the window's timer; the simulated unit's clock moves 55 ms.
    void tick(int count = 1);
    // Ticks until the status label ends with `text` or `limit` ticks passed.
    bool tickUntilStatus(const QString& text, int limit = 200);
    // Ticks until the link has taken the unit's next live-data frame.
    void tickUntilFrame();
    QString statusText() const;

    template <typename T = QWidget>
    T* find(const QString& name) const
    {
        T* widget = window->findChild<T*>(name);
        EXPECT_TRUE(widget) << name.toStdString();
        return widget;
    }
    QAction* action(const QString& name) const;
    UpDown* upDown(const QString& name) const { return find<UpDown>(name); }
    QLineEdit* edit(const QString& name) const { return find<QLineEdit>(name); }
    QCheckBox* box(const QString& name) const { return find<QCheckBox>(name); }
    QComboBox* combo(const QString& name) const { return find<QComboBox>(name); }

    // Types `text` into an edit and leaves it, as the user would with the mouse.
    void typeAndLeave(const QString& editName, const QString& text);
    // Clicks a check box with the mouse.
    void clickBox(const QString& name);
    // Chooses a row of a list with the user's mouse.
    void choose(const QString& comboName, int row);
    void trigger(const QString& actionName);
    std::uint8_t byte(int offset) const { return window->image()[offset]; }
    // The visibility the window would give the control when shown.
    bool shown(const QString& name) const;
    // One commit that stores what the controls show of the start-up image
    // (the unused lobe numbers 0 become the control minimum 1), so that a
    // later commit without an edit changes nothing.
    void settle();

    QTemporaryDir folder;
    std::unique_ptr<TFormHlav> window;
    ScriptedDialogs* dialogs = nullptr;
    link::SimulatedUnitDevice* unit = nullptr;  // the unit on the window's serial port
};

}  // namespace tarvel::test
