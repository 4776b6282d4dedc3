#include "model/Generator.h"

CGenerator::CGenerator(int x, int y, int orientation, int bus)
    : m_bus(bus), m_orientation(orientation) {
    SetRect(SymbolRect(x, y, orientation, kGeneratorLength, kGeneratorHalfWidth));
}

void CGenerator::UpdateCost(double p) {
    const auto& P = m_costP;
    const auto& C = m_costPValue;
    if (p <= P[1]) {
        m_realPowerCost = C[1] - (C[1] - C[0]) / (P[1] - P[0]) * (P[1] - p);
    } else if (p <= P[2]) {
        m_realPowerCost = C[2] - (C[2] - C[1]) / (P[2] - P[1]) * (P[2] - p);
    } else if (p <= P[3]) {
        m_realPowerCost = C[2] + (C[3] - C[2]) / (P[3] - P[2]) * (p - P[2]);
    }
}
