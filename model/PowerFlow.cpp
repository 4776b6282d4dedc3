#include "model/PowerFlow.h"

#include "model/Archive.h"
#include "model/draw/MeterResults.h"
#include "model/draw/SymbolDrawing.h"

CPowerFlow::CPowerFlow(int x, int y, int bus1, int bus2, double p, double q, double sd)
    : m_p(p), m_pSd(sd), m_q(q), m_qSd(sd), m_bus1(bus1), m_bus2(bus2) {
    SetRect(SquareRect(x, y));
}

void CPowerFlow::SetRealEstimate(double measured, double estimated, int valid) {
    m_pMeasured = measured;
    m_pEstimated = estimated;
    m_pValid = valid;
}

void CPowerFlow::SetReactiveEstimate(double measured, double estimated, int valid) {
    m_qMeasured = measured;
    m_qEstimated = estimated;
    m_qValid = valid;
}

void CPowerFlow::SetRealResidual(double residual, double residualClass, int valid, int position) {
    m_pResidual = residual;
    m_pClass = residualClass;
    m_pValid = valid;
    m_pPosition = position + 1;
}

void CPowerFlow::SetReactiveResidual(double residual, double residualClass, int valid,
                                     int position) {
    m_qResidual = residual;
    m_qClass = residualClass;
    m_qValid = valid;
    m_qPosition = position + 1;
}

void CPowerFlow::ClearResults() {
    m_pMeasured = m_pEstimated = m_qMeasured = m_qEstimated = 0.0;
    m_pResidual = m_qResidual = m_pClass = m_qClass = 0.0;
    m_pValid = m_qValid = 0;
    m_pPosition = m_qPosition = 1;
}

void CPowerFlow::Serialize(CArchive& ar) {
    SerializeRect(ar);
    ar.Fields(m_p, m_pSd, m_q, m_qSd, m_bus1, m_bus2, m_qEnabled, m_pEnabled);
    if (ar.IsLoading()) ClearResults();
}

namespace {
CMeterResults::Part realPart(const CPowerFlow& m) {
    return {m.m_pValid, m.m_pMeasured, m.m_pEstimated, m.m_pResidual, m.m_pClass, m.m_pPosition};
}
CMeterResults::Part reactivePart(const CPowerFlow& m) {
    return {m.m_qValid, m.m_qMeasured, m.m_qEstimated, m.m_qResidual, m.m_qClass, m.m_qPosition};
}
} // namespace

void CPowerFlow::Draw(CDrawSurface& surface, const CSkemtorApp&, int) const {
    CSymbolDrawing::FilledSquare(surface, *this, tarvex::colors::kGreen);
}

void CPowerFlow::DrawLabels(CDrawSurface& surface, const CSkemtorApp& app) const {
    CMeterResults::DrawLabels(surface, app, *this, CMeterResults::Kind::PowerFlow, realPart(*this),
                              reactivePart(*this));
}

void CPowerFlow::FormatStatus(CSkemtorApp& app) const {
    CMeterResults::FormatStatus(app, CMeterResults::Kind::PowerFlow, realPart(*this),
                                reactivePart(*this));
}
