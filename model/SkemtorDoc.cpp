#include "model/SkemtorDoc.h"

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
