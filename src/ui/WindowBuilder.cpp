#include "WindowBuilder.h"

#include <algorithm>

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMainWindow>
#include <QMenuBar>
#include <QPushButton>
#include <QScrollArea>
#include <QStatusBar>
#include <QTabWidget>
#include <QToolButton>

#include "BarGauge.h"
#include "BikeListRows.h"
#include "ControlIndex.h"
#include "FieldControls.h"
#include "HintHandler.h"
#include "LabelAutoSizer.h"
#include "PageControlStyle.h"
#include "RequiredControl.h"
#include "SpinButton.h"
#include "UpDown.h"
#include "model/ParamImage.h"

namespace tarvel {

namespace build {

QFont designFont(int pixelSize, bool bold)
{
    QFont font = QApplication::font();
    font.setPixelSize(pixelSize);
    font.setBold(bold);
    return font;
}

QLabel* label(QWidget* parent, const QString& name, const QString& text, int x, int y, int pixelSize, bool bold)
{
    auto* label = new QLabel(text, parent);
    label->setObjectName(name);
    if (pixelSize != 11 || bold)
        label->setFont(designFont(pixelSize, bold));
    label->move(x, y);
    LabelAutoSizer::watch(label);
    return label;
}

QGroupBox* group(QWidget* parent, const QString& name, const QString& title, int x, int y, int w, int h)
{
    auto* box = new QGroupBox(title, parent);
    box->setObjectName(name);
    box->setGeometry(x, y, w, h);
    return box;
}

UpDown* numeric(QWidget* parent, const QString& upDownName, int x, int y, int editWidth)
{
    const auto bound = fieldForControl(upDownName);
    if (!bound || bound->field->kind != ControlKind::UpDown)
        missingControl(upDownName, "UpDown of the field table");
    const FieldDescriptor& field = *bound->field;

    auto* edit = new QLineEdit(parent);
    edit->setObjectName(QString::fromStdString(field.editName(bound->element)));
    edit->setGeometry(x, y, editWidth, WindowBuilder::kEditHeight);

    auto* upDown = new UpDown(edit, field.minimum(bound->element), field.max, field.step, field.thousands, parent);
    upDown->setObjectName(upDownName);
    upDown->setGeometry(x + editWidth, y, WindowBuilder::kUpDownWidth, WindowBuilder::kEditHeight);
    return upDown;
}

QCheckBox* check(QWidget* parent, const QString& name, const QString& text, int x, int y)
{
    auto* box = new QCheckBox(text, parent);
    box->setObjectName(name);
    box->move(x, y);
    LabelAutoSizer::watch(box);
    return box;
}

QPushButton* button(QWidget* parent, const QString& name, const QString& text, int x, int y, int w, int h)
{
    auto* button = new QPushButton(text, parent);
    button->setObjectName(name);
    button->setGeometry(x, y, w, h);
    button->setAutoDefault(false);
    return button;
}

QComboBox* list(QWidget* parent, const QString& name, const QStringList& rows, int x, int y, int w, int visibleRows)
{
    auto* combo = new QComboBox(parent);
    combo->setObjectName(name);
    combo->addItems(rows);
    combo->setMaxVisibleItems(visibleRows);
    combo->setGeometry(x, y, w, WindowBuilder::kEditHeight);
    return combo;
}

BarGauge* gauge(QWidget* parent, const QString& name, int x, int y, int w, int h, int maximum, const QColor& color)
{
    auto* gauge = new BarGauge(parent);
    gauge->setObjectName(name);
    gauge->setGeometry(x, y, w, h);
    gauge->setRange(0, maximum);
    gauge->setForeColor(color);
    return gauge;
}

// A label whose background colour is set by the live displays and the rules.
void paintedBackground(QLabel* label, const QColor& color)
{
    label->setAutoFillBackground(true);
    QPalette palette = label->palette();
    palette.setColor(QPalette::Window, color);
    label->setPalette(palette);
}

}  // namespace build

using namespace build;

namespace {

// A numeric field: the up-down's name, its label, the label's English caption
// and the edit's position. The label stands right of the up-down unless given.
struct FieldSpot {
    const char* upDown;
    const char* label;
    const char* caption;
    int x, y;
    int labelX = -1, labelY = -1;
};

void placeFields(QWidget* parent, std::initializer_list<FieldSpot> spots)
{
    for (const FieldSpot& spot : spots) {
        numeric(parent, QString::fromLatin1(spot.upDown), spot.x, spot.y, WindowBuilder::kFieldEditWidth);
        const int lx =
            spot.labelX >= 0 ? spot.labelX : spot.x + WindowBuilder::kFieldEditWidth + WindowBuilder::kUpDownWidth + 2;
        const int ly = spot.labelY >= 0 ? spot.labelY : spot.y + 4;
        label(parent, QString::fromLatin1(spot.label), QString::fromUtf8(spot.caption), lx, ly);
    }
}

// x of the ten speed columns of the map axis, the servo rows, the cells and the spin buttons.
constexpr int kAxisX[10] = {44, 103, 162, 222, 281, 340, 399, 459, 518, 577};
constexpr int kCellX[10] = {51, 110, 169, 229, 288, 347, 406, 466, 525, 584};
constexpr int kSpinX[10] = {63, 122, 181, 241, 300, 359, 418, 478, 537, 596};
constexpr int kAxisEditWidth = 40;
constexpr int kCellWidth = 30;

}  // namespace

WindowBuilder::WindowBuilder(QMainWindow* window) : window_(window) {}

WindowBuilder::~WindowBuilder() = default;

WindowControls WindowBuilder::build(StartTexts startTexts, Pages pages)
{
    startTexts_ = startTexts;
    buildMenus();

    // The client area keeps its design size; in a window smaller than that
    // (a small or high-density screen) it scrolls, in a larger one it grows.
    auto* scroller = new QScrollArea(window_);
    scroller->setObjectName(QStringLiteral("ClientScroller"));
    scroller->setFrameShape(QFrame::NoFrame);
    scroller->setWidgetResizable(true);
    auto* client = new QWidget(scroller);
    client->setObjectName(QStringLiteral("ClientArea"));
    client->setMinimumSize(kClientWidth, kClientHeight - kStatusBarHeight);
    scroller->setWidget(client);
    window_->setCentralWidget(scroller);

    buildToolBar(client);
    auto* connection =
        label(client, QStringLiteral("LabelSpojeni"), QStringLiteral("No connection with PC"), 480, 9, 23, true);
    paintedBackground(connection, Qt::red);
    connection->setMinimumHeight(29);
    QWidget* pageControl = buildPageControl(client);
    fillPage(0);
    if (pages == Pages::All)
        for (int page = 1; page < kPageCount; ++page)
            fillPage(page);
    buildLiveColumn(client);
    buildStatusArea(client);
    pageControl->raise();

    auto* statusBar = new QStatusBar(window_);
    statusBar->setObjectName(QStringLiteral("StatusBar1"));
    statusBar->setFixedHeight(kStatusBarHeight);
    statusBar->setSizeGripEnabled(false);
    auto* panel = new QLabel(statusBar);
    panel->setObjectName(QStringLiteral("StatusBarPanel"));
    statusBar->addWidget(panel, 1);
    window_->setStatusBar(statusBar);

    return resolve();
}

bool WindowBuilder::allPagesFilled() const
{
    return std::all_of(filled_.begin(), filled_.end(), [](bool filled) { return filled; });
}

bool WindowBuilder::fillPage(int page)
{
    if (page < 0 || page >= kPageCount || filled_[static_cast<std::size_t>(page)])
        return false;
    filled_[static_cast<std::size_t>(page)] = true;
    fillPageContent(page, pages_[static_cast<std::size_t>(page)]);
    return true;
}

WindowControls WindowBuilder::resolve()
{
    showNewHints();
    index_ = std::make_unique<ControlIndex>(window_);
    setStartPositions(*index_);
    return WindowControls::resolve(*index_, allPagesFilled() ? WindowControls::Missing::StopsTheStart
                                                             : WindowControls::Missing::AllowedWhilePagesAreEmpty);
}

void WindowBuilder::showNewHints()
{
    // Tooltips for the controls whose show-hint switch is on.
    for (; hintsShown_ < hinted_.size(); ++hintsShown_)
        HintHandler::setHint(hinted_[hintsShown_], HintHandler::hint(hinted_[hintsShown_]));
}

void WindowBuilder::showHint(QWidget* widget)
{
    widget->setProperty(HintHandler::kShowHint, true);
    hinted_.append(widget);
}

void WindowBuilder::setStartPositions(const ControlIndex& index)
{
    // Every up-down starts at its minimum unless its design says otherwise;
    // these show until the image is first shown. Each is set once: setting
    // one writes its edit.
    QHash<UpDown*, int> starts;
    auto start = [&](const QString& name, int value) {
        if (UpDown* upDown = index.find<UpDown>(name); upDown && !positioned_.contains(upDown))
            starts.insert(upDown, value);
    };
    struct Start {
        const char* upDown;
        int value;
    };
    for (const Start& s :
         {Start{"UpDownStartLimiterMin", 15000}, Start{"UpDownStartLimiterMax", 15000}, Start{"UpDownOmez2", 15000},
          Start{"UpDownPilotLight", 15000}, Start{"UpDownPocSynchro", 40}, Start{"UpDownTps0", 300},
          Start{"UpDownRpmPulsu", 1}, Start{"UpDownRpmKorekce", 0}, Start{"UpDownPocPalcu", 40},
          Start{"UpDownPocKanalu", 4}, Start{"UpDownBaseAdv", 40}, Start{"UpDownPrivHyster", 300},
          Start{"UpDownGasRpmMin", 15000}, Start{"UpDownN2O_TPSmin", 100}, Start{"UpDownN2O_Repeat", 20},
          Start{"UpDownGasD", 100}, Start{"UpDownRetardD", 100}})
        start(QString::fromLatin1(s.upDown), s.value);
    constexpr int kServoRpmStart[10] = {1000, 2000, 3000, 4000, 6000, 8000, 10000, 12000, 14000, 16000};
    for (int i = 0; i < 10; ++i) {
        start(QStringLiteral("UpDownRpmAdv%1").arg(i + 1), 1000 * (i + 1));
        start(QStringLiteral("UpDownRpmPriv%1").arg(i + 1), kServoRpmStart[i]);
        start(QStringLiteral("UpDownNapPriv%1").arg(i + 1), 100);
        for (int r = 0; r < 10; ++r)
            start(QStringLiteral("UpDown%1").arg(50 + 10 * i + r), 20);
    }
    for (int c = 1; c <= 4; ++c) {
        start(QStringLiteral("UpDownKompenz%1").arg(c), 40);
        start(QStringLiteral("UpDownPalec%1Zac").arg(c), 40);
        start(QStringLiteral("UpDownPalec%1End").arg(c), 40);
    }
    for (UpDown* upDown : index.all<UpDown>()) {
        if (positioned_.contains(upDown))
            continue;
        positioned_.insert(upDown);
        const int value = starts.value(upDown, upDown->minimum());
        if (startTexts_ == StartTexts::Write)
            upDown->setValue(value);
        else
            upDown->setPosition(value);
    }
}

void WindowBuilder::buildMenus()
{
    QMenuBar* bar = window_->menuBar();
    bar->setObjectName(QStringLiteral("MainMenu1"));

    auto menu = [&](const char* name, const QString& title) {
        QMenu* menu = bar->addMenu(title);
        menu->setObjectName(QString::fromLatin1(name));
        menu->menuAction()->setObjectName(QString::fromLatin1(name) + QStringLiteral("Item"));
        return menu;
    };
    auto item = [&](QMenu* menu, const char* name, const QString& text, const QKeySequence& keys = {}) {
        QAction* action = menu->addAction(text);
        action->setObjectName(QString::fromLatin1(name));
        action->setShortcut(keys);
        action->setShortcutContext(Qt::WindowShortcut);
        return action;
    };
    auto separator = [&](QMenu* menu, const char* name) {
        menu->addSeparator()->setObjectName(QString::fromLatin1(name));
    };

    QMenu* file = menu("MenuFile", QStringLiteral("&File"));
    item(file, "MenuNew", QStringLiteral("&New"), QKeySequence(Qt::CTRL | Qt::Key_N));
    separator(file, "N3");
    item(file, "MenuOpen", QStringLiteral("&Open"), QKeySequence(Qt::Key_F3));
    item(file, "MenuOpenExeDir", QStringLiteral("Open from exe dir"));
    separator(file, "N1");
    item(file, "MenuSave", QStringLiteral("&Save"), QKeySequence(Qt::Key_F2));
    item(file, "MenuSaveExeDir", QStringLiteral("Save to exe dir"));
    separator(file, "N2");
    item(file, "MenuPrint", QStringLiteral("&Print"), QKeySequence(Qt::CTRL | Qt::Key_P));
    item(file, "MenuPrintAll", QStringLiteral("Print all"));
    separator(file, "N4");
    item(file, "MenuExit", QStringLiteral("E&xit"));

    menu("MenuCom", QStringLiteral("&Com"));  // the port items are created at start-up

    QMenu* device = menu("MenuDevice", QStringLiteral("&Ignition"));
    item(device, "MenuRead", QStringLiteral("&Read"), QKeySequence(Qt::Key_F7));
    item(device, "MenuVerify", QStringLiteral("&Verify"), QKeySequence(Qt::Key_F8));
    item(device, "MenuProgram", QStringLiteral("&Program"), QKeySequence(Qt::Key_F9));

    QMenu* tools = menu("MenuTools", QStringLiteral("Tools"));
    HintHandler::setHint(item(tools, "AdvanceMinus", QStringLiteral("Advance -"), QKeySequence(Qt::Key_F4)),
                         QStringLiteral("Curve A minus|Take off 1 degree of curve A"));
    HintHandler::setHint(item(tools, "AdvancePlus", QStringLiteral("Advance +"), QKeySequence(Qt::Key_F5)),
                         QStringLiteral("Curve A plus|Add 1 degree of curve A"));
    item(tools, "MenuZpet", QStringLiteral("Undo"), QKeySequence(Qt::CTRL | Qt::Key_Z));
    item(tools, "MenuZnovu", QStringLiteral("Redo"), QKeySequence(Qt::CTRL | Qt::ALT | Qt::Key_Z));

    QMenu* logs = menu("MenuLog", QStringLiteral("Lo&g"));
    item(logs, "MenuLogStart", QStringLiteral("Start recording..."));
    item(logs, "MenuLogStop", QStringLiteral("Stop recording"));
    item(logs, "MenuLogMarker", QStringLiteral("Marker"), QKeySequence(Qt::CTRL | Qt::Key_M));
    separator(logs, "N5");
    item(logs, "MenuLogReplay", QStringLiteral("Open log for replay..."));
    item(logs, "MenuLogReplayClose", QStringLiteral("Close replay"));
    separator(logs, "N6");
    item(logs, "MenuLogCharts", QStringLiteral("Charts..."));

    QMenu* language = menu("MenuLanguage", QStringLiteral("&Language"));
    for (auto [name, text] : {std::pair{"MenuEnglish", "&English"}, std::pair{"MenuGerman", "&German"},
                              std::pair{"MenuFrench", "&French"}, std::pair{"MenuCzech", "&Czech"}})
        item(language, name, QString::fromLatin1(text))->setCheckable(true);

    QMenu* help = menu("MenuHelp", QStringLiteral("&Help"));
    HintHandler::setHint(help, QStringLiteral("Not available jet"));
    item(help, "MenuContens", QStringLiteral("&Contents..."), QKeySequence(Qt::Key_F1));
    item(help, "MenuAbout", QStringLiteral("&About..."));
}

void WindowBuilder::buildToolBar(QWidget* client)
{
    QGroupBox* bar = group(client, QStringLiteral("GroupBoxToolBar"), QString(), 3, 0, 463, 43);
    // The glyphs come from the program's artwork.
    struct Tool {
        const char* name;
        int x, y;
    };
    for (const Tool& tool :
         {Tool{"SpeedButton6", 12, 12}, Tool{"SpeedButton5", 48, 12}, Tool{"SpeedButton7", 84, 12},
          Tool{"SpeedButtonPrint", 120, 12}, Tool{"SpeedButtonZpet", 156, 13}, Tool{"SpeedButtonZnovu", 192, 13}}) {
        auto* button = new QToolButton(bar);
        button->setObjectName(QString::fromLatin1(tool.name));
        button->setAutoRaise(true);
        button->setFocusPolicy(Qt::NoFocus);
        button->setGeometry(tool.x, tool.y, 25, 25);
        showHint(button);
    }
    for (QPushButton* push :
         {button(bar, QStringLiteral("ButtonRead"), QStringLiteral("&Read"), 230, 12, 57, 23),
          button(bar, QStringLiteral("BitBtnVerify"), QStringLiteral("&Verify"), 296, 12, 65, 23),
          button(bar, QStringLiteral("BitBtnProgram"), QStringLiteral("&Program"), 370, 12, 81, 23)}) {
        push->setFocusPolicy(Qt::ClickFocus);
        showHint(push);
    }
}

void WindowBuilder::fitToolBar(const WindowControls& controls)
{
    struct Design {
        QPushButton* push;
        int x, width;
    };
    const Design buttons[] = {
        {controls.ButtonRead, 230, 57}, {controls.BitBtnVerify, 296, 65}, {controls.BitBtnProgram, 370, 81}};
    constexpr int kGap = 9;         // between two buttons
    constexpr int kTextPad = 6;     // a button's margin on each side of its text
    constexpr int kBarWidth = 463;  // the bar's design width, 12 beyond the last button
    constexpr int kBarEnd = 8;      // a grown bar ends closer, clear of LabelSpojeni at x 480
    QWidget* bar = controls.GroupBoxToolBar;
    int next = 0;
    for (const Design& design : buttons) {
        QPushButton* push = design.push;
        const int need =
            push->fontMetrics().horizontalAdvance(QString(push->text()).remove(QLatin1Char('&'))) + 2 * kTextPad;
        const int x = std::max(design.x, next);
        const int width = std::max(design.width, need);
        if (push->geometry() != QRect(x, push->y(), width, push->height()))
            push->setGeometry(x, push->y(), width, push->height());
        next = x + width + kGap;
    }
    const int barWidth = std::max(kBarWidth, next - kGap + kBarEnd);
    if (bar->width() != barWidth)
        bar->resize(barWidth, bar->height());
}

QWidget* WindowBuilder::buildPageControl(QWidget* client)
{
    auto* pages = new QTabWidget(client);
    pages->setObjectName(QStringLiteral("PageControl1"));
    auto* style = new PageControlStyle();
    style->setParent(pages);
    pages->setStyle(style);
    pages->setFocusPolicy(Qt::NoFocus);
    pages->tabBar()->setFocusPolicy(Qt::NoFocus);
    pages->setGeometry(8, 49, 653, 497);

    struct Tab {
        const char* name;
        const char* caption;
    };
    constexpr Tab kTabs[kPageCount] = {{"TabSheetRuzne", "Miscellaneous"},
                                       {"TabSheetBike", "Bike"},
                                       {"TabSheetAdvance", "Advance Map"},
                                       {"TabSheetServo", "Servo"},
                                       {"TabSheet_Gas", "N2O Controller"}};
    for (int i = 0; i < kPageCount; ++i) {
        auto* page = new QWidget();
        page->setObjectName(QString::fromLatin1(kTabs[i].name));
        pages->addTab(page, QString::fromLatin1(kTabs[i].caption));
        pages_[static_cast<std::size_t>(i)] = page;
    }
    return pages;
}

void WindowBuilder::fillPageContent(int page, QWidget* widget)
{
    switch (page) {
        case 0:
            buildMiscTab(widget);
            break;
        case 1:
            buildBikeTab(widget);
            break;
        case 2:
            buildAdvanceTab(widget);
            break;
        case 3:
            buildServoTab(widget);
            break;
        default:
            buildN2oTab(widget);
            break;
    }
}

void WindowBuilder::buildMiscTab(QWidget* page)
{
    placeFields(page, {
                          {"UpDownStartLimiterMin", "LabelStartLimiterMin", "Start limiter min [rpm]", 16, 14},
                          {"UpDownStartLimiterMax", "LabelStartLimiterMax", "Start limiter max [rpm]", 16, 46},
                          {"UpDownStartLimiterPause", "LabelStartLimiterPause", "Start limiter delay [ms]", 16, 78},
                          {"UpDownOmez2", "LabelOmez2", "Limiter [rpm]", 16, 125},
                          {"UpDownPilotLight", "LabelPilotLight", "Gear Shift Light [rpm]", 16, 161},
                          {"UpDownClutchTime", "LabelClutchTime", "Clutch master time [ms]", 16, 204},
                          {"UpDownClutchPause", "LabelClutchPause", "Clutch master pause [ms]", 16, 238},
                          {"UpDownPocSynchro", "LabelPocSynchro", "Revolutions without ignition", 16, 281},
                      });
    // Clear of the "Act. by closing" group at x 216.
    LabelAutoSizer::setRoom(page->findChild<QLabel*>(QStringLiteral("LabelPocSynchro")), 75, 211);
    const int kompenzX[4] = {296, 368, 432, 504};
    for (int i = 0; i < 4; ++i)
        numeric(page, QStringLiteral("UpDownKompenz%1").arg(i + 1), kompenzX[i], 131, kFieldEditWidth);
    label(page, QStringLiteral("LabelKompenz"), QStringLiteral("Compensation "), 571, 135);

    check(page, QStringLiteral("CheckBoxBuzDlouhe"), QStringLiteral("Excitation Long"), 16, 323);
    check(page, QStringLiteral("CheckBoxZakazCteni"), QStringLiteral("No Reading"), 16, 358);

    QGroupBox* tps = group(page, QStringLiteral("GroupBoxTps"), QStringLiteral("TPS"), 352, 4, 289, 117);
    placeFields(tps, {
                         {"UpDownTps0", "LabelTps0", "0%  [mV]", 96, 34, 16, 38},
                         {"UpDownTps100", "LabelTps100", "100%  [mv]", 96, 74, 16, 78},
                     });
    button(tps, QStringLiteral("BitBtnTps0"), QStringLiteral("Set TPS 0 %"), 184, 32, 88, 25);
    button(tps, QStringLiteral("BitBtnTps100"), QStringLiteral("Set TPS 100 %"), 184, 72, 88, 25);

    QGroupBox* closing =
        group(page, QStringLiteral("GroupBox4"), QStringLiteral("Act. by closing"), 216, 236, 185, 221);
    HintHandler::setHint(closing, QStringLiteral("Activation by closing |Checked items means activation by closing"));
    struct Box {
        const char* name;
        const char* caption;
        int y;
    };
    for (const Box& box :
         {Box{"CheckBoxAktLimiter1", "Limiter 1", 25}, Box{"CheckBoxAktTachoLambda", "Tacho/Lambda", 57},
          Box{"CheckBoxAktClutch", "Clutch m.", 88}, Box{"CheckBoxAktBlok1", "Blocking 1", 120},
          Box{"CheckBoxAktBlok2", "Blocking 2", 151}, Box{"CheckBoxAktN2o", "N2O", 183}})
        check(closing, QString::fromLatin1(box.name), QString::fromLatin1(box.caption), 16, box.y);

    QGroupBox* inputs =
        group(page, QStringLiteral("GroupBoxMonInput"), QStringLiteral("State of input"), 420, 236, 213, 221);
    for (const Box& in :
         {Box{"LabelMonStartLimiterIn", "Start limiter:--", 29}, Box{"LabelMonTachoLambdaIn", "Tacho/Lambda:--", 61},
          Box{"LabelClutchIn", "Clutch master:--", 93}, Box{"LabelBlok1In", "Blocking 1:--", 125},
          Box{"LabelBlok2In", "Blocking 2:--", 157}, Box{"LabelN2oIn", "N2O: --", 189}})
        label(inputs, QString::fromLatin1(in.name), QString::fromLatin1(in.caption), 18, in.y);
}

void WindowBuilder::buildBikeTab(QWidget* page)
{
    label(page, QStringLiteral("LabelBike"), QStringLiteral("Motorbike type"), 16, 8);
    QComboBox* bike = list(page, QStringLiteral("ComboBoxBike"), ui::BikeListRows::designedRows(), 8, 36, 232, 40);
    HintHandler::setHint(bike, QStringLiteral("Type of keying"));
    showHint(bike);

    QGroupBox* tacho = group(page, QStringLiteral("GroupBoxRpm"), QStringLiteral("Tachometer output"), 0, 72, 247, 113);
    placeFields(tacho, {
                           {"UpDownRpmPulsu", "LabelRpmPulsu", "Pulses per revolution", 16, 28},
                           {"UpDownRpmKorekce", "LabelRpmKorekce", "Correction [%]", 16, 68},
                       });
    check(page, QStringLiteral("CheckBoxInvInput1"), QStringLiteral("Inverse polarity of pick-up 1"), 8, 200);
    check(page, QStringLiteral("CheckBoxInvInput2"), QStringLiteral("Inverse polarity of pick-up 2"), 8, 226);

    const int verzeY[3] = {263, 291, 319};
    const char* verzeHint[3] = {"Version of program in ignition", "Date of program in ignition",
                                "Time of program in ignition"};
    for (int i = 0; i < 3; ++i) {
        QLabel* verze = label(page, QStringLiteral("LabelVerze%1").arg(i + 1), QString(), 8, verzeY[i]);
        verze->setMinimumSize(1, 13);
        HintHandler::setHint(verze, QString::fromLatin1(verzeHint[i]));
        showHint(verze);
    }
    LabelAutoSizer::setRoom(label(page, QStringLiteral("LabelFile1"), QStringLiteral("File:"), 10, 347), 4, 45);
    label(page, QStringLiteral("LabelFile2"), QStringLiteral("----------"), 50, 347);
    label(page, QStringLiteral("LabelPocetProgramovani"), QStringLiteral("Number of Programing= ---"), 10, 369);

    QGroupBox* special = group(
        page, QStringLiteral("GroupBoxSpecial"),
        QStringLiteral("Specification of synchronization - Caution - For experienced user only!"), 251, 0, 394, 469);
    label(special, QStringLiteral("LabelSynchro"), QStringLiteral("Synchronization method"), 16, 16);
    QComboBox* synchro =
        list(special, QStringLiteral("ComboBoxSynchro"),
             {QStringLiteral("1 lobe, 1 or 2 pick-up"), QStringLiteral("Short gap between lobes (inserted lobe)"),
              QStringLiteral("Wide lobe"), QStringLiteral("Long gap between lobes (missing lobe)"),
              QStringLiteral("2 pick-ups, missing lobe"), QStringLiteral("2 Short gaps between lobes (inserted lobe)"),
              QStringLiteral("Cam (CMPS)"), QStringLiteral("Harley"),
              QStringLiteral("Long gap between lobes - more lobes (48-2)")},
             16, 36, 346, 20);
    HintHandler::setHint(synchro, QStringLiteral("Type of keying"));
    showHint(synchro);
    placeFields(special, {
                             {"UpDownPocPalcu", "LabelPocPalcu", "Number of lobe at rotor", 16, 69, 75, 73},
                             {"UpDownPocKanalu", "LabelPocKanalu", "Number of outputs (coils)", 208, 69, 267, 73},
                         });
    // Clear of the group's right frame.
    LabelAutoSizer::setRoom(special->findChild<QLabel*>(QStringLiteral("LabelPocKanalu")), 267, 389);
    label(special, QStringLiteral("LabelLobe"), QStringLiteral("Lobe"), 120, 100);
    label(special, QStringLiteral("LabelHrana2"), QStringLiteral("2nd Edge"), 216, 100);
    label(special, QStringLiteral("LabelSnimac2"), QStringLiteral("2nd Pick-up"), 304, 100);

    const int channelY[4] = {114, 194, 274, 355};
    for (int c = 1; c <= 4; ++c) {
        QGroupBox* channel = group(special, QStringLiteral("GroupBoxPalec%1").arg(c),
                                   QStringLiteral("Channel %1").arg(c), 8, channelY[c - 1], 378, 80);
        struct Row {
            const char* suffix;
            const char* caption;
            int y;
        };
        for (const Row& row : {Row{"Zac", "Maximum advance", 19}, Row{"End", "Start advance", 47}}) {
            const QString stem = QStringLiteral("Palec%1%2").arg(c).arg(QLatin1String(row.suffix));
            // Clear of the group's frame and of the edit at x 120.
            LabelAutoSizer::setRoom(
                label(channel, QStringLiteral("Label") + stem, QString::fromLatin1(row.caption), 15, row.y + 4), 4,
                115);
            numeric(channel, QStringLiteral("UpDown") + stem, 120, row.y, kFieldEditWidth);
            check(channel, QStringLiteral("CheckBox") + stem + QStringLiteral("H2"), QString(), 220, row.y + 2);
            check(channel, QStringLiteral("CheckBox") + stem + QStringLiteral("P2"), QString(), 310, row.y + 2);
        }
    }
    requiredControl<QGroupBox>(special, QStringLiteral("GroupBoxPalec1"))->setEnabled(false);
    requiredControl<QGroupBox>(special, QStringLiteral("GroupBoxPalec4"))->hide();

    QComboBox* multiple =
        list(special, QStringLiteral("ComboBoxNasobekPalcu"),
             {QStringLiteral("1 ignition per revolution"), QStringLiteral("2 ignitions per revolution"),
              QStringLiteral("3 ignitions per revolution"), QStringLiteral("1 ignition per 2 revolutions (camshaft)")},
             8, 440, 233, 30);
    HintHandler::setHint(multiple, QStringLiteral("Type of keying"));
    showHint(multiple);
}

void WindowBuilder::buildAdvanceTab(QWidget* page)
{
    QGroupBox* map = group(page, QStringLiteral("GroupBox6"), QString(), 0, 0, 645, 469);
    QLabel* rpm = label(map, QStringLiteral("LabelRpm1"), QStringLiteral("RPM"), 13, 24);
    HintHandler::setHint(rpm, QStringLiteral("Round per Minute|Speed - Round per Minute"));

    // Creation order is the tab order: the speed axis, then the cells row by row.
    for (int r = 0; r < 10; ++r)
        numeric(map, QStringLiteral("UpDownRpmAdv%1").arg(r + 1), kAxisX[r], 29, kAxisEditWidth);
    for (int t = 0; t < 10; ++t) {
        QLabel* row = label(map, QStringLiteral("LabelTps%1").arg(t + 1), QStringLiteral("%1%").arg(kTpsBreakpoints[t]),
                            0, 73 + 33 * t);
        row->setAlignment(Qt::AlignRight | Qt::AlignTop);
        row->setGeometry(0, 73 + 33 * t, 37, row->height());  // sized on show, keeping its right edge
        row->setAutoFillBackground(true);
        for (int r = 0; r < 10; ++r)
            numeric(map, QStringLiteral("UpDown%1").arg(50 + 10 * t + r), kCellX[r], 69 + 33 * t, kCellWidth);
    }
    for (int r = 0; r < 10; ++r) {
        auto* spin = new SpinButton(map);
        spin->setObjectName(QStringLiteral("CSpinButton%1").arg(r + 1));
        spin->setGeometry(kSpinX[r], 405, 15, 21);
    }
    check(map, QStringLiteral("CheckBoxTpsMapa"), QStringLiteral("TPS"), 17, 437);
    QPushButton* minus = button(map, QStringLiteral("BitBtnAdvMinus"), QStringLiteral("-"), 173, 439, 20, 20);
    QPushButton* plus = button(map, QStringLiteral("BitBtnAdvPlus"), QStringLiteral("+"), 221, 439, 20, 20);
    HintHandler::setHint(minus, QStringLiteral("Take off 1 degree of Advance"));
    HintHandler::setHint(plus, QStringLiteral("Add 1 degree of Advance"));
    for (QPushButton* b : {minus, plus})
        showHint(b);
    check(map, QStringLiteral("CheckBoxIgnAll"), QStringLiteral("All"), 264, 441);
    placeFields(map, {{"UpDownBaseAdv", "LabelBaseAdv", "Base advance [°]", 432, 439, 491, 443}});
}

void WindowBuilder::buildServoTab(QWidget* page)
{
    check(page, QStringLiteral("CheckBoxPrivEnable"), QStringLiteral("Servo enable"), 24, 29);
    QGroupBox* servo = group(page, QStringLiteral("GroupBoxPrivera"), QStringLiteral("Servo"), 2, 56, 641, 201);
    label(servo, QStringLiteral("Label6"), QStringLiteral("RPM"), 10, 37);
    label(servo, QStringLiteral("Label5"), QStringLiteral("[mV]"), 10, 68);
    for (int i = 0; i < 10; ++i)
        numeric(servo, QStringLiteral("UpDownRpmPriv%1").arg(i + 1), kAxisX[i], 29, kAxisEditWidth);
    for (int i = 0; i < 10; ++i)
        numeric(servo, QStringLiteral("UpDownNapPriv%1").arg(i + 1), kAxisX[i], 64, kAxisEditWidth);
    placeFields(servo, {{"UpDownPrivHyster", "LabelServoHyster", "Servo Hysteresis [mV]", 44, 98, 107, 102}});
    QPushButton* minus = button(servo, QStringLiteral("BitBtnServoMinus"), QStringLiteral("-"), 357, 127, 20, 20);
    QPushButton* plus = button(servo, QStringLiteral("BitBtnServoPlus"), QStringLiteral("+"), 389, 127, 20, 20);
    HintHandler::setHint(minus, QStringLiteral("Take off 20 mV"));
    HintHandler::setHint(plus, QStringLiteral("Add 20 mV"));
    for (QPushButton* b : {minus, plus})
        showHint(b);
    check(servo, QStringLiteral("CheckBoxServoAll"), QStringLiteral("All"), 448, 129);
}

void WindowBuilder::buildN2oTab(QWidget* page)
{
    check(page, QStringLiteral("CheckBoxGas"), QStringLiteral("N2O Enabled"), 16, 13);
    QGroupBox* gas = group(page, QStringLiteral("GroupBoxGas"), QStringLiteral("N2O"), 16, 50, 244, 200);
    placeFields(gas, {
                         {"UpDownGas1", "LabelGas1", "N2O 1 [%]", 16, 40},
                         {"UpDownGas2", "LabelGas2", "N2O 2 [%]", 16, 80},
                         {"UpDownGasD", "LabelGasD", "Delay [ms]", 16, 120},
                         {"UpDownGasT", "LabelGasT", "Build up Time [ms]", 16, 160},
                     });
    QGroupBox* retard = group(page, QStringLiteral("GroupBoxRetard"), QStringLiteral("Retard"), 280, 50, 268, 200);
    placeFields(retard, {
                            {"UpDownRetard1", "LabelRetard1", "Retard 1 [°]", 16, 40},
                            {"UpDownRetard2", "LabelRetard2", "Retard 2 [°]", 16, 80},
                            {"UpDownRetardD", "LabelRetardD", "Delay [ms]", 16, 120},
                            {"UpDownRetardT", "LabelRetardT", "Build up Time [ms]", 16, 160},
                        });
    placeFields(page, {
                          {"UpDownGasRpmMin", "LabelGasRpmMin", "RPM min [rpm]", 32, 269},
                          {"UpDownN2O_TPSmin", "LabelN2O_TPSmin", "TPS min [%]", 32, 304},
                          {"UpDownN2O_Repeat", "LabelN2O_Repeat", "Repetition rate [Hz]", 32, 338},
                      });
}

void WindowBuilder::buildLiveColumn(QWidget* client)
{
    struct Live {
        const char* name;
        const char* text;
        int x, y, pixels;
        bool bold;
    };
    for (const Live& live : {
             Live{"LabelRpm", "RPM = ---", 676, 46, 19, true},
             Live{"LabelTpsMon", "TP= --- [%]", 676, 95, 19, true},
             Live{"LabelMonLambda", "LAMBDA= --- [mV]", 677, 145, 19, true},
             Live{"LabelAdvance1", "Advance 1 = --- [°]", 676, 200, 16, true},
             Live{"LabelAdvance2", "Advance 2 = --- [°]", 676, 224, 16, true},
             Live{"LabelAdvance3", "Advance 3 = --- [°]", 676, 249, 16, true},
             Live{"LabelAdvance4", "Advance 4 = --- [°]", 676, 273, 16, true},
             Live{"LabelMonSnimac1", "Pick-up (CKPS) 1 = ---", 676, 298, 16, false},
             Live{"LabelMonSnimac2", "Pick-up (CKPS) 2 = ---", 676, 323, 16, false},
             Live{"LabelNapeti", "U = --- [V]", 676, 348, 16, false},
             Live{"LabelMonPilotLight", "Gear Shift Light - ---", 676, 374, 16, false},
             Live{"LabelMonStartLimiterOut", "Start limiter - ---", 676, 399, 16, false},
             Live{"LabelMonStartLimiterRpm", "Start limiter - ---", 676, 424, 16, false},
             Live{"LabelMonLimiterOut", "Limiter - ---", 676, 475, 16, false},
             Live{"LabelMonTachoLambdaOut", "Tacho Lambda = ---", 676, 500, 16, false},
             Live{"LabelMonClutchOut", "Clutch master - ---", 676, 526, 16, false},
             Live{"LabelMonBlok1Out", "Blocking 1 = --", 676, 551, 16, false},
             Live{"LabelMonBlok2Out", "Blocking 2 = --", 676, 576, 16, false},
             Live{"LabelCom", "COM = ---", 676, 602, 16, false},
             Live{"LabelPriveraPoz", "Servo desired= ---", 236, 555, 16, false},
             Live{"LabelPriveraMer", "Servo measured= ---", 236, 580, 16, false},
             Live{"LabelMonN2oOut", "N2O - ---", 492, 552, 16, false},
             Live{"LabelMonN2oProcent", "N2O - --- [%]", 492, 577, 16, false},
             Live{"LabelMonRetard", "Retard - --- [°]", 492, 602, 16, false},
         }) {
        QLabel* l = label(client, QString::fromLatin1(live.name), QString::fromUtf8(live.text), live.x, live.y,
                          live.pixels, live.bold);
        l->setAutoFillBackground(true);
        // A long value in a long language ("Startovací omezovač = 12000 [RPM]")
        // moves the label left, towards the page control, rather than over
        // the window's edge.
        if (live.x >= kLiveColumnX)
            LabelAutoSizer::setRoom(l, kLiveColumnX - 11, kClientWidth - 3);
    }
    gauge(client, QStringLiteral("CGaugeRpm"), 676, 72, 250, 15, 100, QColor(255, 0, 255));
    gauge(client, QStringLiteral("CGaugeTps"), 676, 121, 250, 15, 100,
          QApplication::palette().color(QPalette::Highlight));
    gauge(client, QStringLiteral("CGaugeLambda"), 677, 172, 250, 15, 500, Qt::black);
    gauge(client, QStringLiteral("CGaugePotak"), 676, 450, 250, 15, 5000, QColor(255, 0, 255));
}

void WindowBuilder::buildStatusArea(QWidget* client)
{
    showHint(check(client, QStringLiteral("CheckBoxProgHned"), QStringLiteral("Programming after change"), 18, 552));

    QLabel* status = label(client, QStringLiteral("LabelHlaseni"), QString(), 12, 579, 13, true);
    status->setAutoFillBackground(true);
    BarGauge* progress = gauge(client, QStringLiteral("CGaugeProgram"), 12, 602, 205, 15, 2, QColor(0, 255, 255));
    progress->setShowText(true);
    QLabel* dataError =
        label(client, QStringLiteral("LabelEeDataErr"), QStringLiteral("Programmed data error"), 13, 636, 16, true);
    paintedBackground(dataError, Qt::red);
    QLabel* version = label(client, QStringLiteral("LabelVersion"), QString(), 13, 660, 16, true);
    paintedBackground(version, Qt::red);

    const int testX[8] = {16, 137, 258, 379, 500, 621, 742, 864};
    for (int i = 0; i < 8; ++i)
        label(client, QStringLiteral("LabelTest%1").arg(i + 1), QStringLiteral("Test%1 = ---").arg(i + 1), testX[i],
              687, 13, true);
}

}  // namespace tarvel
