#include "TFormHlav.h"

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QCloseEvent>
#include <QComboBox>
#include <QDateTime>
#include <QDialog>
#include <QDir>
#include <QGroupBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QScreen>
#include <QSocketNotifier>
#include <QStatusBar>
#include <QStyle>
#include <QTabWidget>
#include <QToolButton>

#include "BarGauge.h"
#include "BeforeFirstInput.h"
#include "FieldControls.h"
#include "FileProblem.h"
#include "HintHandler.h"
#include "LabelAutoSizer.h"
#include "LogController.h"
#include "QtDialogs.h"
#include "SpinButton.h"
#include "UpDown.h"
#include "WindowBuilder.h"
#include "WindowPlacement.h"
#include "about/ManualLocation.h"
#include "compare/FieldPlaces.h"
#include "compare/TuneTools.h"
#include "lang/CaptionTable.h"
#include "lang/CaptionWriter.h"
#include "lang/LanguageCaptions.h"
#include "lang/LanguageChoice.h"
#include "model/KeyingPresets.h"
#include "model/LogSink.h"
#include "model/Normalise.h"
#include "present/Highlight.h"
#include "present/MessagePresenter.h"
#include "present/RangeNote.h"
#include "present/TitleComposer.h"
#include "print/PrintCommands.h"
#include "print/PrintHeader.h"
#include "print/SystemPagePrinter.h"
#include "print/WidgetPrintWindow.h"
#include "resources/Artwork.h"
#include "store/AppSettings.h"
#include "store/IgnFileReader.h"
#include "store/IgnFileWriter.h"
#include "store/SafeFileWriter.h"
#include "store/TestMarker.h"

