#include "examples/generator/LayoutCheck.h"

#include "model/SkemtorDoc.h"

#include <algorithm>
#include <cmath>
#include <cstddef>
#include <string>

namespace {

struct Segment {
    CPointL a, b;
};

// Something drawn on the canvas: a bus bar, a symbol or a label box.
struct Box {
    CRectL rect;
    std::string what;
    int bus = 0;                 // bus it is attached to (0: none)
    const CLine* line = nullptr; // branch it sits on (branch-attached symbols)
    bool label = false;
};

using Wide = long long;

Wide cross(CPointL o, CPointL a, CPointL b) {
    return (Wide{a.x} - o.x) * (Wide{b.y} - o.y) - (Wide{a.y} - o.y) * (Wide{b.x} - o.x);
}

bool onSegment(CPointL p, const Segment& s) {
    return std::min(s.a.x, s.b.x) <= p.x && p.x <= std::max(s.a.x, s.b.x) &&
           std::min(s.a.y, s.b.y) <= p.y && p.y <= std::max(s.a.y, s.b.y);
}

// Closed segments share at least one point.
bool intersect(const Segment& s, const Segment& t) {
    const Wide d1 = cross(t.a, t.b, s.a), d2 = cross(t.a, t.b, s.b);
    const Wide d3 = cross(s.a, s.b, t.a), d4 = cross(s.a, s.b, t.b);
    if (((d1 > 0 && d2 < 0) || (d1 < 0 && d2 > 0)) && ((d3 > 0 && d4 < 0) || (d3 < 0 && d4 > 0)))
        return true;
    return (d1 == 0 && onSegment(s.a, t)) || (d2 == 0 && onSegment(s.b, t)) ||
           (d3 == 0 && onSegment(t.a, s)) || (d4 == 0 && onSegment(t.b, s));
}

// A point the two intersecting segments share: where they cross, or for overlapping
// collinear segments an end point of one lying on the other.
CPointL meetingPoint(const Segment& s, const Segment& t) {
    const Wide sx = Wide{s.b.x} - s.a.x, sy = Wide{s.b.y} - s.a.y;
    const Wide tx = Wide{t.b.x} - t.a.x, ty = Wide{t.b.y} - t.a.y;
    const Wide denominator = sx * ty - sy * tx;
    if (denominator == 0) {
        for (CPointL p : {t.a, t.b})
            if (onSegment(p, s)) return p;
        return onSegment(s.a, t) ? s.a : s.b;
    }
    const double u =
        static_cast<double>((Wide{t.a.x} - s.a.x) * ty - (Wide{t.a.y} - s.a.y) * tx) / denominator;
    return {static_cast<int>(std::lround(s.a.x + u * sx)),
            static_cast<int>(std::lround(s.a.y + u * sy))};
}

// The parameter range [t0, t1] of the segment inside the rectangle (closed, or with
// `open` its interior only); false when it misses.
bool clip(const Segment& s, const CRectL& r, bool open, double& t0, double& t1) {
    const double dx = s.b.x - s.a.x, dy = s.b.y - s.a.y;
    const double margin = open ? 1e-9 : 0.0;
    const double p[4] = {-dx, dx, -dy, dy};
    const double q[4] = {s.a.x - r.m_xMin - margin, r.m_xMax - s.a.x - margin,
                         s.a.y - r.m_yMin - margin, r.m_yMax - s.a.y - margin};
    t0 = 0.0;
    t1 = 1.0;
    for (int i = 0; i < 4; ++i) {
        if (p[i] == 0.0) {
            if (open ? q[i] <= 0.0 : q[i] < 0.0) return false;
            continue;
        }
        const double t = q[i] / p[i];
        if (p[i] < 0.0)
            t0 = std::max(t0, t);
        else
            t1 = std::min(t1, t);
    }
    return open ? t0 < t1 : t0 <= t1;
}

bool overlapsOpen(const CRectL& a, const CRectL& b) {
    return a.m_xMin < b.m_xMax && b.m_xMin < a.m_xMax && a.m_yMin < b.m_yMax && b.m_yMin < a.m_yMax;
}

bool overlapsClosed(const CRectL& a, const CRectL& b) {
    return a.m_xMin <= b.m_xMax && b.m_xMin <= a.m_xMax && a.m_yMin <= b.m_yMax &&
           b.m_yMin <= a.m_yMax;
}

std::string branchName(const CLine& line) {
    return std::string(line.m_transformer ? "transformer " : "branch ") +
           std::to_string(line.m_bus1) + "-" + std::to_string(line.m_bus2);
}

std::string point(CPointL p) {
    return "(" + std::to_string(p.x) + "," + std::to_string(p.y) + ")";
}

constexpr int kCharWidth = 6;
constexpr int kResultWidth = 45;

CRectL resultBox(const CRectL& r) {
    return {r.m_xMax + 1, r.m_yMin + 30, r.m_xMax + 1 + kResultWidth, r.m_yMin + 3};
}

CRectL nameBox(const CBus& bus) {
    const std::size_t chars = std::max(bus.m_name.size(), std::to_string(bus.m_number).size() + 1);
    const int width = static_cast<int>(chars) * kCharWidth;
    if (bus.m_horizontal)
        return {bus.m_xMin - 10 - width, bus.m_yMax + 18, bus.m_xMin - 10, bus.m_yMax - 13};
    const int centre = bus.m_xMax - (bus.m_xMax - bus.m_xMin) / 2;
    return {centre - width / 2, bus.m_yMax + 35, centre + width / 2, bus.m_yMax + 5};
}

template <class Array>
void addSymbols(const Array& array, const char* kind, bool labelled, std::vector<Box>& boxes) {
    for (const auto& element : array) {
        const std::string what = std::string(kind) + " at bus " + std::to_string(element->m_bus);
        boxes.push_back({element->GetRect(), what, element->m_bus, nullptr, false});
        if (labelled)
            boxes.push_back({resultBox(element->GetRect()), "labels of the " + what, element->m_bus,
                             nullptr, true});
    }
}

template <class Array>
void addBranchSymbols(const Array& array, const char* kind, bool labelled, const CSkemtorDoc& doc,
                      std::vector<Box>& boxes) {
    for (const auto& element : array) {
        const std::string what = std::string(kind) + " " + std::to_string(element->m_bus1) + "-" +
                                 std::to_string(element->m_bus2);
        const CLine* on = nullptr;
        for (const auto& line : doc.LineArray())
            if (line->HitTest(element->m_xMin + 3, element->m_yMin + 3)) on = line.get();
        boxes.push_back({element->GetRect(), what, 0, on, false});
        if (labelled)
            boxes.push_back({resultBox(element->GetRect()), "labels of the " + what, 0, on, true});
    }
}

} // namespace

