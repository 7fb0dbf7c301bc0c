#include "TFormHlav.h"

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QCloseEvent>
#include <QComboBox>
#include <QDir>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QScreen>
#include <QStatusBar>
#include <QTabWidget>
#include <QToolButton>

#include "BarGauge.h"
#include "HintHandler.h"
#include "QtDialogs.h"
#include "SpinButton.h"
#include "UpDown.h"
#include "WindowBuilder.h"
#include "model/KeyingPresets.h"
#include "model/Normalise.h"

namespace tarvel {

namespace {

const QColor kLime(0, 255, 0);
constexpr int kPortItems = 21;
const QString kTitleGap = QStringLiteral("       ");  // seven spaces

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

template <typename T>
T* TFormHlav::control(const QString& name) const
{
    T* widget = findChild<T*>(name);
    Q_ASSERT_X(widget, "TFormHlav::control", qPrintable(name));
    return widget;
}

TFormHlav::TFormHlav(QWidget* parent) : QMainWindow(parent), dialogs_(std::make_unique<QtDialogs>())
{
    setObjectName(QStringLiteral("FormHlav"));
    WindowBuilder(this).build();
    resize(WindowBuilder::kClientWidth, WindowBuilder::kClientHeight + menuBar()->sizeHint().height());

    pages_ = control<QTabWidget>(QStringLiteral("PageControl1"));
    progHned_ = control<QCheckBox>(QStringLiteral("CheckBoxProgHned"));
    ignAll_ = control<QCheckBox>(QStringLiteral("CheckBoxIgnAll"));
    servoAll_ = control<QCheckBox>(QStringLiteral("CheckBoxServoAll"));
    bikeList_ = control<QComboBox>(QStringLiteral("ComboBoxBike"));
    synchroList_ = control<QComboBox>(QStringLiteral("ComboBoxSynchro"));
    labelHlaseni_ = control<QLabel>(QStringLiteral("LabelHlaseni"));
    gaugeProgram_ = control<BarGauge>(QStringLiteral("CGaugeProgram"));

    timer1_.setObjectName(QStringLiteral("Timer1"));
    timer1_.setTimerType(Qt::PreciseTimer);
    timer1_.setInterval(kTimerMs);
    connect(&timer1_, &QTimer::timeout, this, &TFormHlav::Timer1Timer);
    ComposeTitle();
}

TFormHlav::~TFormHlav() = default;

void TFormHlav::FormCreate(const QStringList& arguments, const QString& programFolder)
{
    BuildEditTables();                                                                       // 1
    BuildUpDownTables();                                                                     // 2
    hints_ = new HintHandler(this, menuBar(), control<QLabel>(QStringLiteral("StatusBarPanel")));  // 3
    binding_.attach(this);
    rules_ = EnablingRules(this, tables_);
    wireControls();

    portIndex_ = 1;                                                                          // 4
    image_[fld::bikeCode] = 20;                                                              // 5
    chosenInList_ = false;
    ApplyKeyingPreset(image_, chosenInList_);
    centreWindow();                                                                          // 6
    exeDirFile_ = QDir(programFolder).filePath(QStringLiteral("data.ign"));                  // 7
    // 8: the settings and the state dump.
    if (!arguments.isEmpty()) {                                                              // 9
        const QString words[] = {QStringLiteral("ENGLISH"), QStringLiteral("DEUTSCH"), QStringLiteral("FRANCE"),
                                 QStringLiteral("CESKY")};
        for (int i = 0; i < 4; ++i)
            if (arguments.constFirst() == words[i]) {
                language_ = static_cast<std::uint8_t>(i);
                break;
            }
    }
    // 10: the connection watchdog starts counting.
    NormaliseImage(image_, language_, portIndex_, scanIndex_);                               // 11
    LoadMessages();                                                                          // 12
    ShowImage();                                                                             // 13
    undo_.init(image_, activeTab());                                                         // 14
    UpdateUndoButtons();
    // 15: the serial port.
    refreshPortChecks();
    ApplyCaptions();                                                                         // 16
    ShowImage();                                                                             // 17
    hideStatus();                                                                            // 18
    gaugeProgram_->setMaximum(2);
    control(QStringLiteral("LabelEeDataErr"))->hide();
    control(QStringLiteral("LabelVersion"))->hide();
    for (int i = 1; i <= 8; ++i)                                                             // 19
        control(QStringLiteral("LabelTest%1").arg(i))->setVisible(testMode_);
    ApplyRules();                                                                            // 20
    timer1_.start();
}

void TFormHlav::FormClose()
{
    if (closed_)
        return;
    closed_ = true;
    timer1_.stop();
    ReadControls();
    NormaliseImage(image_, language_, portIndex_, scanIndex_);
}

void TFormHlav::closeEvent(QCloseEvent* event)
{
    FormClose();
    QMainWindow::closeEvent(event);
}

// ---- Tables --------------------------------------------------------------

void TFormHlav::BuildEditTables()
{
    auto edit = [this](const QString& name) { return control<QLineEdit>(name); };
    for (int i = 0; i < 10; ++i) {
        tables_.tpsRowLabels[i] = control<QLabel>(QStringLiteral("LabelTps%1").arg(i + 1));
        tables_.mapRpmEdits[i] = edit(QStringLiteral("EditRpmAdv%1").arg(i + 1));
        tables_.servoRpmEdits[i] = edit(QStringLiteral("EditRpmPriv%1").arg(i + 1));
        tables_.servoMvEdits[i] = edit(QStringLiteral("EditNapPriv%1").arg(i + 1));
        for (int r = 0; r < 10; ++r)
            tables_.advanceEdits[i][r] = edit(QStringLiteral("Edit%1").arg(50 + 10 * i + r));
    }
    for (int c = 0; c < 4; ++c) {
        tables_.maxAdvLobeEdits[c] = edit(QStringLiteral("EditPalec%1Zac").arg(c + 1));
        tables_.startAdvLobeEdits[c] = edit(QStringLiteral("EditPalec%1End").arg(c + 1));
    }
}

void TFormHlav::BuildUpDownTables()
{
    auto box = [this](const QString& name) { return control<QCheckBox>(name); };
    auto upDown = [this](const QString& name) { return control<UpDown>(name); };
    for (int c = 0; c < 4; ++c) {
        const QString stem = QStringLiteral("Palec%1").arg(c + 1);
        tables_.maxAdvEdge2Boxes[c] = box(QStringLiteral("CheckBox") + stem + QStringLiteral("ZacH2"));
        tables_.startAdvEdge2Boxes[c] = box(QStringLiteral("CheckBox") + stem + QStringLiteral("EndH2"));
        tables_.maxAdvPickup2Boxes[c] = box(QStringLiteral("CheckBox") + stem + QStringLiteral("ZacP2"));
        tables_.startAdvPickup2Boxes[c] = box(QStringLiteral("CheckBox") + stem + QStringLiteral("EndP2"));
        tables_.advanceLabels[c] = control<QLabel>(QStringLiteral("LabelAdvance%1").arg(c + 1));
        tables_.maxAdvLobeUpDowns[c] = upDown(QStringLiteral("UpDown") + stem + QStringLiteral("Zac"));
        tables_.startAdvLobeUpDowns[c] = upDown(QStringLiteral("UpDown") + stem + QStringLiteral("End"));
    }
    for (int i = 0; i < 10; ++i) {
        tables_.mapRpmUpDowns[i] = upDown(QStringLiteral("UpDownRpmAdv%1").arg(i + 1));
        tables_.servoRpmUpDowns[i] = upDown(QStringLiteral("UpDownRpmPriv%1").arg(i + 1));
        tables_.servoMvUpDowns[i] = upDown(QStringLiteral("UpDownNapPriv%1").arg(i + 1));
        for (int r = 0; r < 10; ++r)
            tables_.advanceUpDowns[i][r] = upDown(QStringLiteral("UpDown%1").arg(50 + 10 * i + r));
    }

    // The port items: "Com 1" .. "Com 20", then "Com Auto", in every language.
    QMenu* portMenu = control<QMenu>(QStringLiteral("MenuCom"));
    for (int k = 0; k < kPortItems; ++k) {
        auto* item = new QAction(QStringLiteral("Com %1").arg(k + 1), this);
        item->setObjectName(k < 20 ? QStringLiteral("MenuCom%1").arg(k + 1) : QStringLiteral("MenuComAuto"));
        item->setCheckable(true);
        portMenu->addAction(item);
        tables_.portMenuItems[k] = item;
        connect(item, &QAction::triggered, this, [this, item] { MenuCom1Click(item); });
    }
    tables_.portMenuItems[20]->setText(QStringLiteral("Com Auto"));
}

// ---- Wiring --------------------------------------------------------------

void TFormHlav::wireControls()
{
    // E and K on every edit, U on every up-down.
    for (UpDown* upDown : findChildren<UpDown*>()) {
        connect(upDown, &UpDown::clicked, this, &TFormHlav::UpDownClick);
        upDown->buddy()->installEventFilter(this);
    }
    // C: the check boxes that commit on release (keyboard toggles too).
    const QStringList committing = {
        QStringLiteral("CheckBoxBuzDlouhe"),  QStringLiteral("CheckBoxInvInput1"),  QStringLiteral("CheckBoxInvInput2"),
        QStringLiteral("CheckBoxTpsMapa"),    QStringLiteral("CheckBoxPrivEnable"), QStringLiteral("CheckBoxGas"),
        QStringLiteral("CheckBoxProgHned"),   QStringLiteral("CheckBoxAktLimiter1"), QStringLiteral("CheckBoxAktTachoLambda"),
        QStringLiteral("CheckBoxAktClutch"),  QStringLiteral("CheckBoxAktBlok1"),   QStringLiteral("CheckBoxAktBlok2"),
        QStringLiteral("CheckBoxAktN2o")};
    for (const QString& name : committing)
        connect(control<QCheckBox>(name), &QCheckBox::clicked, this, &TFormHlav::CheckBoxMouseUp);
    for (int c = 0; c < 4; ++c)
        for (QCheckBox* box : {tables_.maxAdvEdge2Boxes[c], tables_.startAdvEdge2Boxes[c], tables_.maxAdvPickup2Boxes[c],
                               tables_.startAdvPickup2Boxes[c]})
            connect(box, &QCheckBox::clicked, this, &TFormHlav::CheckBoxMouseUp);
    control<QCheckBox>(QStringLiteral("CheckBoxGas"))->installEventFilter(this);
    // Z: "No Reading" re-runs the rules on every change, also one made by ShowImage.
    connect(control<QCheckBox>(QStringLiteral("CheckBoxZakazCteni")), &QCheckBox::toggled, this,
            &TFormHlav::CheckBoxZakazCteniClick);
    // P and E of the lists: only a choice made by the user reports.
    connect(bikeList_, &QComboBox::activated, this, &TFormHlav::ComboBoxBikeChange);
    connect(synchroList_, &QComboBox::activated, this, &TFormHlav::ComboBoxBikeChange);
    connect(control<QComboBox>(QStringLiteral("ComboBoxNasobekPalcu")), &QComboBox::activated, this,
            &TFormHlav::EditGasRpmMinExit);

    for (int r = 0; r < 10; ++r) {
        auto* spin = control<SpinButton>(QStringLiteral("CSpinButton%1").arg(r + 1));
        connect(spin, &SpinButton::downClick, this, [this, r] { CSpinButtonDownClick(r); });
        connect(spin, &SpinButton::upClick, this, [this, r] { CSpinButtonUpClick(r); });
    }

    auto onClick = [this](const QString& name, void (TFormHlav::*handler)()) {
        QObject* sender = findChild<QObject*>(name);
        if (auto* button = qobject_cast<QAbstractButton*>(sender))
            connect(button, &QAbstractButton::clicked, this, handler);
        else if (auto* action = qobject_cast<QAction*>(sender))
            connect(action, &QAction::triggered, this, handler);
        Q_ASSERT_X(sender, "wireControls", qPrintable(name));
    };
    onClick(QStringLiteral("BitBtnAdvMinus"), &TFormHlav::BitBtnAdvMinusClick);
    onClick(QStringLiteral("AdvanceMinus"), &TFormHlav::BitBtnAdvMinusClick);
    onClick(QStringLiteral("BitBtnAdvPlus"), &TFormHlav::BitBtnAdvPlusClick);
    onClick(QStringLiteral("AdvancePlus"), &TFormHlav::BitBtnAdvPlusClick);
    onClick(QStringLiteral("BitBtnServoMinus"), &TFormHlav::BitBtnServoMinusClick);
    onClick(QStringLiteral("BitBtnServoPlus"), &TFormHlav::BitBtnServoPlusClick);
    onClick(QStringLiteral("BitBtnTps0"), &TFormHlav::BitBtnTps0Click);
    onClick(QStringLiteral("BitBtnTps100"), &TFormHlav::BitBtnTps100Click);
    onClick(QStringLiteral("SpeedButton6"), &TFormHlav::MenuNewClick);
    onClick(QStringLiteral("MenuNew"), &TFormHlav::MenuNewClick);
    onClick(QStringLiteral("SpeedButtonZpet"), &TFormHlav::SpeedButtonZpetClick);
    onClick(QStringLiteral("MenuZpet"), &TFormHlav::SpeedButtonZpetClick);
    onClick(QStringLiteral("SpeedButtonZnovu"), &TFormHlav::SpeedButtonZnovuClick);
    onClick(QStringLiteral("MenuZnovu"), &TFormHlav::SpeedButtonZnovuClick);
    onClick(QStringLiteral("MenuExit"), &TFormHlav::MenuExitClick);
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
            const auto reason = static_cast<QFocusEvent*>(event)->reason();
            if (qobject_cast<QLineEdit*>(watched) && reason != Qt::ActiveWindowFocusReason &&
                reason != Qt::PopupFocusReason)
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
    NormaliseImage(image_, language_, portIndex_, scanIndex_);
    ShowImage();
    const bool differed = undo_.push(image_, activeTab());
    UpdateUndoButtons();
    if (!progHned_->isChecked()) {
        autoProgramArmed_ = false;
        return;
    }
    if (differed || autoProgramArmed_)
        startProgramming();
    autoProgramArmed_ = true;
}

void TFormHlav::ApplyRules()
{
    rules_.apply(image_, RuleInputs{printing_, testMode_, identTexts_});
}

void TFormHlav::startProgramming()
{
    ++programmingStarts_;
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
    ReadControls();
    CommitChange();
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
    ReadControls();
    ApplyRules();
}

void TFormHlav::ComboBoxBikeChange()
{
    if (auto code = bikeCodeAtListPosition(bikeList_->currentIndex()))
        image_[fld::bikeCode] = *code;
    const int method = synchroList_->currentIndex();
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
    if (activeTab() != snapshot.tab && snapshot.tab < pages_->count())
        pages_->setCurrentIndex(snapshot.tab);
    UpdateUndoButtons();
    // Undo and redo program at once, without waiting to be armed.
    if (progHned_->isChecked())
        startProgramming();
}

void TFormHlav::UpdateUndoButtons()
{
    const bool canUndo = undo_.canUndo();
    const bool canRedo = undo_.canRedo();
    control(QStringLiteral("SpeedButtonZpet"))->setEnabled(canUndo);
    control<QAction>(QStringLiteral("MenuZpet"))->setEnabled(canUndo);
    control(QStringLiteral("SpeedButtonZnovu"))->setEnabled(canRedo);
    control<QAction>(QStringLiteral("MenuZnovu"))->setEnabled(canRedo);
}

void TFormHlav::BitBtnAdvMinusClick()
{
    ReadControls();
    NormaliseImage(image_, language_, portIndex_, scanIndex_);
    StepAdvance(image_, -1, ignAll_->isChecked(), operatingPoint_);
    CommitChange();
}

void TFormHlav::BitBtnAdvPlusClick()
{
    ReadControls();
    NormaliseImage(image_, language_, portIndex_, scanIndex_);
    StepAdvance(image_, +1, ignAll_->isChecked(), operatingPoint_);
    CommitChange();
}

void TFormHlav::BitBtnServoMinusClick()
{
    ReadControls();
    StepServo(image_, -1, servoAll_->isChecked(), operatingPoint_);
    CommitChange();
}

void TFormHlav::BitBtnServoPlusClick()
{
    ReadControls();
    StepServo(image_, +1, servoAll_->isChecked(), operatingPoint_);
    CommitChange();
}

void TFormHlav::BitBtnTps0Click()
{
    if (CaptureTps0(image_, liveTpsMv_))
        CommitChange();
}

void TFormHlav::BitBtnTps100Click()
{
    if (CaptureTps100(image_, liveTpsMv_))
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
    for (int k = 0; k < kPortItems; ++k)
        if (tables_.portMenuItems[k] == item) {
            portIndex_ = static_cast<std::uint8_t>(k);
            break;
        }
    refreshPortChecks();
}

void TFormHlav::refreshPortChecks()
{
    for (int k = 0; k < kPortItems; ++k)
        if (QAction* item = tables_.portMenuItems[k])
            item->setChecked(k == portIndex_);
}

void TFormHlav::MenuExitClick()
{
    close();
}

void TFormHlav::Timer1Timer()
{
    applyHighlight();
}

// ---- Texts ---------------------------------------------------------------

void TFormHlav::ApplyCaptions()
{
    const QString languageItems[] = {QStringLiteral("MenuEnglish"), QStringLiteral("MenuGerman"),
                                     QStringLiteral("MenuFrench"), QStringLiteral("MenuCzech")};
    for (int i = 0; i < 4; ++i)
        control<QAction>(languageItems[i])->setChecked(i == language_);
    ComposeTitle();
    messages_.loadCaptionMessages(static_cast<Language>(language_ <= 3 ? language_ : 0));
    LoadMessages();
}

void TFormHlav::LoadMessages()
{
    messages_.loadMessages(static_cast<Language>(language_ <= 3 ? language_ : 0));
}

void TFormHlav::ComposeTitle()
{
    setWindowTitle(QString::fromUtf8(kTitlePrefix.data(), static_cast<qsizetype>(kTitlePrefix.size())) + kTitleGap +
                   currentFileName_ + titleSuffix_);
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
    return static_cast<std::uint8_t>(qMax(0, pages_->currentIndex()));
}

void TFormHlav::hideStatus()
{
    labelHlaseni_->hide();
    gaugeProgram_->hide();
}

void TFormHlav::centreWindow()
{
    const QScreen* screen = this->screen() ? this->screen() : QGuiApplication::primaryScreen();
    if (!screen)
        return;
    const QRect area = screen->geometry();
    move((area.width() - frameGeometry().width()) / 2, (area.height() - frameGeometry().height()) / 2);
}

void TFormHlav::applyHighlight()
{
    const ToolPoint& p = operatingPoint_;
    const int rpmColumn = p.belowMap ? -1 : p.rpmColumn;
    const int tpsRow = p.tpsRow;
    const int servoColumn = p.servoColumn;

    auto repaint = [](QWidget* w, QPalette::ColorRole role, bool lit) {
        if (!w)
            return;
        if (lit)
            paintRole(w, role, kLime);
        else
            repaintRole(w, role);
    };
    auto edit = [](const auto& row, int i) -> QWidget* { return i >= 0 && i < 10 ? row[i] : nullptr; };

    if (rpmColumn != litRpmColumn_) {
        repaint(edit(tables_.mapRpmEdits, litRpmColumn_), QPalette::Base, false);
        repaint(edit(tables_.mapRpmEdits, rpmColumn), QPalette::Base, true);
        litRpmColumn_ = rpmColumn;
    }
    if (tpsRow != litTpsRow_) {
        repaint(edit(tables_.tpsRowLabels, litTpsRow_), QPalette::Window, false);
        repaint(edit(tables_.tpsRowLabels, tpsRow), QPalette::Window, true);
        litTpsRow_ = tpsRow;
    }
    if (servoColumn != litServoColumn_) {
        repaint(edit(tables_.servoRpmEdits, litServoColumn_), QPalette::Base, false);
        repaint(edit(tables_.servoMvEdits, litServoColumn_), QPalette::Base, false);
        repaint(edit(tables_.servoRpmEdits, servoColumn), QPalette::Base, true);
        repaint(edit(tables_.servoMvEdits, servoColumn), QPalette::Base, true);
        litServoColumn_ = servoColumn;
    }
    const int cellRow = rpmColumn >= 0 ? tpsRow : -1;
    const int cellColumn = rpmColumn;
    if (cellRow != litCellRow_ || cellColumn != litCellColumn_) {
        if (litCellRow_ >= 0 && litCellRow_ < 10)
            repaint(edit(tables_.advanceEdits[litCellRow_], litCellColumn_), QPalette::Base, false);
        if (cellRow >= 0 && cellRow < 10)
            repaint(edit(tables_.advanceEdits[cellRow], cellColumn), QPalette::Base, true);
        litCellRow_ = cellRow;
        litCellColumn_ = cellColumn;
    }
}

}  // namespace tarvel
