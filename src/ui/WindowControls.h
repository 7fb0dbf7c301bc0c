// Every control of the main window that the program reads, writes, wires or
// greys, as a typed pointer. The builder resolves them once, right after it
// has created the widgets; a control that is missing or of another type stops
// the program at start with a message naming it, in every build type. After
// that nothing looks a control up by its name: the window and its helpers take
// the pointers from here. The members are spelt like the controls' object
// names, so that a name in a message, a test or the caption table reads the
// same as the member that holds it.
#pragma once

#include <array>
#include <cstdint>
#include <string_view>
#include <vector>

#include "ControlTables.h"
#include "FieldControls.h"
#include "present/ControlId.h"

class QAction;
class QCheckBox;
class QComboBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QMenu;
class QObject;
struct QMetaObject;
class QPushButton;
class QStatusBar;
class QTabWidget;
class QToolButton;
class QWidget;

namespace tarvel {

class BarGauge;
class ControlIndex;
class SpinButton;
class UpDown;

// clang-format off
#define TARVEL_WINDOW_CONTROLS(X) \
    /* Areas, pages, groups and the status bar. */ \
    X(QWidget, ClientArea) X(QTabWidget, PageControl1) \
    X(QWidget, TabSheetRuzne) X(QWidget, TabSheetBike) X(QWidget, TabSheetAdvance) X(QWidget, TabSheetServo) \
    X(QWidget, TabSheet_Gas) \
    X(QStatusBar, StatusBar1) X(QLabel, StatusBarPanel) \
    X(QGroupBox, GroupBoxToolBar) X(QGroupBox, GroupBox6) X(QGroupBox, GroupBoxPrivera) X(QGroupBox, GroupBoxSpecial) \
    X(QGroupBox, GroupBoxPalec1) X(QGroupBox, GroupBoxPalec2) X(QGroupBox, GroupBoxPalec3) X(QGroupBox, GroupBoxPalec4) \
    X(QGroupBox, GroupBoxGas) X(QGroupBox, GroupBoxRetard) \
    /* Menus and their items. */ \
    X(QMenu, MenuFile) X(QMenu, MenuCom) X(QMenu, MenuTools) X(QAction, N4) \
    X(QAction, MenuNew) X(QAction, MenuOpen) X(QAction, MenuOpenExeDir) X(QAction, MenuSave) \
    X(QAction, MenuSaveExeDir) X(QAction, MenuPrint) X(QAction, MenuPrintAll) X(QAction, MenuExit) \
    X(QAction, MenuRead) X(QAction, MenuVerify) X(QAction, MenuProgram) \
    X(QAction, AdvanceMinus) X(QAction, AdvancePlus) X(QAction, MenuZpet) X(QAction, MenuZnovu) \
    X(QAction, MenuLogStart) X(QAction, MenuLogStop) X(QAction, MenuLogMarker) X(QAction, MenuLogReplay) \
    X(QAction, MenuLogReplayClose) X(QAction, MenuLogCharts) \
    X(QAction, MenuEnglish) X(QAction, MenuGerman) X(QAction, MenuFrench) X(QAction, MenuCzech) \
    X(QAction, MenuContens) X(QAction, MenuAbout) \
    /* Buttons. */ \
    X(QToolButton, SpeedButton6) X(QToolButton, SpeedButton5) X(QToolButton, SpeedButton7) \
    X(QToolButton, SpeedButtonPrint) X(QToolButton, SpeedButtonZpet) X(QToolButton, SpeedButtonZnovu) \
    X(QPushButton, ButtonRead) X(QPushButton, BitBtnVerify) X(QPushButton, BitBtnProgram) \
    X(QPushButton, BitBtnAdvMinus) X(QPushButton, BitBtnAdvPlus) X(QPushButton, BitBtnServoMinus) \
    X(QPushButton, BitBtnServoPlus) X(QPushButton, BitBtnTps0) X(QPushButton, BitBtnTps100) \
    /* Switches and lists. */ \
    X(QCheckBox, CheckBoxProgHned) X(QCheckBox, CheckBoxIgnAll) X(QCheckBox, CheckBoxServoAll) \
    X(QCheckBox, CheckBoxTpsMapa) X(QCheckBox, CheckBoxZakazCteni) X(QCheckBox, CheckBoxBuzDlouhe) \
    X(QCheckBox, CheckBoxInvInput1) X(QCheckBox, CheckBoxInvInput2) X(QCheckBox, CheckBoxPrivEnable) \
    X(QCheckBox, CheckBoxGas) X(QCheckBox, CheckBoxAktLimiter1) X(QCheckBox, CheckBoxAktTachoLambda) \
    X(QCheckBox, CheckBoxAktClutch) X(QCheckBox, CheckBoxAktBlok1) X(QCheckBox, CheckBoxAktBlok2) \
    X(QCheckBox, CheckBoxAktN2o) \
    X(QComboBox, ComboBoxBike) X(QComboBox, ComboBoxSynchro) X(QComboBox, ComboBoxNasobekPalcu) \
    /* Labels the rules and the port line write (the live ones are indexed by present::ControlId). */ \
    X(QLabel, LabelCom) X(QLabel, LabelVerze1) X(QLabel, LabelVerze2) X(QLabel, LabelVerze3) \
    X(QLabel, LabelLobe) X(QLabel, LabelHrana2) X(QLabel, LabelSnimac2) X(QLabel, LabelSynchro) \
    X(QLabel, LabelPocPalcu) X(QLabel, LabelPocKanalu) \
    X(QLabel, LabelPalec1Zac) X(QLabel, LabelPalec1End) X(QLabel, LabelPalec2Zac) X(QLabel, LabelPalec2End) \
    X(QLabel, LabelPalec3Zac) X(QLabel, LabelPalec3End) X(QLabel, LabelPalec4Zac) X(QLabel, LabelPalec4End) \
    X(QLabel, LabelKompenz) X(QLabel, LabelGasRpmMin) X(QLabel, LabelN2O_TPSmin) X(QLabel, LabelN2O_Repeat) \
    /* Edits and up-downs the rules grey or hide one by one. */ \
    X(QLineEdit, EditPocPalcu) X(QLineEdit, EditPocKanalu) \
    X(QLineEdit, EditKompenz1) X(QLineEdit, EditKompenz2) X(QLineEdit, EditKompenz3) X(QLineEdit, EditKompenz4) \
    X(QLineEdit, EditGasRpmMin) X(QLineEdit, EditN2O_TPSmin) X(QLineEdit, EditN2O_Repeat) \
    X(UpDown, UpDownBaseAdv) X(UpDown, UpDownOmez2) X(UpDown, UpDownTps0) X(UpDown, UpDownTps100) \
    X(UpDown, UpDownPrivHyster) X(UpDown, UpDownPocPalcu) X(UpDown, UpDownPocKanalu) \
    X(UpDown, UpDownKompenz1) X(UpDown, UpDownKompenz2) X(UpDown, UpDownKompenz3) X(UpDown, UpDownKompenz4) \
    X(UpDown, UpDownGasRpmMin) X(UpDown, UpDownN2O_TPSmin) X(UpDown, UpDownN2O_Repeat)
// clang-format on

#define TARVEL_CONTROL_ENUMERATOR(type, name) name,
enum class WindowControl : std::uint16_t { TARVEL_WINDOW_CONTROLS(TARVEL_CONTROL_ENUMERATOR) Count };
#undef TARVEL_CONTROL_ENUMERATOR

inline constexpr int kWindowControlCount = static_cast<int>(WindowControl::Count);

// The control of one field element of the image, of the kind its field table
// entry gives: an up-down, a check box (closing bits too) or a list.
struct FieldWidget {
    FieldControl bound;
    UpDown* upDown = nullptr;
    QCheckBox* box = nullptr;
    QComboBox* list = nullptr;
    QWidget* widget() const;
};

struct WindowControls {
#define TARVEL_CONTROL_MEMBER(type, name) type* name = nullptr;
    TARVEL_WINDOW_CONTROLS(TARVEL_CONTROL_MEMBER)
#undef TARVEL_CONTROL_MEMBER

