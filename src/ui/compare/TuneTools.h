// The window's guards against losing a tune: the comparison with the unit and
// with a file, the tune history and the autosave of the state dump. The window
// creates it at the end of its start-up and tells it about each commit, each
// tick and its shut-down; everything else (menu items, dialogs, the record of
// a successful Program) lives here.
#pragma once

#include <QObject>
#include <QPointer>

#include <memory>

#include "CompareDialog.h"
#include "HistoryDialog.h"
#include "model/ImageDiff.h"
#include "present/CompareTexts.h"
#include "store/AutosaveScheduler.h"

class QAction;

namespace tarvel {
class TFormHlav;
}

namespace tarvel::ui {

class TuneTools : public QObject {
    Q_OBJECT
public:
    explicit TuneTools(TFormHlav& window);
    ~TuneTools() override;

    // The window committed a change (also undo and redo): the dump follows.
    void committed();
    // After each tick of the window's timer.
    void ticked();
    // At a clean exit, before the window writes its own dump.
    void flush();

    // The menu commands.
    void compareWithUnit();
    void compareWithFile();
    void showHistory();

    // Writes the menu items' texts in the window's current language.
    void retranslate();

    // The open dialogs (null when none), for tests and screenshots.
    CompareDialog* compareDialog() const { return compare_; }
    HistoryDialog* historyDialog() const { return history_; }
    AutosaveScheduler& autosave() { return *autosave_; }
    bool comparingWithUnit() const { return readingUnit_; }

signals:
    // A dialog was opened (it is shown window-modal and does not block).
    void dialogOpened(QDialog* dialog);

private:
    Language language() const;
    QString text(present::CompareText id) const;
    void openCompare(QWidget* parent, const ParamImage& other, const QString& title, present::CompareText column);
    void watchProgram();
    void recordProgram();
    void note(const QString& text);

    TFormHlav& window_;
    std::unique_ptr<AutosaveScheduler> autosave_;
    QAction* compareUnitItem_ = nullptr;
    QAction* compareFileItem_ = nullptr;
    QAction* historyItem_ = nullptr;
    QPointer<CompareDialog> compare_;
    QPointer<HistoryDialog> history_;

    ParamImage unitImage_{};
    bool readingUnit_ = false;
    bool programWatched_ = false;  // a Program is running or its unit is still saving
};

}  // namespace tarvel::ui
