#pragma once

#include "model/Element.h"

// A shunt susceptance at a bus (negative for a reactor).
class CCapacitance : public CElement {
public:
    CCapacitance() = default;
    CCapacitance(int x, int y, int orientation, int bus);

    int m_bus = 0;
    double m_susceptance = 0.0; // p.u.
    int m_orientation = 0;

    int GetBus() const { return m_bus; }
    double GetSusceptance() const { return m_susceptance; }
};