namespace tarvel {

namespace {

const QColor kLime(0, 255, 0);
constexpr int kPortItems = 21;

void paintRole(QWidget* widget, QPalette::ColorRole role, const QColor& color)
{
    QPalette palette = widget->palette();
    palette.setColor(role, color);
    widget->setPalette(palette);
}

// Restores the colour the widget's role has in the application palette.
void repaintRole(QWidget* widget, QPalette::ColorRole role)
{
    paintRole(widget, role, QApplication::palette(widget).color(role));
}

}  // namespace

TFormHlav::TFormHlav(QWidget* parent, std::unique_ptr<link::SerialDevice> device, WindowBuilder::Pages pages)
    : QMainWindow(parent),
      dialogs_(std::make_unique<QtDialogs>()),
      link_(std::make_unique<link::DeviceLink>(image_, static_cast<link::LinkHost&>(*this), std::move(device))),
      paths_(AppPaths::fromEnvironment())
{
    setObjectName(QStringLiteral("FormHlav"));
    builder_ = std::make_unique<WindowBuilder>(this);
    // FormCreate shows the image in every edit before the window is shown.
    controls_ = builder_->build(WindowBuilder::StartTexts::LeaveToImage, pages);
    resize(WindowBuilder::kClientWidth, WindowBuilder::kClientHeight + menuBar()->sizeHint().height());

    timer1_.setObjectName(QStringLiteral("Timer1"));
    timer1_.setTimerType(Qt::PreciseTimer);
    timer1_.setInterval(kTimerMs);
    connect(&timer1_, &QTimer::timeout, this, &TFormHlav::Timer1Timer);
    applier_ = DisplayApplier(controls_);
    ui::ApplyToolGlyphs(*this);
    setWindowIcon(ui::ProgramIcon());
    pagePrinter_ = std::make_unique<ui::SystemPagePrinter>(this);
    logs_ = new LogController(this, controls_, *link_, paths_.folder);
    // The caption table's targets, found once.
    captions_ = std::make_unique<ui::CaptionWriter>(*this);
    connect(logs_, &LogController::titleNoteChanged, this, &TFormHlav::ComposeTitle);
    connect(logs_, &LogController::replayChanged, this, &TFormHlav::applyLinkState);
    if (builder_->allPagesFilled()) {
        finishPages();
    } else {
        notePageControls(controls_.PageControl1->widget(0));
        // The page the settings choose is filled when chosen; the others
        // after the first paint (see event()) or before the first input.
        connect(controls_.PageControl1, &QTabWidget::currentChanged, this, &TFormHlav::fillPage);
        beforeFirstInput_ = new BeforeFirstInput([this] { completePages(); }, this);
    }
    // "No connection with PC" shows until the watchdog's first tick decides.
    presentLink();
    ComposeTitle();
}

const ui::FieldPlaces& TFormHlav::fieldPlaces()
{
    completePages();
    return *fieldPlaces_;
}

void TFormHlav::fillPage(int page)
{
    if (!builder_ || builder_->pageFilled(page))
        return;
    // A page on show is hidden while it is filled: controls made in a shown
    // page would stay hidden, and the rules need to see them as in any page.
    QWidget* widget = controls_.PageControl1->widget(page);
    const bool onShow = widget->isVisible();
    if (onShow)
        widget->hide();
    builder_->fillPage(page);
    pagesFilled({widget});
    if (onShow)
        widget->show();
}

void TFormHlav::completePages()
{
    if (!builder_)
        return;
    QList<QWidget*> filled;
    for (int page = 0; page < WindowBuilder::kPageCount; ++page)
        if (builder_->fillPage(page))
            filled.append(controls_.PageControl1->widget(page));
    pagesFilled(filled);
}

void TFormHlav::pagesFilled(const QList<QWidget*>& pages)
{
    for (QWidget* page : pages)
        notePageControls(page);
    // The port menu's items are made by the start-up, not by the builder.
    const auto portMenuItems = controls_.tables.portMenuItems;
    controls_ = builder_->resolve();
    controls_.tables.portMenuItems = portMenuItems;
    applier_.attach(controls_);
    logs_->attachCurveGroup(controls_.GroupBox6);
    captions_ = std::make_unique<ui::CaptionWriter>(*this);
    if (wired_) {
        binding_.attach(controls_.fields);
        rules_ = EnablingRules(this, controls_);
        wireControls();
    }
    if (started_) {
        // What the start-up showed in the other pages: captions in the
        // language, the image, the rules and the operating point.
        const Language language = ui::LanguageFromStored(language_);
        for (QWidget* page : pages)
            ui::CaptionWriter(*page).write(language);
        ShowImage();
        applier_.apply(display_);
        // The lit controls of the new pages light up as well.
        const present::Highlight lit = lit_;
        lit_ = {};
        paintHighlight(lit);
    }
    if (builder_->allPagesFilled()) {
        restoreTabOrder();
        finishPages();
    }
}

void TFormHlav::finishPages()
{
    // The comparison report's labels are found now, with the rest.
    fieldPlaces_ = std::make_unique<ui::FieldPlaces>(builder_->index(), controls_.fields);
    builder_.reset();
    pageControls_.clear();
    if (beforeFirstInput_)
        beforeFirstInput_->deleteLater();
    emit pagesCompleted();
}

void TFormHlav::notePageControls(const QWidget* page)
{
    for (QWidget* control : page->findChildren<QWidget*>())
        pageControls_.insert(control);
}

void TFormHlav::restoreTabOrder()
{
    // In the design the pages' controls come page by page where the page
    // control stands, between the tool bar and the live column; pages filled
    // later joined at the end. Tab moves between the controls that take focus
    // only, so those are put back in order.
    QTabWidget* pageControl = controls_.PageControl1;
    const auto pageOf = [pageControl](const QWidget* w) {
        for (int page = 0; page < pageControl->count(); ++page)
            if (pageControl->widget(page)->isAncestorOf(w))
                return page;
        return -1;
    };
    QList<QWidget*> before;
    QList<QWidget*> after;
    std::array<QList<QWidget*>, WindowBuilder::kPageCount> byPage;
    bool pastPages = false;
    for (QWidget* w = nextInFocusChain(); w && w != this; w = w->nextInFocusChain()) {
        const int inPage = pageOf(w);
        // What was made in a page later (the advance curve) keeps its place.
        const int page = pageControls_.contains(w) ? inPage : -1;
        // The page control's own parts (the tab bar's arrows) come first.
        const bool partOfPageControl = inPage < 0 && (w == pageControl || pageControl->isAncestorOf(w));
        if (w->focusPolicy() != Qt::NoFocus) {
            if (page >= 0)
                byPage[static_cast<std::size_t>(page)].append(w);
            else
                (pastPages && !partOfPageControl ? after : before).append(w);
        }
        pastPages = pastPages || partOfPageControl;
    }
    QList<QWidget*> order = before;
    for (const auto& page : byPage)
        order += page;
    order += after;
    for (qsizetype i = 1; i < order.size(); ++i)
        QWidget::setTabOrder(order[i - 1], order[i]);
}

TFormHlav::~TFormHlav()
{
    timer1_.stop();
    for (UpDown* upDown : controls_.upDowns)
        if (upDown->buddy())
            upDown->buddy()->removeEventFilter(this);
}

void TFormHlav::FormCreate(const QStringList& arguments, const QString& programFolder)
{
    // 1: the edit tables came with the controls.
    BuildPortMenu();                                                      // 2
    hints_ = new HintHandler(this, menuBar(), controls_.StatusBarPanel);  // 3
    binding_.attach(controls_.fields);
    rules_ = EnablingRules(this, controls_);
    wireControls();
    wired_ = true;

    link_->port().portIndex = 1;  // 4
    image_[fld::bikeCode] = 20;   // 5
    chosenInList_ = false;
    ApplyKeyingPreset(image_, chosenInList_);
    centreWindow();                                                          // 6
    exeDirFile_ = QDir(programFolder).filePath(QStringLiteral("data.ign"));  // 7
    ui::SetManualAddresses(messages_, programFolder);
    LoadSettings();            // 8
    if (!arguments.isEmpty())  // 9
        if (auto chosen = ui::LanguageFromArgument(arguments.constFirst().toStdString()))
            language_ = static_cast<std::uint8_t>(*chosen);
    // 10: the connection watchdog starts at 18 silent ticks (the link's start value).
    normalise();                      // 11
    LoadMessages();                   // 12
    ShowImage();                      // 13
    undo_.init(image_, activeTab());  // 14
    UpdateUndoButtons();
    // The tick runs from here on, also behind a "Com opening error!" box, so
    // that the watchdog reopens the port while the box is open.
    timer1_.start();
    link_->openPort();  // 15
    if (closed_)
        return;       // ended while the port's message box was open
    ApplyCaptions();  // 16
    ShowImage();      // 17
    hideStatus();     // 18
    link_->status().setGaugeMax(2);
    presentLink();
    controls_.label(present::ControlId::LabelEeDataErr)->hide();
    controls_.label(present::ControlId::LabelVersion)->hide();
    testMode_ = ReadTestMarker(paths_.testMarkerFile());  // 19
    for (int i = 0; i < 8; ++i)
        controls_.label(static_cast<present::ControlId>(static_cast<int>(present::ControlId::LabelTest1) + i))
            ->setVisible(testMode_);
    ApplyRules();  // 20
    listenForLoader();
    started_ = true;
    tuneTools_ = new ui::TuneTools(*this);
}

void TFormHlav::FormClose()
{
    if (closed_)
        return;
    closed_ = true;
    timer1_.stop();
    logs_->stopRecording();
    link_->closePort();
    ReadControls();
    normalise();
    if (tuneTools_)
        tuneTools_->flush();
    SaveSettings();
    delete loaderNotifier_;
    loaderNotifier_ = nullptr;
    loader_.close();
}

void TFormHlav::closeEvent(QCloseEvent* event)
{
    FormClose();
    QMainWindow::closeEvent(event);
}

// ---- Tables --------------------------------------------------------------

void TFormHlav::BuildPortMenu()
{
    // The port items: "Com 1" .. "Com 20", then "Com Auto", in every language.
    QMenu* portMenu = controls_.MenuCom;
    for (int k = 0; k < kPortItems; ++k) {
        auto* item = new QAction(QStringLiteral("Com %1").arg(k + 1), this);
        item->setObjectName(k < 20 ? QStringLiteral("MenuCom%1").arg(k + 1) : QStringLiteral("MenuComAuto"));
        item->setCheckable(true);
        portMenu->addAction(item);
        controls_.tables.portMenuItems[k] = item;
        connect(item, &QAction::triggered, this, [this, item] { MenuCom1Click(item); });
    }
    controls_.tables.portMenuItems[20]->setText(QStringLiteral("Com Auto"));
}

// ---- Wiring --------------------------------------------------------------

void TFormHlav::wireControls()
{
    // Runs again for the controls of pages filled later: each control is
    // wired once.
    auto fresh = [this](const QObject* control) {
        if (!control || wiredObjects_.contains(control))
            return false;
        wiredObjects_.insert(control);
        return true;
    };
    // E and K on every edit, U on every up-down.
    for (UpDown* upDown : controls_.upDowns) {
        if (!fresh(upDown))
            continue;
        connect(upDown, &UpDown::clicked, this, &TFormHlav::UpDownClick);
        upDown->buddy()->installEventFilter(this);
        connect(upDown->buddy(), &QLineEdit::textEdited, this, [this, upDown] { noteRange(upDown); });
    }
    const WindowControls& c = controls_;
    // C: the check boxes that commit on release (keyboard toggles too).
    for (QCheckBox* box :
         {c.CheckBoxBuzDlouhe, c.CheckBoxInvInput1, c.CheckBoxInvInput2, c.CheckBoxTpsMapa, c.CheckBoxPrivEnable,
          c.CheckBoxGas, c.CheckBoxProgHned, c.CheckBoxAktLimiter1, c.CheckBoxAktTachoLambda, c.CheckBoxAktClutch,
          c.CheckBoxAktBlok1, c.CheckBoxAktBlok2, c.CheckBoxAktN2o})
        if (fresh(box)) {
            connect(box, &QCheckBox::clicked, this, &TFormHlav::CheckBoxMouseUp);
            if (box == c.CheckBoxGas)
                box->installEventFilter(this);
        }
    const ControlTables& t = c.tables;
    for (int ch = 0; ch < 4; ++ch)
        for (QCheckBox* box :
             {t.maxAdvEdge2Boxes[ch], t.startAdvEdge2Boxes[ch], t.maxAdvPickup2Boxes[ch], t.startAdvPickup2Boxes[ch]})
            if (fresh(box))
                connect(box, &QCheckBox::clicked, this, &TFormHlav::CheckBoxMouseUp);
    // Z: "No Reading" re-runs the rules on every change, also one made by ShowImage.
    if (fresh(c.CheckBoxZakazCteni))
        connect(c.CheckBoxZakazCteni, &QCheckBox::toggled, this, &TFormHlav::CheckBoxZakazCteniClick);
    // P and E of the lists: only a choice made by the user reports.
    if (fresh(c.ComboBoxBike))
        connect(c.ComboBoxBike, &QComboBox::activated, this, &TFormHlav::ComboBoxBikeChange);
    if (fresh(c.ComboBoxSynchro))
        connect(c.ComboBoxSynchro, &QComboBox::activated, this, &TFormHlav::ComboBoxBikeChange);
    if (fresh(c.ComboBoxNasobekPalcu))
        connect(c.ComboBoxNasobekPalcu, &QComboBox::activated, this, &TFormHlav::EditGasRpmMinExit);

    for (int r = 0; r < 10; ++r) {
        SpinButton* spin = c.spinButtons[static_cast<std::size_t>(r)];
        if (!fresh(spin))
            continue;
        connect(spin, &SpinButton::downClick, this, [this, r] { CSpinButtonDownClick(r); });
        connect(spin, &SpinButton::upClick, this, [this, r] { CSpinButtonUpClick(r); });
    }

    // A tool or push button and the menu item that do the same.
    auto onClick = [this, &fresh](QAbstractButton* button, QAction* item, void (TFormHlav::*handler)()) {
        if (fresh(button))
            connect(button, &QAbstractButton::clicked, this, handler);
        if (fresh(item))
            connect(item, &QAction::triggered, this, handler);
    };
    onClick(c.BitBtnAdvMinus, c.AdvanceMinus, &TFormHlav::BitBtnAdvMinusClick);
    onClick(c.BitBtnAdvPlus, c.AdvancePlus, &TFormHlav::BitBtnAdvPlusClick);
    onClick(c.BitBtnServoMinus, nullptr, &TFormHlav::BitBtnServoMinusClick);
    onClick(c.BitBtnServoPlus, nullptr, &TFormHlav::BitBtnServoPlusClick);
    onClick(c.BitBtnTps0, nullptr, &TFormHlav::BitBtnTps0Click);
    onClick(c.BitBtnTps100, nullptr, &TFormHlav::BitBtnTps100Click);
    onClick(c.SpeedButton6, c.MenuNew, &TFormHlav::MenuNewClick);
    onClick(c.SpeedButtonZpet, c.MenuZpet, &TFormHlav::SpeedButtonZpetClick);
    onClick(c.SpeedButtonZnovu, c.MenuZnovu, &TFormHlav::SpeedButtonZnovuClick);
    onClick(nullptr, c.MenuExit, &TFormHlav::MenuExitClick);
    onClick(c.ButtonRead, c.MenuRead, &TFormHlav::MenuReadClick);
    onClick(c.BitBtnVerify, c.MenuVerify, &TFormHlav::MenuVerifyClick);
    onClick(c.BitBtnProgram, c.MenuProgram, &TFormHlav::MenuProgramClick);
    onClick(c.SpeedButton5, c.MenuOpen, &TFormHlav::MenuOpenClick);
    onClick(nullptr, c.MenuOpenExeDir, &TFormHlav::MenuOpenExeDirClick);
    onClick(c.SpeedButton7, c.MenuSave, &TFormHlav::MenuSaveClick);
    onClick(nullptr, c.MenuSaveExeDir, &TFormHlav::MenuSaveExeDirClick);
    onClick(c.SpeedButtonPrint, c.MenuPrint, &TFormHlav::SpeedButtonPrintClick);
    onClick(nullptr, c.MenuPrintAll, &TFormHlav::MenuPrintAllClick);
    onClick(nullptr, c.MenuAbout, &TFormHlav::MenuAboutClick);
    onClick(nullptr, c.MenuContens, &TFormHlav::MenuContensClick);
    const ui::LanguageItems languages = languageItems();
    for (std::uint8_t i = 0; i < languages.size(); ++i)
        if (fresh(languages[i]))
            connect(languages[i], &QAction::triggered, this, [this, i] { MenuLanguageClick(i); });
}

ui::LanguageItems TFormHlav::languageItems() const
{
    return {controls_.MenuEnglish, controls_.MenuGerman, controls_.MenuFrench, controls_.MenuCzech};
}

bool TFormHlav::isMenuShortcut(const QKeySequence& keys) const
{
    for (const QAction* action : findChildren<QAction*>())
        if (!action->shortcut().isEmpty() && action->shortcut() == keys)
            return true;
    return false;
}

bool TFormHlav::eventFilter(QObject* watched, QEvent* event)
{
    switch (event->type()) {
        case QEvent::ShortcutOverride: {
            // The menu shortcuts win over the edit box's own keys (its text undo on Ctrl+Z).
            auto* key = static_cast<QKeyEvent*>(event);
            if (isMenuShortcut(QKeySequence(key->keyCombination()))) {
                event->ignore();
                return true;
            }
            break;
        }
        case QEvent::KeyPress: {
            auto* key = static_cast<QKeyEvent*>(event);
            if ((key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter) &&
                (key->modifiers() & ~Qt::KeypadModifier) == Qt::NoModifier) {
                FormKeyPress(qobject_cast<QWidget*>(watched));
                return true;
            }
            break;
        }
        case QEvent::FocusOut: {
            // Leaving an edit commits; losing the focus because showing the
            // image greyed or hid the edit does not (showing never commits).
            const auto reason = static_cast<QFocusEvent*>(event)->reason();
            if (qobject_cast<QLineEdit*>(watched) && reason != Qt::ActiveWindowFocusReason &&
                reason != Qt::PopupFocusReason && !showingImage_)
                EditGasRpmMinExit();
            break;
        }
        default:
            break;
    }
    return QMainWindow::eventFilter(watched, event);
}

bool TFormHlav::event(QEvent* event)
{
    // The status bar shows the hint handler's text only.
    if (event->type() == QEvent::StatusTip)
        return true;
    // The pages not shown yet are filled once the first paint has gone out.
    if (event->type() == QEvent::Paint && builder_ && !completionPosted_) {
        completionPosted_ = true;
        QMetaObject::invokeMethod(
            this,
            [this] {
                if (!closed_)
                    completePages();
            },
            Qt::QueuedConnection);
    }
    return QMainWindow::event(event);
}

// ---- Binding -------------------------------------------------------------

void TFormHlav::ReadControls()
{
    if (showingImage_)
        return;
    binding_.read(image_, testMode_);
    ApplyRules();
}

void TFormHlav::ShowImage()
{
    showingImage_ = true;
    binding_.show(image_);
    ApplyRules();
    showingImage_ = false;
}

void TFormHlav::CommitChange()
{
    normalise();
    ShowImage();
    const bool differed = undo_.push(image_, activeTab());
    UpdateUndoButtons();
    if (tuneTools_)
        tuneTools_->committed();
    if (!controls_.CheckBoxProgHned->isChecked()) {
        autoProgramArmed_ = false;
        return;
    }
    if (differed || autoProgramArmed_)
        startProgramming();
    autoProgramArmed_ = true;
}

void TFormHlav::ApplyRules()
{
    const link::IdentTexts& ident = link_->identTexts();
    rules_.apply(image_, RuleInputs{printing(),
                                    testMode_,
                                    {QString::fromStdString(ident.firmware), QString::fromStdString(ident.date),
                                     QString::fromStdString(ident.time)}});
    const link::OperatingPoint op = shownPoint();
    logs_->imageShown(image_, tpsMapChecked(), printing(), op.opBelowMap ? std::nullopt : std::optional(op));
}

void TFormHlav::startProgramming()
{
    ++programmingStarts_;
    link_->startProgram();
    emit programmingRequested();
}

// ---- Handlers ------------------------------------------------------------

void TFormHlav::UpDownClick()
{
    ReadControls();
    CommitChange();
}

void TFormHlav::EditGasRpmMinExit()
{
    // A number typed outside its range does not take; the status bar says why.
    for (UpDown* upDown : controls_.upDowns)
        noteRange(upDown);
    ReadControls();
    CommitChange();
}

void TFormHlav::noteRange(UpDown* upDown)
{
    const auto typed = upDown->buddy() ? upDown->parse(upDown->buddy()->text()) : std::nullopt;
    if (!typed || (*typed >= upDown->minimum() && *typed <= upDown->maximum()))
        return;
    const std::string note =
        present::rangeNote(ui::LanguageFromStored(language_), upDown->format(upDown->minimum()).toStdString(),
                           upDown->format(upDown->maximum()).toStdString());
    controls_.StatusBarPanel->setText(QString::fromStdString(note));
}

void TFormHlav::FormKeyPress(QWidget* source)
{
    // Enter moves to the next control and commits; leaving an edit commits by itself.
    focusNextChild();
    const bool editStillFocused = qobject_cast<QLineEdit*>(source) && source->hasFocus();
    if (!qobject_cast<QLineEdit*>(source) || editStillFocused) {
        ReadControls();
        CommitChange();
    }
}

void TFormHlav::CheckBoxMouseUp()
{
    ReadControls();
    ApplyRules();
    CommitChange();
}

void TFormHlav::CheckBoxZakazCteniClick()
{
    // ShowImage applies the rules once every control shows the new image.
    // Applied halfway, they would see the method list still showing the old
    // image and, in the 48-2 method, tie the new image's 2nd-edge flags to it.
    if (showingImage_)
        return;
    ReadControls();
    ApplyRules();
}

void TFormHlav::ComboBoxBikeChange()
{
    if (auto code = bikeCodeAtListPosition(controls_.ComboBoxBike->currentIndex()))
        image_[fld::bikeCode] = *code;
    const int method = controls_.ComboBoxSynchro->currentIndex();
    image_[fld::syncMode] = method < 0 ? 255 : static_cast<std::uint8_t>(method);
    chosenInList_ = true;
    ApplyKeyingPreset(image_, chosenInList_);
    ShowImage();
    CommitChange();
}

void TFormHlav::MenuNewClick()
{
    if (dialogs_->askYesNoCancel(this, QString::fromStdString(messages_[Msg::DefaultSettingQuestion])) !=
        Dialogs::Answer::Yes)
        return;
    chosenInList_ = false;
    ApplyKeyingPreset(image_, chosenInList_);
    CommitChange();
    hideStatus();
    setCurrentFileName(QString());
}

void TFormHlav::SpeedButtonZpetClick()
{
    if (auto snapshot = undo_.undo())
        restoreSnapshot(*snapshot);
}

void TFormHlav::SpeedButtonZnovuClick()
{
    if (auto snapshot = undo_.redo())
        restoreSnapshot(*snapshot);
}

void TFormHlav::restoreSnapshot(const UndoHistory::Snapshot& snapshot)
{
    image_ = snapshot.image;
    ShowImage();
    if (activeTab() != snapshot.tab && snapshot.tab < controls_.PageControl1->count())
        controls_.PageControl1->setCurrentIndex(snapshot.tab);
    UpdateUndoButtons();
    if (tuneTools_)
        tuneTools_->committed();
    // Undo and redo program at once, without waiting to be armed.
    if (controls_.CheckBoxProgHned->isChecked())
        startProgramming();
}

void TFormHlav::UpdateUndoButtons()
{
    const bool canUndo = undo_.canUndo();
    const bool canRedo = undo_.canRedo();
    controls_.SpeedButtonZpet->setEnabled(canUndo);
    controls_.MenuZpet->setEnabled(canUndo);
    controls_.SpeedButtonZnovu->setEnabled(canRedo);
    controls_.MenuZnovu->setEnabled(canRedo);
}

void TFormHlav::BitBtnAdvMinusClick()
{
    ReadControls();
    normalise();
    StepAdvance(image_, -1, controls_.CheckBoxIgnAll->isChecked(), operatingPoint());
    CommitChange();
}

void TFormHlav::BitBtnAdvPlusClick()
{
    ReadControls();
    normalise();
    StepAdvance(image_, +1, controls_.CheckBoxIgnAll->isChecked(), operatingPoint());
    CommitChange();
}

void TFormHlav::BitBtnServoMinusClick()
{
    ReadControls();
    StepServo(image_, -1, controls_.CheckBoxServoAll->isChecked(), operatingPoint());
    CommitChange();
}

void TFormHlav::BitBtnServoPlusClick()
{
    ReadControls();
    StepServo(image_, +1, controls_.CheckBoxServoAll->isChecked(), operatingPoint());
    CommitChange();
}

void TFormHlav::BitBtnTps0Click()
{
    if (CaptureTps0(image_, link_->liveValues().liveTpsMv))
        CommitChange();
}

void TFormHlav::BitBtnTps100Click()
{
    if (CaptureTps100(image_, link_->liveValues().liveTpsMv))
        CommitChange();
}

void TFormHlav::CSpinButtonDownClick(int column)
{
    ReadControls();
    StepAdvanceColumn(image_, column, -1);
    CommitChange();
}

void TFormHlav::CSpinButtonUpClick(int column)
{
    ReadControls();
    StepAdvanceColumn(image_, column, +1);
    CommitChange();
}

void TFormHlav::MenuCom1Click(QAction* item)
{
    // The menu toggled the clicked item by itself; the marks change only when
    // the port is opened (not at all while the firmware loader holds it).
    refreshPortChecks();
    for (int k = 0; k < kPortItems; ++k)
        if (controls_.tables.portMenuItems[k] == item) {
            link_->choosePort(k);
            break;
        }
}

void TFormHlav::refreshPortChecks()
{
    portMenuChecked(link_->port().portIndex);
}

void TFormHlav::MenuExitClick()
{
    close();
}

void TFormHlav::Timer1Timer()
{
    if (closed_)
        return;  // a tick behind a box that the shut-down closed
    ++ticks_;
    // A tick may run inside a box that an outer tick opened.
    const bool outer = inTick_;
    inTick_ = true;
    link_->tick();
    inTick_ = outer;
    logs_->ticked();
    statusPresenter_.ticked();
    applyLinkState();
    if (tuneTools_)
        tuneTools_->ticked();
}

void TFormHlav::presentLink()
{
    // A replay shows its records as if they came from the unit; live frames
    // wait, and the last of them is shown again when the replay closes.
    if (logs_ && logs_->replaying()) {
        if (logs_->replayRevision() != replayShown_) {
            replayShown_ = logs_->replayRevision();
            livePresenter_.setStale(false);
            livePresenter_.showSample(logs_->replaySample(), image_, messages_);
        }
    } else {
        if (logs_ && logs_->replayRevision() != replayShown_) {
            replayShown_ = logs_->replayRevision();
            framesShown_ = link_->monitorFrames() - 1;
            // No frame yet: the design, captions and placeholders, as before
            // the replay; nothing replayed stays.
            if (link_->monitorFrames() == 0) {
                framesShown_ = 0;
                livePresenter_.showNoSample();
                showLiveCaptions(ui::LanguageFromStored(language_));
            }
        }
        if (link_->monitorFrames() != framesShown_) {
            framesShown_ = link_->monitorFrames();
            livePresenter_.showSample(link_->liveSample(), image_, messages_);
        }
        if (link_->connectionLost())
            livePresenter_.setStale(true);
    }
    statusPresenter_.update(link_->status(), link_->connectionLost());
    applier_.apply(display_);
}

void TFormHlav::applyLinkState()
{
    presentLink();
    const bool replaying = logs_ && logs_->replaying();
    const std::uint32_t opRevision = replaying ? logs_->replayRevision() : link_->operatingPointRevision();
    if (opRevision != opRevision_ || replaying != opFromReplay_) {
        opRevision_ = opRevision;
        opFromReplay_ = replaying;
        applyHighlight();
        const link::OperatingPoint op = shownPoint();
        logs_->pointMoved(op.opBelowMap ? std::nullopt : std::optional(op));
    } else if (replaying) {
        // The replayed point follows an edit of the axes as the live one does.
        applyHighlight();
    }
    // The rules show the unit's identification texts.
    if (link_->engine().identRevision() != identRevision_) {
        identRevision_ = link_->engine().identRevision();
        ApplyRules();
    }
}

// ---- Device commands -----------------------------------------------------

void TFormHlav::MenuReadClick()
{
    link_->startRead();
    setCurrentFileName(QString());
    applyLinkState();
}

void TFormHlav::MenuVerifyClick()
{
    ReadControls();
    normalise();
    ShowImage();
    link_->startVerify();
    applyLinkState();
}

void TFormHlav::MenuProgramClick()
{
    ReadControls();
    normalise();
    ShowImage();
    link_->startProgram();
    applyLinkState();
}

// ---- File commands -------------------------------------------------------

void TFormHlav::MenuOpenClick()
{
    openParameterFile(openDialogFile_);
}

void TFormHlav::MenuOpenExeDirClick()
{
    openDialogFile_ = saveDialogFile_ = exeDirFile_;
    openParameterFile(openDialogFile_);
}

void TFormHlav::MenuSaveClick()
{
    saveParameterFile(saveDialogFile_);
}

void TFormHlav::MenuSaveExeDirClick()
{
    openDialogFile_ = saveDialogFile_ = exeDirFile_;
    saveParameterFile(saveDialogFile_);
}

bool TFormHlav::openParameterFile(const QString& proposed)
{
    bool loaded = false;
    const QString path = dialogs_->openFileName(this, proposed);
    if (!path.isEmpty()) {
        switch (LoadIgnFile(path.toStdString(), image_)) {
            case IgnLoadResult::OpenError:
                dialogs_->showMessage(this, QString::fromStdString(messages_[Msg::OpenFileError]), Dialogs::Kind::Error,
                                      ReadProblemDetail(path));
                break;
            case IgnLoadResult::UnmatchedVersion:
                dialogs_->showMessage(this, QString::fromStdString(messages_[Msg::UnmatchedIgnFile]),
                                      Dialogs::Kind::Warning, path);
                break;
            case IgnLoadResult::Loaded:
                CommitChange();
                rememberFile(path);
                loaded = true;
                break;
        }
    }
    hideStatus();
    return loaded;
}

bool TFormHlav::saveParameterFile(const QString& proposed)
{
    const QString path = dialogs_->saveFileName(this, proposed);
    if (path.isEmpty())
        return false;
    // The file is replaced only by a complete, checked write; until then the
    // previous file stays as it was.
    SafeFileWriter file(path.toStdString());
    if (!file.open()) {
        log::write(log::Area::Ui, "parameter file not saved: " + file.error());
        dialogs_->showMessage(this, QString::fromStdString(messages_[Msg::OpenFileError]), Dialogs::Kind::Error,
                              QString::fromStdString(file.error()));
        return false;
    }
    ReadControls();
    normalise();
    ShowImage();
    if (!file.write(IgnFileText(image_)) || !file.commit()) {
        log::write(log::Area::Ui, "parameter file not saved: " + file.error());
        dialogs_->showMessage(this, QString::fromStdString(messages_[Msg::OpenFileError]), Dialogs::Kind::Error,
                              QString::fromStdString(file.error()));
        return false;
    }
    rememberFile(path);
    return true;
}

void TFormHlav::rememberFile(const QString& path)
{
    // The file opened or saved last is the current file, and both dialogs
    // propose it next time.
    lastFilePath_ = path;
    openDialogFile_ = saveDialogFile_ = path;
    setCurrentFileName(path);
}

// ---- Settings ------------------------------------------------------------

void TFormHlav::LoadSettings()
{
    // Every integer key defaults to the value in force now.
    FormSettings form;
    form.left = x();
    form.top = y();
    form.height = height();
    form.width = width();
    // The port keys hold index + 1 but default to the bare index, so that a
    // missing ComPort gives COM1 and a missing ComPortAuto 255 (repaired to 0).
    form.comPort = link_->port().portIndex;
    form.comPortAuto = link_->port().scanIndex;
    form.language = language_;
    form.activePageIndex = controls_.PageControl1->currentIndex();
    ::tarvel::LoadSettings(paths_, form, image_);

    move(form.left, form.top);
    resize(form.width, form.height);
    keepOnScreen();
    link_->port().portIndex = form.portIndex();
    link_->port().scanIndex = form.scanIndex();
    language_ = form.languageIndex();
    currentFileName_ = QString::fromStdString(form.file);
    lastFilePath_ = QString::fromStdString(form.iniDir);
    openDialogFile_ = saveDialogFile_ = lastFilePath_;
    if (form.activePageIndex >= 0 && form.activePageIndex < controls_.PageControl1->count())
        controls_.PageControl1->setCurrentIndex(form.activePageIndex);

    // Devices standing in for port names (read only; never written back).
    const ProfileFile profile = LoadSettingsFile(paths_);
    link_->ports().loadOverrides(
        [&](const std::string& key) { return profile.value(link::PortTable::kSettingsSection, key); });
    setPortHints();
}

void TFormHlav::SaveSettings()
{
    FormSettings form;
    form.left = x();
    form.top = y();
    form.height = height();
    form.width = width();
    form.setPortIndex(link_->port().portIndex);
    form.setScanIndex(link_->port().scanIndex);
    form.language = language_;
    form.file = currentFileName_.toStdString();
    form.iniDir = lastFilePath_.toStdString();
    form.activePageIndex = controls_.PageControl1->currentIndex();
    const SaveSettingsResult result = ::tarvel::SaveSettings(paths_, form, image_);
    if (!result.settingsWritten)
        qWarning("%s", result.settingsError.c_str());
    if (!result.stateDumpWritten)
        qWarning("Unable to write to %s", paths_.stateDumpFile().c_str());
}

void TFormHlav::setPortHints()
{
    for (int k = 0; k < link::kPortCount; ++k)
        HintHandler::setHint(controls_.tables.portMenuItems[k],
                             QString::fromStdString(link_->ports().devicePath(k + 1)));
    HintHandler::setHint(controls_.tables.portMenuItems[link::kAutoPortIndex],
                         QStringLiteral("%1 .. %2")
                             .arg(QString::fromStdString(link_->ports().devicePath(1)),
                                  QString::fromStdString(link_->ports().devicePath(link::kPortCount))));
}

void TFormHlav::listenForLoader()
{
    const auto path = link::loaderSocketPath(paths_.folder);
    if (!loader_.listen(path)) {
        // Another instance listens there (the link logs it too): the loader cannot reach this one.
        qWarning("%s", loader_.error().c_str());
        return;
    }
    loaderNotifier_ = new QSocketNotifier(loader_.fd(), QSocketNotifier::Read, this);
    connect(loaderNotifier_, &QSocketNotifier::activated, this, [this] {
        link_->handleLoaderMessages(loader_);
        applyLinkState();
    });
}

// ---- LinkHost ------------------------------------------------------------

void TFormHlav::normaliseAndShowImage()
{
    normalise();
    ShowImage();
}

void TFormHlav::portOpenFailed(const link::DeviceOpenFailure& failure)
{
    showLinkBox(present::MessagePresenter::portOpenFailed(failure, messages_, ui::LanguageFromStored(language_)));
}

void TFormHlav::unitVersionMismatch(int unitVersion)
{
    showLinkBox(present::MessagePresenter::unitVersionMismatch(unitVersion, messages_));
}

void TFormHlav::showLinkBox(const present::MessageBoxText& box)
{
    // Qt does not deliver a timer's event again while its handler runs, so a
    // box opened inside the tick would stop the ticks until it is closed. A
    // second timer goes on ticking behind such a box; the link has left its
    // state consistent before asking and finishes its step once the box is
    // closed (after the version mismatch: Idle again, countdown 0).
    std::unique_ptr<QTimer> behindBox;
    if (inTick_) {
        behindBox = std::make_unique<QTimer>();
        behindBox->setTimerType(Qt::PreciseTimer);
        behindBox->setInterval(kTimerMs);
        connect(behindBox.get(), &QTimer::timeout, this, &TFormHlav::Timer1Timer);
        behindBox->start();
    }
    dialogs_->showMessage(this, QString::fromStdString(box.text), Dialogs::Kind::Error,
                          QString::fromStdString(box.detail));
}

void TFormHlav::releaseNoteChanged(bool shown)
{
    setTitleSuffix(QString::fromStdString(present::loaderNote(shown, messages_)));
}

bool TFormHlav::tpsMapChecked() const
{
    if (controls_.CheckBoxTpsMapa)
        return controls_.CheckBoxTpsMapa->isChecked();
    // Its page is not filled yet: the box would show the image's switch.
    static const std::optional<FieldControl> box = fieldForControl(QStringLiteral("CheckBoxTpsMapa"));
    return box && box->field->controlValue(image_, box->element) != 0;
}

void TFormHlav::portLabelChanged(const std::string& label, const std::string& devicePath)
{
    QLabel* com = controls_.LabelCom;
    com->setText(QString::fromStdString(label));
    HintHandler::setHint(com, QString::fromStdString(devicePath));
}

void TFormHlav::portMenuChecked(int portIndex)
{
    for (int k = 0; k < kPortItems; ++k)
        if (QAction* item = controls_.tables.portMenuItems[k])
            item->setChecked(k == portIndex);
}

void TFormHlav::setPrinting(bool on)
{
    statusPresenter_.setPrinting(on);
    presentLink();
}

void TFormHlav::normalise()
{
    NormaliseImage(image_, language_, link_->port().portIndex, link_->port().scanIndex);
}

// ---- Texts ---------------------------------------------------------------

void TFormHlav::ApplyCaptions()
{
    // The captions compose the plain title: a loader's note goes with them.
    titleSuffix_.clear();
    const Language language = ui::LanguageFromStored(language_);
    ui::ApplyCaptions(*this, *captions_, languageItems(), language, messages_, currentFileName_);
    logs_->setLanguage(language);  // composes the title again while a replay runs
    showLiveCaptions(language);
}

void TFormHlav::showLiveCaptions(Language language)
{
    // The live labels with a designed caption show it until the next frame;
    // while no unit is connected the placeholders follow.
    std::vector<present::LiveCaption> captions;
    for (const ui::CaptionRow& row : ui::captionRows())
        if (row.kind == ui::CaptionKind::Caption)
            if (const auto id = present::controlByName(row.target))
                captions.push_back(
                    {*id, ui::WithoutAccelerator(QString::fromStdString(row.composed(language))).toStdString()});
    livePresenter_.showCaptions(captions);
    const bool noUnit = statusPresenter_.connectionShown();
    livePresenter_.showPlaceholders(present::captionPlaceholders(), messages_, noUnit);
    livePresenter_.showPlaceholders(present::messagePlaceholders(), messages_, noUnit);
    applier_.apply(display_);
    WindowBuilder::fitToolBar(controls_);
}

void TFormHlav::LoadMessages()
{
    ui::LoadMessages(*this, ui::LanguageFromStored(language_), messages_);
    livePresenter_.showPlaceholders(present::messagePlaceholders(), messages_, statusPresenter_.connectionShown());
    applier_.apply(display_);
}

void TFormHlav::MenuLanguageClick(std::uint8_t language)
{
    language_ = language;
    ApplyCaptions();
    ShowImage();
}

// ---- Printing, about box, help -------------------------------------------

void TFormHlav::SpeedButtonPrintClick()
{
    print(false);
}

void TFormHlav::MenuPrintAllClick()
{
    print(true);
}

// The print commands' view of the window: the capture and the tabs are the
// widget tree's; the printing flag, the header and the countdown go to the
// presentation layer and the link's status area, so that the ticks keep the
// header on show.
class MainPrintWindow : public ui::WidgetPrintWindow {
public:
    // The client area at its design size, also when the window shows less of it.
    explicit MainPrintWindow(TFormHlav& window) : WidgetPrintWindow(partsOf(window.controls_), {}), window_(window) {}

