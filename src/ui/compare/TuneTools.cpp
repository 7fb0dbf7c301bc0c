#include "TuneTools.h"

#include <QAction>
#include <QFileInfo>
#include <QMenu>
#include <QStatusBar>
#include <QTimer>

#include <chrono>

#include "BikeListRows.h"
#include "CompareDialog.h"
#include "FieldPlaces.h"
#include "FileProblem.h"
#include "HistoryDialog.h"
#include "TFormHlav.h"
#include "lang/LanguageChoice.h"
#include "link/TransferMode.h"
#include "model/LogSink.h"
#include "present/ComparePresenter.h"
#include "store/IgnFileReader.h"
#include "store/TuneHistory.h"

namespace tarvel::ui {

namespace {

QString qs(std::string_view text)
{
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

constexpr int kNoteMs = 15000;

}  // namespace

TuneTools::TuneTools(TFormHlav& window)
    : QObject(&window), window_(window), autosave_(std::make_unique<AutosaveScheduler>(window.paths().stateDumpFile()))
{
    QMenu* file = window.controls().MenuFile;
    QMenu* tools = window.controls().MenuTools;
    QAction* exitSeparator = window.controls().N4;
    auto item = [this](QMenu* menu, QAction* before, const char* name, void (TuneTools::*run)()) {
        auto* action = new QAction(menu);
        action->setObjectName(QString::fromLatin1(name));
        menu->insertAction(before, action);
        connect(action, &QAction::triggered, this, run);
        return action;
    };
    compareFileItem_ = item(file, exitSeparator, "MenuCompareFile", &TuneTools::compareWithFile);
    historyItem_ = item(file, exitSeparator, "MenuTuneHistory", &TuneTools::showHistory);
    file->insertSeparator(compareFileItem_)->setObjectName(QStringLiteral("N6"));
    connect(file, &QMenu::aboutToShow, this, &TuneTools::retranslate);
    tools->addSeparator()->setObjectName(QStringLiteral("N5"));
    compareUnitItem_ = item(tools, nullptr, "MenuCompareUnit", &TuneTools::compareWithUnit);
    connect(tools, &QMenu::aboutToShow, this, &TuneTools::retranslate);
    retranslate();
}

TuneTools::~TuneTools() = default;

Language TuneTools::language() const
{
    return LanguageFromStored(window_.language());
}

QString TuneTools::text(present::CompareText id) const
{
    return qs(present::compareText(id, language()));
}

void TuneTools::retranslate()
{
    using present::CompareText;
    if (compareFileItem_)
        compareFileItem_->setText(text(CompareText::MenuCompareFile));
    if (historyItem_)
        historyItem_->setText(text(CompareText::MenuTuneHistory));
    if (compareUnitItem_)
        compareUnitItem_->setText(text(CompareText::MenuCompareUnit));
}

// ---- Autosave --------------------------------------------------------------

void TuneTools::committed()
{
    autosave_->commit(window_.image());
    // A first change after a quiet second goes out at once, not a tick later.
    autosave_->poll(AutosaveScheduler::Clock::now());
}

void TuneTools::flush()
{
    autosave_->flush();
}

void TuneTools::note(const QString& text)
{
    if (QStatusBar* bar = window_.statusBar())
        bar->showMessage(text, kNoteMs);
}

void TuneTools::ticked()
{
    autosave_->poll(AutosaveScheduler::Clock::now());
    if (auto failure = autosave_->takeFailure())
        note(text(present::CompareText::AutosaveFailed).arg(QString::fromStdString(*failure)));
    watchProgram();

    if (!readingUnit_)
        return;
    using Result = link::TransferEngine::ReadIntoResult;
    const Result result = window_.deviceLink().engine().readIntoResult();
    if (result == Result::Running)
        return;
    readingUnit_ = false;
    if (result != Result::Done)
        return;  // the status area says why (read error, version)
    // Not from inside the tick: a dialog opened there would hold the ticks.
    QTimer::singleShot(0, this, [this] {
        openCompare(&window_, unitImage_, text(present::CompareText::TitleUnit), present::CompareText::ColumnUnit);
    });
}

// ---- Tune history ----------------------------------------------------------

void TuneTools::watchProgram()
{
    const link::DeviceLink& link = window_.deviceLink();
    const link::TransferMode mode = link.transferMode();
    if (mode == link::TransferMode::Program) {
        programWatched_ = true;
        return;
    }
    if (!programWatched_ || mode == link::TransferMode::Verify)
        return;  // the check after a Program is still running
    if (mode != link::TransferMode::Idle || !link.engine().okPending()) {
        programWatched_ = false;  // failed, or another operation took over
        return;
    }
    // The unit saves before the result shows; the record waits for its OK.
    if (link.status().note() != link::StatusNote::ProgramOk)
        return;
    programWatched_ = false;
    recordProgram();
}

void TuneTools::recordProgram()
{
    const link::IdentTexts& ident = window_.deviceLink().identTexts();
    // The bike of the image that went to the unit, named as the list names it.
    TuneRecord record{.time = std::chrono::system_clock::now(),
                      .bike = BikeListRows::bikeName(window_.image(), language()),
                      .unitFirmware = ident.firmware,
                      .unitDate = ident.date,
                      .unitTime = ident.time};
    std::string error;
    if (!TuneHistory(window_.paths().historyFolder()).record(window_.image(), record, &error))
        note(text(present::CompareText::HistoryFailed).arg(QString::fromStdString(error)));
}

void TuneTools::showHistory()
{
    if (history_)
        return;
    window_.ReadControls();
    const ParamImage base = window_.image();
    auto* dialog =
        new HistoryDialog(&window_, TuneHistory(window_.paths().historyFolder()).list(base), base, language());
    dialog->setAttribute(Qt::WA_DeleteOnClose);
    history_ = dialog;
    connect(dialog, &HistoryDialog::compareRequested, this, [this, dialog](int index) {
        const TuneEntry& entry = dialog->entries().at(static_cast<std::size_t>(index));
        openCompare(dialog, entry.image,
                    text(present::CompareText::TitleEntry).arg(HistoryDialog::dateText(entry.record)),
                    present::CompareText::ColumnEntry);
    });
    connect(dialog, &HistoryDialog::loadRequested, this, [this, dialog](int index) {
        window_.image() = dialog->entries().at(static_cast<std::size_t>(index)).image;
        window_.CommitChange();
        dialog->accept();
    });
    dialog->open();
    emit dialogOpened(dialog);
}

// ---- Comparison ------------------------------------------------------------

void TuneTools::compareWithUnit()
{
    unitImage_ = window_.image();
    window_.deviceLink().startReadInto(unitImage_);
    readingUnit_ = true;
}

void TuneTools::compareWithFile()
{
    const QString path = window_.dialogs().openFileName(&window_, window_.lastFilePath());
    if (path.isEmpty())
        return;
    ParamImage other = window_.image();
    switch (LoadIgnFile(path.toStdString(), other)) {
        case IgnLoadResult::OpenError:
            window_.dialogs().showMessage(&window_, QString::fromStdString(window_.messages()[Msg::OpenFileError]),
                                          Dialogs::Kind::Error, ReadProblemDetail(path));
            return;
        case IgnLoadResult::UnmatchedVersion:
            window_.dialogs().showMessage(&window_, QString::fromStdString(window_.messages()[Msg::UnmatchedIgnFile]),
                                          Dialogs::Kind::Warning, path);
            return;
        case IgnLoadResult::Loaded:
            break;
    }
    openCompare(&window_, other, text(present::CompareText::TitleFile).arg(QFileInfo(path).fileName()),
                present::CompareText::ColumnFile);
}

void TuneTools::openCompare(QWidget* parent, const ParamImage& other, const QString& title, present::CompareText column)
{
    if (compare_)
        compare_->reject();
    // What the controls show is what the window holds, typed text included.
    window_.ReadControls();
    const present::ComparePresenter presenter(language(), window_.fieldPlaces());
    auto* dialog = new CompareDialog(parent, ImageDiff(window_.image(), other), presenter, title, column, true);
    dialog->setAttribute(Qt::WA_DeleteOnClose);
    compare_ = dialog;
    connect(dialog, &QDialog::accepted, this, [this, dialog] {
        // The choices become one change, normalised and undone as one.
        window_.image() = dialog->result();
        window_.CommitChange();
        if (history_)
            history_->accept();
    });
    dialog->open();
    emit dialogOpened(dialog);
}

}  // namespace tarvel::ui
