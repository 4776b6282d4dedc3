#pragma once

#include "model/Bus.h"
#include "model/Capacitance.h"
#include "model/CircuitBreaker.h"
#include "model/Current.h"
#include "model/ElementArray.h"
#include "model/Generator.h"
#include "model/Line.h"
#include "model/PowerFlow.h"
#include "model/PowerInjection.h"
#include "model/Short.h"
#include "model/Voltage.h"
#include "model/Zground.h"

#include <array>

class CArchive;
class CSkemtorApp;

// The drawn network: eleven ordered element arrays, in the order in which they are also
// saved. Elements refer to buses by number; every lookup is a search of the bus array.
// Add* takes ownership; Remove* destroys the element and shifts the rest down.
class CSkemtorDoc {
public:
    CSkemtorDoc() = default;
    CSkemtorDoc(const CSkemtorDoc&) = delete;
    CSkemtorDoc& operator=(const CSkemtorDoc&) = delete;

#define TARVEX_DOC_ARRAY(Name, Type, member)                                                       \
    int Add##Name(std::unique_ptr<Type> element) {                                                 \
        member.Add(std::move(element));                                                            \
        SetModifiedFlag(true);                                                                     \
        return 1;                                                                                  \
    }                                                                                              \
    int Remove##Name(int index) {                                                                  \
        const int removed = member.Remove(index);                                                  \
        if (removed) SetModifiedFlag(true);                                                        \
        return removed;                                                                            \
    }                                                                                              \
    Type* Get##Name(int index) const {                                                             \
        return member.Get(index);                                                                  \
    }                                                                                              \
    int Get##Name##Count() const {                                                                 \
        return member.Count();                                                                     \
    }                                                                                              \
    const CElementArray<Type>& Name##Array() const {                                               \
        return member;                                                                             \
    }

    TARVEX_DOC_ARRAY(Bus, CBus, m_buses)
    TARVEX_DOC_ARRAY(Line, CLine, m_lines)
    TARVEX_DOC_ARRAY(Capacitance, CCapacitance, m_capacitances)
    TARVEX_DOC_ARRAY(PowerFlow, CPowerFlow, m_powerFlows)
    TARVEX_DOC_ARRAY(Current, CCurrent, m_currents)
    TARVEX_DOC_ARRAY(PowerInjection, CPowerInjection, m_powerInjections)
    TARVEX_DOC_ARRAY(Voltage, CVoltage, m_voltages)
    TARVEX_DOC_ARRAY(Short, CShort, m_shorts)
    TARVEX_DOC_ARRAY(Zground, CZground, m_zgrounds)
    TARVEX_DOC_ARRAY(Breaker, CCircuitBreaker, m_breakers)
    TARVEX_DOC_ARRAY(Generator, CGenerator, m_generators)
#undef TARVEX_DOC_ARRAY

    // Deletes every element of every array; run when a document is closed or re-read.
    void DeleteContents();

    // The document file: the application's MVA base and case name, then the eleven
    // arrays in their fixed order. Loading starts from an empty document and sets the
    // MVA base and case name only once everything has been read; a damaged file throws
    // CArchiveException, leaving the elements read so far for the caller to delete.
    void Serialize(CArchive& ar, CSkemtorApp& app);

    // Meter counts for the measurement file: flow and injection meters with the real
    // or the reactive part in use.
    int GetPowerFlowRealCount() const;
    int GetPowerFlowReactiveCount() const;
    int GetPowerInjectionRealCount() const;
    int GetPowerInjectionReactiveCount() const;

    // A newly placed bus is numbered one past the current count, whatever numbers the
    // existing buses carry after edits or deletions.
    int NextBusNumber() const {
        return GetBusCount() + 1;
    }

    // First bus with this number, or null.
    CBus* FindBus(int number) const;

    // The branch being drawn: the editor appends points and a new line copies them.
    static constexpr int kMaxNewLinePoints = CLine::kMaxPoints;
    std::array<CPointL, kMaxNewLinePoints> m_newLinePoints{};
    int m_newLinePointCount = 0;

    void SetModifiedFlag(bool modified) {
        m_modified = modified;
    }
    bool IsModified() const {
        return m_modified;
    }

private:
    CElementArray<CBus> m_buses;
    CElementArray<CLine> m_lines;
    CElementArray<CCapacitance> m_capacitances;
    CElementArray<CPowerFlow> m_powerFlows;
    CElementArray<CCurrent> m_currents;
    CElementArray<CPowerInjection> m_powerInjections;
    CElementArray<CVoltage> m_voltages;
    CElementArray<CShort> m_shorts;
    CElementArray<CZground> m_zgrounds;
    CElementArray<CCircuitBreaker> m_breakers;
    CElementArray<CGenerator> m_generators;
    bool m_modified = false;
};
