#include "examples/generator/EditorRules.h"

#include "examples/generator/SourceRecord.h"
#include "model/SkemtorDoc.h"

#include <string>

namespace {

std::string pointText(CPointL p) {
    return std::to_string(p.x) + "," + std::to_string(p.y);
}

std::string busText(const CBus* bus) {
    return bus ? "bus " + std::to_string(bus->m_number) : "no bus";
}

bool overlaps(const CRectL& a, const CRectL& b) {
    return a.m_xMin <= b.m_xMax && b.m_xMin <= a.m_xMax && a.m_yMin <= b.m_yMax &&
           b.m_yMin <= a.m_yMax;
}

} // namespace

void CEditorRules::CheckClick(const CSourceRecord& record, CPointL click, const char* what) {
    if (click.x % kGrid != 0 || click.y % kGrid != 0)
        record.Fail(std::string(what) + " " + pointText(click) + " is off the 10-unit grid");
    if (click.x < 0 || click.y > 0)
        record.Fail(std::string(what) + " " + pointText(click) +
                    " is off the canvas (x must be 0 or more, y 0 or less)");
}

void CEditorRules::CheckBus(const CSourceRecord& record, const CSkemtorDoc& doc, const CBus& bus) {
    if (bus.m_number < 1 || bus.m_number > kMaxPowerFlowBuses)
        record.Fail("bus number " + std::to_string(bus.m_number) + " is outside 1.." +
                    std::to_string(kMaxPowerFlowBuses));
    if (doc.FindBus(bus.m_number))
        record.Fail("bus number " + std::to_string(bus.m_number) + " is already used");
    if (doc.GetBusCount() >= kMaxPowerFlowBuses)
        record.Fail("more than " + std::to_string(kMaxPowerFlowBuses) + " buses");
    if (static_cast<int>(bus.m_name.size()) > kMaxBusNameLength)
        record.Fail("bus name \"" + bus.m_name + "\" is longer than 12 characters");
    for (const auto& other : doc.BusArray())
        if (overlaps(bus.GetRect(), other->GetRect()))
            record.Fail("bus " + std::to_string(bus.m_number) + " overlaps bus " +
                        std::to_string(other->m_number));
}

const CBus* CEditorRules::FirstBusHit(const CSkemtorDoc& doc, CPointL point) {
    for (const auto& bus : doc.BusArray())
        if (bus->HitTest(point.x, point.y)) return bus.get();
    return nullptr;
}

const CLine* CEditorRules::FirstLineHit(const CSkemtorDoc& doc, CPointL point) {
    for (const auto& line : doc.LineArray())
        if (line->HitTest(point.x, point.y)) return line.get();
    return nullptr;
}

void CEditorRules::CheckLine(const CSourceRecord& record, const CSkemtorDoc& doc,
                             const CLine& line) {
    const int count = line.GetPointCount();
    if (count < 2 || count > CLine::kMaxPoints)
        record.Fail("a branch needs 2 to 100 points, not " + std::to_string(count));
    for (int i = 0; i < count; ++i) CheckClick(record, line.GetPoint(i), "point");
    for (int end : {1, 2}) {
        const int number = line.GetBus(end);
        if (!doc.FindBus(number))
            record.Fail("bus " + std::to_string(number) + " is not placed before this branch");
        const CPointL point = line.GetPoint(end == 1 ? 0 : count - 1);
        const CBus* hit = FirstBusHit(doc, point);
        if (!hit || hit->m_number != number)
            record.Fail(std::string(end == 1 ? "first" : "last") + " point " + pointText(point) +
                        " lies on " + busText(hit) + ", not on bus " + std::to_string(number));
    }
    for (int i = 1; i + 1 < count; ++i)
        if (const CBus* hit = FirstBusHit(doc, line.GetPoint(i)))
            record.Fail("point " + pointText(line.GetPoint(i)) + " lies on " + busText(hit) +
                        "; the branch would end there");
}

void CEditorRules::CheckOnBus(const CSourceRecord& record, const CSkemtorDoc& doc, CPointL click,
                              int bus) {
    CheckClick(record, click, "at");
    if (!doc.FindBus(bus)) record.Fail("bus " + std::to_string(bus) + " is not placed yet");
    const CBus* hit = FirstBusHit(doc, click);
    if (!hit || hit->m_number != bus)
        record.Fail("at=" + pointText(click) + " lies on " + busText(hit) + ", not on bus " +
                    std::to_string(bus));
}

void CEditorRules::CheckOnBranch(const CSourceRecord& record, const CSkemtorDoc& doc, CPointL click,
                                 int bus1, int bus2, bool eitherOrder) {
    CheckClick(record, click, "at");
    const CLine* hit = FirstLineHit(doc, click);
    const bool same = hit && hit->m_bus1 == bus1 && hit->m_bus2 == bus2;
    const bool turned = hit && eitherOrder && hit->m_bus1 == bus2 && hit->m_bus2 == bus1;
    if (same || turned) return;
    const std::string pair = std::to_string(bus1) + "-" + std::to_string(bus2);
    if (!hit) record.Fail("at=" + pointText(click) + " lies on no branch, not on " + pair);
    record.Fail("at=" + pointText(click) + " lies on branch " + std::to_string(hit->m_bus1) + "-" +
                std::to_string(hit->m_bus2) + ", not on " + pair);
}