    // A tab never opened yet has labels not sized to their text.
    QImage captureClientArea() override
    {
        LabelAutoSizer::ensureSized(window_.controls_.ClientArea);
        return WidgetPrintWindow::captureClientArea();
    }
    void setPrinting(bool printing) override { window_.setPrinting(printing); }
    void applyRules() override { window_.ApplyRules(); }
    void showPrintHeader(const QString& header) override
    {
        window_.statusPresenter_.showPrintHeader(window_.link_->status(), header.toStdString());
        window_.presentLink();
    }
    void restoreStatusBackground() override
    {
        window_.statusPresenter_.restoreStatusBackground(window_.link_->status());
        window_.presentLink();
    }
    void setMessageTicks(int ticks) override
    {
        window_.link_->status().messageTicks = static_cast<std::uint8_t>(ticks);
    }
    void hideProgressGauge() override
    {
        window_.statusPresenter_.hideProgressGauge(window_.link_->status());
        window_.presentLink();
    }

private:
    static Parts partsOf(const WindowControls& c)
    {
        using present::ControlId;
        return {.clientArea = c.ClientArea,
                .status = c.label(ControlId::LabelHlaseni),
                .connection = c.label(ControlId::LabelSpojeni),
                .gauge = c.gauge(ControlId::CGaugeProgram),
                .verify = c.BitBtnVerify,
                .pages = c.PageControl1,
                .tabPages = {c.TabSheetRuzne, c.TabSheetBike, c.TabSheetAdvance, c.TabSheetServo, c.TabSheet_Gas}};
    }

