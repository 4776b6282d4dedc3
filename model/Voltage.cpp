#include "model/Voltage.h"

#include "model/Archive.h"

CVoltage::CVoltage(int x, int y, int orientation, int bus, double value, double sd)
    : m_value(value), m_sd(sd), m_bus(bus), m_orientation(orientation) {
    SetRect(SymbolRect(x, y, orientation, kSymbolLength, kSymbolHalfWidth));
}

void CVoltage::SetEstimateResult(double measured, double estimated, int valid) {
    m_measured = measured;
    m_estimated = estimated;
    m_valid = valid;
}

void CVoltage::SetResidualResult(double residual, double residualClass, int valid, int position) {
    m_residual = residual;
    m_class = residualClass;
    m_valid = valid;
    m_position = position + 1;
}

void CVoltage::ClearResults() {
    m_measured = m_estimated = m_residual = m_class = 0.0;
    m_valid = 0;
    m_position = 1;
}

void CVoltage::Serialize(CArchive& ar) {
    SerializeRect(ar);
    ar.Fields(m_value, m_sd, m_bus, m_orientation);
    if (ar.IsLoading()) ClearResults();
}
