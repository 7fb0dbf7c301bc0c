// The main window. It owns the parameter image and everything around it for
// the whole run: the controls and their tables, the binding between the two,
// the enabling rules, the undo history, the message table and the file names.
// Event handlers are thin forwarders named after their control and event.
#pragma once

#include <QDialog>
#include <QMainWindow>
#include <QPointer>
#include <QSet>
#include <QStringList>
#include <QTimer>

#include <array>
#include <memory>

#include "ControlBinding.h"
#include "ControlTables.h"
#include "Dialogs.h"
#include "DisplayApplier.h"
#include "EnablingRules.h"
#include "WindowBuilder.h"
#include "WindowControls.h"
#include "about/ManualOpener.h"
#include "lang/LanguageCaptions.h"
#include "link/DeviceLink.h"
#include "link/LinkHost.h"
#include "link/LoaderSocket.h"
#include "model/EditTools.h"
#include "model/Messages.h"
#include "model/ParamImage.h"
#include "model/UndoHistory.h"
#include "present/DisplayState.h"
#include "present/Highlight.h"
#include "present/LivePresenter.h"
#include "present/MessagePresenter.h"
#include "present/StatusPresenter.h"
#include "print/PagePrinter.h"
#include "store/AppPaths.h"

class QCheckBox;
class QComboBox;
class QLabel;
class QSocketNotifier;
class QTabWidget;

namespace tarvel {

class HintHandler;
class LogController;
class UpDown;
namespace ui {
class CaptionWriter;
class FieldPlaces;
class TuneTools;
}  // namespace ui

class TFormHlav : public QMainWindow, private link::LinkHost {
    Q_OBJECT
public:
    static constexpr int kTimerMs = 55;
    static constexpr int kPortAuto = 20;

    // The serial devices of the system, or `device` (a simulated unit in tests).
    // With `pages` FirstOnly the window starts with the tab page it shows
    // first and fills the others right after its first paint (or before
    // anything needs them: the user's first input, a tab change, printing,
    // a comparison); the program starts so. All fills every page at once.
    explicit TFormHlav(QWidget* parent = nullptr, std::unique_ptr<link::SerialDevice> device = nullptr,
                       WindowBuilder::Pages pages = WindowBuilder::Pages::All);
    ~TFormHlav() override;

    // The start-up sequence; `arguments` are the command-line arguments after
    // the program name, `programFolder` the folder of the executable.
    void FormCreate(const QStringList& arguments, const QString& programFolder);
    // The shut-down sequence; runs once, from the close of the window or when
    // the program is asked to end.
    void FormClose();

    // Binding between the image and the controls.
    void ReadControls();
    void ShowImage();
    void CommitChange();
    void ApplyRules();

    // Event handlers.
    void UpDownClick();
    void EditGasRpmMinExit();
    void FormKeyPress(QWidget* source);
    void CheckBoxMouseUp();
    void CheckBoxZakazCteniClick();
    void ComboBoxBikeChange();
    void MenuNewClick();
    void SpeedButtonZpetClick();
    void SpeedButtonZnovuClick();
    void UpdateUndoButtons();
    void BitBtnAdvMinusClick();
    void BitBtnAdvPlusClick();
    void BitBtnServoMinusClick();
    void BitBtnServoPlusClick();
    void BitBtnTps0Click();
    void BitBtnTps100Click();
    void CSpinButtonDownClick(int column);
    void CSpinButtonUpClick(int column);
    void MenuCom1Click(QAction* item);
    void MenuReadClick();
    void MenuVerifyClick();
    void MenuProgramClick();
    void MenuOpenClick();
    void MenuOpenExeDirClick();
    void MenuSaveClick();
    void MenuSaveExeDirClick();
    void MenuExitClick();
    void SpeedButtonPrintClick();
    void MenuPrintAllClick();
    void MenuLanguageClick(std::uint8_t language);
    void MenuAboutClick();
    void MenuContensClick();
    void Timer1Timer();