    TFormHlav& window_;
};

void TFormHlav::print(bool allTabs)
{
    completePages();
    MainPrintWindow target(*this);
    ui::PrintCommands commands(target, *pagePrinter_);
    const QString header =
        ui::PrintHeader(QString::fromStdString(messages_[Msg::PrintDateTime]), QDateTime::currentDateTime());
    const ui::PrintOutcome outcome = allTabs ? commands.printAllTabs(header) : commands.printOpenTab(header);
    if (outcome == ui::PrintOutcome::NoPrinter || outcome == ui::PrintOutcome::Failed)
        dialogs_->showMessage(this,
                              ui::PrintProblemText(outcome == ui::PrintOutcome::NoPrinter,
                                                   ui::LanguageFromStored(language_), pagePrinter_->lastError()),
                              outcome == ui::PrintOutcome::NoPrinter ? Dialogs::Kind::Warning : Dialogs::Kind::Error);
}

void TFormHlav::setPagePrinter(std::unique_ptr<ui::PagePrinter> printer)
{
    pagePrinter_ = std::move(printer);
}

void TFormHlav::MenuAboutClick()
{
    if (about_)
        about_->exec();
}

void TFormHlav::MenuContensClick()
{
    ui::ManualOpener opener(manualOpen_, [this](const QString& text) { dialogs_->showMessage(this, text); });
    opener.open(messages_);
}

void TFormHlav::ComposeTitle()
{
    QString title = ui::ComposeWindowTitle(currentFileName_, titleSuffix_);
    if (logs_ && logs_->replaying())
        title += QStringLiteral("   ") + logs_->titleNote();
    setWindowTitle(title);
}

void TFormHlav::setCurrentFileName(const QString& path)
{
    currentFileName_ = path;
    ComposeTitle();
}

void TFormHlav::setTitleSuffix(const QString& suffix)
{
    titleSuffix_ = suffix;
    ComposeTitle();
}

void TFormHlav::setDialogs(std::unique_ptr<Dialogs> dialogs)
{
    dialogs_ = std::move(dialogs);
}

// ---- Helpers -------------------------------------------------------------

std::uint8_t TFormHlav::activeTab() const
{
    return static_cast<std::uint8_t>(qMax(0, controls_.PageControl1->currentIndex()));
}

void TFormHlav::hideStatus()
{
    link_->status().setLabelVisible(false);
    link_->status().setGaugeVisible(false);
    presentLink();
}

void TFormHlav::keepOnScreen()
{
    QList<QRect> areas;
    QScreen* primary = QGuiApplication::primaryScreen();
    if (primary)
        areas << primary->availableGeometry();
    for (QScreen* screen : QGuiApplication::screens())
        if (screen != primary)
            areas << screen->availableGeometry();
    // Before the window is first shown its frame is not known yet; a usual
    // title bar and border are assumed then.
    const QRect outer = frameGeometry();
    const QRect inner = geometry();
    const QMargins frame = outer != inner ? QMargins(inner.left() - outer.left(), inner.top() - outer.top(),
                                                     outer.right() - inner.right(), outer.bottom() - inner.bottom())
                                          : QMargins(4, 28, 4, 4);
    const int scrollBar = style()->pixelMetric(QStyle::PM_ScrollBarExtent, nullptr, this);
    const QRect placed = PlaceWindow(QRect(pos(), size()), areas, frame, scrollBar);
    if (placed.size() != size())
        resize(placed.size());
    if (placed.topLeft() != pos())
        move(placed.topLeft());
}

void TFormHlav::centreWindow()
{
    const QScreen* screen = this->screen() ? this->screen() : QGuiApplication::primaryScreen();
    if (!screen)
        return;
    const QRect area = screen->geometry();
    move((area.width() - frameGeometry().width()) / 2, (area.height() - frameGeometry().height()) / 2);
}

link::OperatingPoint TFormHlav::shownPoint() const
{
    // A replay's point is found the way the link finds the live one.
    if (logs_ && logs_->replaying())
        return link::computeOperatingPoint(image_, logs_->replayValues().liveRpm, logs_->replayValues().liveTpsPercent,
                                           tpsMapChecked());
    return link_->operatingPoint();
}

ToolPoint TFormHlav::operatingPoint() const
{
    const link::OperatingPoint op = shownPoint();
    return ToolPoint{
        .tpsRow = op.opTpsRow, .rpmColumn = op.opRpmColumn, .servoColumn = op.opServoColumn, .belowMap = op.opBelowMap};
}

void TFormHlav::applyHighlight()
{
    paintHighlight(present::highlightOf(operatingPoint()));
}

void TFormHlav::paintHighlight(const present::Highlight& lit)
{
    auto repaint = [](QWidget* w, QPalette::ColorRole role, bool on) {
        if (!w)
            return;
        if (on)
            paintRole(w, role, kLime);
        else
            repaintRole(w, role);
    };
    auto at = [](const auto& row, int i) -> QWidget* { return i >= 0 && i < 10 ? row[i] : nullptr; };

    if (lit.mapColumn != lit_.mapColumn) {
        repaint(at(controls_.tables.mapRpmEdits, lit_.mapColumn), QPalette::Base, false);
        repaint(at(controls_.tables.mapRpmEdits, lit.mapColumn), QPalette::Base, true);
    }
    if (lit.tpsRow != lit_.tpsRow) {
        repaint(at(controls_.tables.tpsRowLabels, lit_.tpsRow), QPalette::Window, false);
        repaint(at(controls_.tables.tpsRowLabels, lit.tpsRow), QPalette::Window, true);
    }
    if (lit.servoColumn != lit_.servoColumn) {
        for (const auto* row : {&controls_.tables.servoRpmEdits, &controls_.tables.servoMvEdits}) {
            repaint(at(*row, lit_.servoColumn), QPalette::Base, false);
            repaint(at(*row, lit.servoColumn), QPalette::Base, true);
        }
    }
    if (lit.cellRow != lit_.cellRow || lit.cellColumn != lit_.cellColumn) {
        if (lit_.cellRow >= 0)
            repaint(at(controls_.tables.advanceEdits[lit_.cellRow], lit_.cellColumn), QPalette::Base, false);
        if (lit.cellRow >= 0)
            repaint(at(controls_.tables.advanceEdits[lit.cellRow], lit.cellColumn), QPalette::Base, true);
    }
    lit_ = lit;
}

}  // namespace tarvel
