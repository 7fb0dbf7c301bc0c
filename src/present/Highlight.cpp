#include "present/Highlight.h"

namespace tarvel::present {

namespace {
int within(int i)
{
    return i >= 0 && i < 10 ? i : -1;
}
}  // namespace

Highlight highlightOf(const ToolPoint& p)
{
    Highlight h;
    h.mapColumn = p.belowMap ? -1 : within(p.rpmColumn);
    h.tpsRow = within(p.tpsRow);
    h.servoColumn = within(p.servoColumn);
    if (h.mapColumn >= 0 && h.tpsRow >= 0) {
        h.cellRow = h.tpsRow;
        h.cellColumn = h.mapColumn;
    }
    return h;
}

}  // namespace tarvel::present
