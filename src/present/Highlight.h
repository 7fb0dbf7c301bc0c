// The controls lit in lime for the operating point: one speed column of the
// advance map (none below the map), one throttle row label, one servo point
// (its speed and voltage edits) and the map cell where row and column meet.
// -1 means none of the family is lit.
#pragma once

#include "model/EditTools.h"

namespace tarvel::present {

struct Highlight {
    int mapColumn = -1;    // mapRpmEdits
    int tpsRow = -1;       // tpsRowLabels
    int servoColumn = -1;  // servoRpmEdits and servoMvEdits
    int cellRow = -1;      // advanceEdits[cellRow][cellColumn]
    int cellColumn = -1;

    bool operator==(const Highlight&) const = default;
};

Highlight highlightOf(const ToolPoint& point);

}  // namespace tarvel::present
