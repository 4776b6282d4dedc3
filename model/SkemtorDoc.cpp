#include "model/SkemtorDoc.h"

#include "model/Archive.h"
#include "model/SkemtorApp.h"

#include <algorithm>

void CSkemtorDoc::DeleteContents() {
    m_buses.Clear();
    m_lines.Clear();
    m_capacitances.Clear();
    m_powerFlows.Clear();
    m_currents.Clear();
    m_powerInjections.Clear();
    m_voltages.Clear();
    m_shorts.Clear();
    m_zgrounds.Clear();
    m_breakers.Clear();
    m_generators.Clear();
    m_newLinePointCount = 0;
}

namespace {
template <class T, class Pred> int countIf(const CElementArray<T>& array, Pred pred) {
    return static_cast<int>(
        std::count_if(array.begin(), array.end(), [&](const auto& e) { return pred(*e); }));
}
} // namespace

int CSkemtorDoc::GetPowerFlowRealCount() const {
    return countIf(m_powerFlows, [](const CPowerFlow& m) { return m.m_pEnabled != 0; });
}
int CSkemtorDoc::GetPowerFlowReactiveCount() const {
    return countIf(m_powerFlows, [](const CPowerFlow& m) { return m.m_qEnabled != 0; });
}
int CSkemtorDoc::GetPowerInjectionRealCount() const {
    return countIf(m_powerInjections, [](const CPowerInjection& m) { return m.m_pEnabled != 0; });
}
int CSkemtorDoc::GetPowerInjectionReactiveCount() const {
    return countIf(m_powerInjections, [](const CPowerInjection& m) { return m.m_qEnabled != 0; });
}

CBus* CSkemtorDoc::FindBus(int number) const {
    for (const auto& bus : m_buses)
        if (bus->m_number == number) return bus.get();
    return nullptr;
}

namespace {
template <class T> void serializeArray(CArchive& ar, CElementArray<T>& array) {
    if (ar.IsStoring()) {
        ar.WriteCount(static_cast<std::uint32_t>(array.Count()));
        for (const auto& element : array) {
            ar.WriteObjectTag(T::kClassName);
            element->Serialize(ar);
        }
        return;
    }
    const std::uint32_t count = ar.ReadCount();
    for (std::uint32_t i = 0; i < count; ++i) {
        // A null entry holds no element; the arrays never hold nulls.
        if (!ar.ReadObjectTag(T::kClassName)) continue;
        auto element = std::make_unique<T>();
        element->Serialize(ar);
        array.Add(std::move(element));
    }
}
} // namespace

void CSkemtorDoc::Serialize(CArchive& ar, CSkemtorApp& app) {
    double mvaBase = app.m_mvaBase;
    std::string caseName = app.m_caseName;
    if (ar.IsLoading()) DeleteContents();
    ar.Fields(mvaBase, caseName);
    serializeArray(ar, m_buses);
    serializeArray(ar, m_lines);
    serializeArray(ar, m_capacitances);
    serializeArray(ar, m_powerFlows);
    serializeArray(ar, m_currents);
    serializeArray(ar, m_powerInjections);
    serializeArray(ar, m_voltages);
    serializeArray(ar, m_shorts);
    serializeArray(ar, m_zgrounds);
    serializeArray(ar, m_breakers);
    serializeArray(ar, m_generators);
    if (ar.IsLoading()) {
        app.m_mvaBase = mvaBase;
        app.m_caseName = caseName;
        SetModifiedFlag(false);
    }
}