    // The live column and the status area, as the presentation layer names them.
    std::array<QLabel*, present::kFirstGauge> liveLabels{};
    std::array<BarGauge*, present::kControlCount - present::kFirstGauge> liveGauges{};
    QLabel* label(present::ControlId id) const
    {
        return liveLabels[present::indexOf(id)];
    }
    BarGauge* gauge(present::ControlId id) const;

    // The spin buttons under the ten speed columns of the map.
    std::array<SpinButton*, 10> spinButtons{};
    // The families of the map, the channels and the axes; the port menu items
    // join when the start-up creates them.
    ControlTables tables;
    // One entry per field element of the field table, in table order (its
    // control is null while its tab page is empty).
    std::vector<FieldWidget> fields;
    // Every up-down of the window (each edits a field element), in field order.
    std::vector<UpDown*> upDowns;

    // Whether a control that is not there stops the program, or is left null
    // because the tab page it belongs on may not be filled yet.
    enum class Missing { StopsTheStart, AllowedWhilePagesAreEmpty };

    // Finds every control below `window` by its object name, once.
    static WindowControls resolve(const QObject* window);
    static WindowControls resolve(const ControlIndex& window, Missing missing = Missing::StopsTheStart);

    // For the checks of the registry itself.
    QObject* object(WindowControl id) const;
    static std::string_view objectName(WindowControl id);
    static const QMetaObject& typeOf(WindowControl id);
};

}  // namespace tarvel
