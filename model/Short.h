#pragma once

#include "model/Element.h"

// A fault for the short-circuit analysis at a bus.
class CShort : public CElement {
public:
    static constexpr int kThreePhase = 3;
    static constexpr int kSinglePhase = 1; // line to ground

    CShort() = default;
    CShort(int x, int y, int orientation, int bus);

    int m_bus = 0;
    int m_faultType = kThreePhase;
    int m_orientation = 0;

    int GetBus() const { return m_bus; }
    // The fault dialog returns 0 for "no choice"; that is kept as a three-phase fault.
    void SetFaultType(int type) { m_faultType = type == 0 ? kThreePhase : type; }
};
