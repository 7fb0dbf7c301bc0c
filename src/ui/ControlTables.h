// The nineteen arrays through which the window addresses families of controls
// by index: map cells by throttle row t and speed column r, channel rows by
// channel c, port menu items by port index. Filled once at start-up; the
// entries are non-owning (the window owns every control) and never change.
#pragma once

#include <array>

class QAction;
class QCheckBox;
class QLabel;
class QLineEdit;

namespace tarvel {

class UpDown;

struct ControlTables {
    template <typename T, std::size_t N>
    using Row = std::array<T*, N>;
    template <typename T>
    using Grid = std::array<std::array<T*, 10>, 10>;

    // Edit side (built first).
    Row<QLabel, 10> tpsRowLabels{};
    Row<QLineEdit, 4> maxAdvLobeEdits{};
    Row<QLineEdit, 4> startAdvLobeEdits{};
    Row<QLineEdit, 10> mapRpmEdits{};
    Grid<QLineEdit> advanceEdits{};  // [t][r]
    Row<QLineEdit, 10> servoRpmEdits{};
    Row<QLineEdit, 10> servoMvEdits{};

    // Up-down side, boxes and the port menu (built second).
    Row<QCheckBox, 4> maxAdvEdge2Boxes{};
    Row<QCheckBox, 4> startAdvEdge2Boxes{};
    Row<QCheckBox, 4> maxAdvPickup2Boxes{};
    Row<QCheckBox, 4> startAdvPickup2Boxes{};
    Row<QLabel, 4> advanceLabels{};
    Row<UpDown, 4> maxAdvLobeUpDowns{};
    Row<UpDown, 4> startAdvLobeUpDowns{};
    Row<UpDown, 10> mapRpmUpDowns{};
    Grid<UpDown> advanceUpDowns{};  // [t][r]
    Row<UpDown, 10> servoRpmUpDowns{};
    Row<UpDown, 10> servoMvUpDowns{};
    Row<QAction, 21> portMenuItems{};  // COM1..COM20, then "Com Auto"
};

}  // namespace tarvel
