#include "model/Current.h"

#include "model/Archive.h"

CCurrent::CCurrent(int x, int y, int bus1, int bus2, double value, double sd)
    : m_value(value), m_sd(sd), m_bus1(bus1), m_bus2(bus2) {
    SetRect(SquareRect(x, y));
}

void CCurrent::SetEstimateResult(double measured, double estimated, int valid) {
    m_measured = measured;
    m_estimated = estimated;
    m_valid = valid;
}

void CCurrent::SetResidualResult(double residual, double residualClass, int valid, int position) {
    m_residual = residual;
    m_class = residualClass;
    m_valid = valid;
    m_position = position + 1;
}

void CCurrent::ClearResults() {
    m_measured = m_estimated = m_residual = m_class = 0.0;
    m_valid = 0;
    m_position = 1;
}

void CCurrent::Serialize(CArchive& ar) {
    SerializeRect(ar);
    ar.Fields(m_value, m_sd, m_bus1, m_bus2);
    if (ar.IsLoading()) ClearResults();
}