std::vector<std::string> CLayoutCheck::Check(const CSkemtorDoc& doc) {
    std::vector<std::string> found;

    struct Placed {
        const CLine* line;
        int index; // segment index, 1..count-1
        Segment segment;
    };
    std::vector<Placed> segments;
    for (const auto& line : doc.LineArray())
        for (int i = 1; i < line->GetPointCount(); ++i)
            segments.push_back({line.get(), i, {line->GetPoint(i - 1), line->GetPoint(i)}});

    for (std::size_t i = 0; i < segments.size(); ++i)
        for (std::size_t j = i + 1; j < segments.size(); ++j)
            if (segments[i].line != segments[j].line &&
                intersect(segments[i].segment, segments[j].segment))
                found.push_back(branchName(*segments[i].line) + " and " +
                                branchName(*segments[j].line) + " cross or touch at " +
                                point(meetingPoint(segments[i].segment, segments[j].segment)));

    std::vector<Box> boxes;
    for (const auto& bus : doc.BusArray()) {
        boxes.push_back({bus->GetRect(), "bus " + std::to_string(bus->m_number), bus->m_number,
                         nullptr, false});
        boxes.push_back({nameBox(*bus), "name of bus " + std::to_string(bus->m_number),
                         bus->m_number, nullptr, true});
        boxes.push_back({resultBox(bus->GetRect()),
                         "labels of bus " + std::to_string(bus->m_number), bus->m_number, nullptr,
                         true});
    }
    const std::size_t busBoxes = boxes.size();
    addSymbols(doc.CapacitanceArray(), "capacitor", false, boxes);
    addSymbols(doc.GeneratorArray(), "generator", false, boxes);
    addSymbols(doc.PowerInjectionArray(), "injection meter", true, boxes);
    addSymbols(doc.VoltageArray(), "voltage meter", true, boxes);
    addSymbols(doc.ShortArray(), "fault", false, boxes);
    addSymbols(doc.ZgroundArray(), "impedance to ground", false, boxes);
    addBranchSymbols(doc.PowerFlowArray(), "flow meter", true, doc, boxes);
    addBranchSymbols(doc.CurrentArray(), "current meter", true, doc, boxes);
    addBranchSymbols(doc.BreakerArray(), "breaker", false, doc, boxes);

    // Branches against bars, symbols and labels.
    for (const Placed& placed : segments) {
        const CLine& line = *placed.line;
        const bool first = placed.index == 1;
        const bool last = placed.index == line.GetPointCount() - 1;
        for (std::size_t k = 0; k < boxes.size(); ++k) {
            const Box& box = boxes[k];
            double t0 = 0, t1 = 0;
            const bool isBar = k < busBoxes && !box.label;
            if (isBar) {
                if (!clip(placed.segment, box.rect, false, t0, t1)) continue;
                // A branch may touch its own bus only at its end point.
                const bool startHere = first && box.bus == line.m_bus1 && t1 == 0.0;
                const bool endHere = last && box.bus == line.m_bus2 && t0 == 1.0;
                if (startHere || endHere) continue;
                found.push_back(branchName(line) + " runs through or along " + box.what);
                continue;
            }
            if (box.line == &line) continue;
            if (clip(placed.segment, box.rect, true, t0, t1))
                found.push_back(branchName(line) + " runs through the " + box.what);
        }
    }

    // Bars, symbols and labels against each other. A symbol touches its own bus; its
    // labels may lie beside anything of its own.
    for (std::size_t i = 0; i < boxes.size(); ++i)
        for (std::size_t j = i + 1; j < boxes.size(); ++j) {
            const Box& a = boxes[i];
            const Box& b = boxes[j];
            const bool sameOwner = (a.bus != 0 && a.bus == b.bus) || (a.line && a.line == b.line);
            if (sameOwner && (a.label || b.label)) continue;
            const bool clash = sameOwner ? overlapsOpen(a.rect, b.rect)
                                         : (a.label || b.label ? overlapsOpen(a.rect, b.rect)
                                                               : overlapsClosed(a.rect, b.rect));
            if (clash) found.push_back("the " + a.what + " and the " + b.what + " overlap");
        }
    return found;
}