    // Captions and messages in the current language, from the language tables.
    void ApplyCaptions();
    void LoadMessages();
    // Two spaces, the product title, seven spaces, the current file, and the
    // note appended while an outside loader holds the port.
    void ComposeTitle();

    // State.
    ParamImage& image() { return image_; }
    const ControlTables& tables() const { return controls_.tables; }
    // Every control the program touches, as the builder resolved them.
    const WindowControls& controls() const { return controls_; }
    // Where each field's control sits and what its label says (for the comparison).
    const ui::FieldPlaces& fieldPlaces();
    // Fills every tab page still empty; then every control is there.
    void completePages();
    bool pagesComplete() const { return !builder_; }
    const MessageTable& messages() const { return messages_; }
    const UndoHistory& undoHistory() const { return undo_; }
    std::uint8_t language() const { return language_; }
    void setLanguage(std::uint8_t language) { language_ = language; }
    std::uint8_t portIndex() const { return link_->port().portIndex; }
    std::uint8_t scanIndex() const { return link_->port().scanIndex; }
    link::DeviceLink& deviceLink() { return *link_; }
    const AppPaths& paths() const { return paths_; }
    // Whether the shut-down has run (the window may then only be destroyed).
    bool closedForGood() const { return closed_; }
    bool testMode() const { return testMode_; }
    void setTestMode(bool on) { testMode_ = on; }
    bool printing() const { return statusPresenter_.printing(); }
    void setPrinting(bool on);
    // What the window shows of the live column and the status area.
    const present::DisplayState& display() const { return display_; }
    bool autoProgramArmed() const { return autoProgramArmed_; }
    const QString& currentFileName() const { return currentFileName_; }
    void setCurrentFileName(const QString& path);
    const QString& lastFilePath() const { return lastFilePath_; }
    const QString& exeDirFile() const { return exeDirFile_; }
    void setTitleSuffix(const QString& suffix);
    void setDialogs(std::unique_ptr<Dialogs> dialogs);
    // Where the print commands send their pages (the default printer unless set).
    void setPagePrinter(std::unique_ptr<ui::PagePrinter> printer);
    // How "Contents..." opens the manual (the desktop's opener unless set).
    void setManualOpener(ui::ManualOpener::OpenFn open) { manualOpen_ = std::move(open); }
    // The about box, created by the program entry once the window is.
    void setAboutBox(QDialog* about) { about_ = about; }
    Dialogs& dialogs() { return *dialogs_; }

    // The operating point the tools and the highlight use: the link's, or
    // while a replay runs the replayed one.
    ToolPoint operatingPoint() const;
    // Lights the map cell, axis edits and row label of the operating point,
    // touching only the controls whose colour changes.
    void applyHighlight();
    // Lights `lit`, putting out what was lit before and is not now.
    void paintHighlight(const present::Highlight& lit);

    // Recording, replay, charts and the advance curve.
    LogController& logs() { return *logs_; }

