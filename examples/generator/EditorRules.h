#pragma once

#include "model/Rect.h"

class CBus;
class CLine;
class CSkemtorDoc;
class CSourceRecord;

// The rules of the editor's drawing tools, applied to an element read from a source
// file before it joins the document, so an example looks exactly as if it had been
// drawn: every click on the 10-unit grid and on the visible canvas (x >= 0, y <= 0);
// a line's first and last clicks on its two buses (the first bus in array order that
// the click hits) and its other clicks on no bus; a bus-attached symbol clicked on its
// bus; a branch-attached symbol clicked on its branch (the first branch hit). The
// document holds what was placed before, as on the canvas at the time of the click.
// A broken rule fails the record (file and line).
class CEditorRules {
public:
    static constexpr int kGrid = 10;
    // The power flow refuses 30 buses or more; its case numbers them 1..N.
    static constexpr int kMaxPowerFlowBuses = 29;
    // The bus name is written as 12 characters in the case file.
    static constexpr int kMaxBusNameLength = 12;
    // The title line's 31st column must stay blank for the MVA base to read.
    static constexpr int kMaxCaseNameLength = 30;

    static void CheckClick(const CSourceRecord& record, CPointL click, const char* what);
    // A new bus: grid, canvas, number 1..29 and not yet used, no overlap with a bus.
    static void CheckBus(const CSourceRecord& record, const CSkemtorDoc& doc, const CBus& bus);
    // A new branch between buses already placed.
    static void CheckLine(const CSourceRecord& record, const CSkemtorDoc& doc, const CLine& line);
    // A bus-attached symbol clicked at `click` must land on bus `bus`.
    static void CheckOnBus(const CSourceRecord& record, const CSkemtorDoc& doc, CPointL click,
                           int bus);
    // A branch-attached symbol clicked at `click` lands on the first branch it hits; that
    // branch must join `bus1` and `bus2` (in its own order unless `eitherOrder`, as a
    // meter whose direction the dialog turned).
    static void CheckOnBranch(const CSourceRecord& record, const CSkemtorDoc& doc, CPointL click,
                              int bus1, int bus2, bool eitherOrder);

    // The first bus in array order whose rectangle holds the point, or null.
    static const CBus* FirstBusHit(const CSkemtorDoc& doc, CPointL point);
    static const CLine* FirstLineHit(const CSkemtorDoc& doc, CPointL point);
};