    QTimer& timer1() { return timer1_; }
    // Ticks run so far (those behind a box included).
    int ticksRun() const { return ticks_; }
    int programmingStarts() const { return programmingStarts_; }
    // Comparison, tune history and autosave (created at the end of the start-up).
    ui::TuneTools* tuneTools() const { return tuneTools_; }

signals:
    // Programming of the unit was started by "Programming after change",
    // undo or redo.
    void programmingRequested();
    // Every tab page is filled now (emitted once, when the last one is).
    void pagesCompleted();

private:
    // LinkHost: what the device link asks of the window.
    void normaliseAndShowImage() override;
    void portOpenFailed(const link::DeviceOpenFailure& failure) override;
    void unitVersionMismatch(int unitVersion) override;
    void releaseNoteChanged(bool shown) override;
    void applyCaptions() override { ApplyCaptions(); }
    bool tpsMapChecked() const override;
    void portLabelChanged(const std::string& label, const std::string& devicePath) override;
    void portMenuChecked(int portIndex) override;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    bool event(QEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    // A modal error box for the link; ticks go on behind it.
    void showLinkBox(const present::MessageBoxText& box);
    void BuildPortMenu();
    ui::LanguageItems languageItems() const;
    void wireControls();
    // Fills tab page `page` if it is still empty.
    void fillPage(int page);
    // Hands the controls of newly filled pages to everything that uses them.
    void pagesFilled(const QList<QWidget*>& pages);
    // Once every page is filled: what needs all controls, and the builder goes.
    void finishPages();
    // Tab goes through the pages' controls in the order of the design, also
    // when the pages were filled later than the rest of the window.
    void restoreTabOrder();
    void notePageControls(const QWidget* page);
    void centreWindow();
    // Within the available area of a screen, title bar included.
    void keepOnScreen();
    // The status bar names the range of `upDown` while its edit holds a
    // number outside it.
    void noteRange(UpDown* upDown);
    void startProgramming();
    bool isMenuShortcut(const QKeySequence& keys) const;
    void restoreSnapshot(const UndoHistory::Snapshot& snapshot);
    std::uint8_t activeTab() const;
    void hideStatus();
    void refreshPortChecks();
    void normalise();
    void applyLinkState();
    void LoadSettings();
    void SaveSettings();
    void listenForLoader();
    void setPortHints();
    bool openParameterFile(const QString& proposed);
    bool saveParameterFile(const QString& proposed);
    void rememberFile(const QString& path);
    void print(bool allTabs);
    // Hands the link's typed state to the presentation layer and applies
    // what changed to the widgets.
    void presentLink();
    link::OperatingPoint shownPoint() const;
    // The designed captions and placeholders of the live column.
    void showLiveCaptions(Language language);
    friend class MainPrintWindow;

    ParamImage image_{};
    UndoHistory undo_;
    MessageTable messages_;
    WindowControls controls_;
    // Until every tab page is filled.
    std::unique_ptr<WindowBuilder> builder_;
    QPointer<QObject> beforeFirstInput_;
    bool completionPosted_ = false;
    // Set once the start-up has wired the controls, and once it has shown
    // captions and image: a page filled later gets them too.
    bool wired_ = false;
    bool started_ = false;
    QSet<const QObject*> wiredObjects_;
    // The controls the builder made in the pages (until all are filled).
    QSet<const QWidget*> pageControls_;
    std::unique_ptr<ui::CaptionWriter> captions_;
    std::unique_ptr<ui::FieldPlaces> fieldPlaces_;
    ControlBinding binding_;
    EnablingRules rules_;
    std::unique_ptr<Dialogs> dialogs_;
    std::unique_ptr<ui::PagePrinter> pagePrinter_;
    ui::ManualOpener::OpenFn manualOpen_ = &ui::ManualOpener::OpenWithDesktop;
    QPointer<QDialog> about_;
    HintHandler* hints_ = nullptr;
    ui::TuneTools* tuneTools_ = nullptr;
    QTimer timer1_;
    std::unique_ptr<link::DeviceLink> link_;
    LogController* logs_ = nullptr;
    std::uint32_t replayShown_ = 0;
    bool opFromReplay_ = false;
    present::DisplayState display_;
    present::LivePresenter livePresenter_{display_};
    present::StatusPresenter statusPresenter_{display_, messages_};
    DisplayApplier applier_;
    std::uint32_t framesShown_ = 0;
    AppPaths paths_;
    link::LoaderListener loader_;
    QSocketNotifier* loaderNotifier_ = nullptr;
    std::uint32_t opRevision_ = 0;
    std::uint32_t identRevision_ = 0;

    bool showingImage_ = false;
    bool inTick_ = false;
    bool autoProgramArmed_ = false;
    bool chosenInList_ = false;
    bool testMode_ = false;
    bool closed_ = false;
    std::uint8_t language_ = 0;
    QString currentFileName_;
    QString lastFilePath_;
    QString openDialogFile_;  // the file name each file dialog proposes
    QString saveDialogFile_;
    QString exeDirFile_;
    QString titleSuffix_;

    int programmingStarts_ = 0;
    int ticks_ = 0;

    // What the highlight lit last, so that a tick repaints only what moved.
    present::Highlight lit_;
};

}  // namespace tarvel
