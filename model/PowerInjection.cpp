#include "model/PowerInjection.h"

#include "model/Archive.h"
#include "model/draw/MeterResults.h"
#include "model/draw/SymbolDrawing.h"

CPowerInjection::CPowerInjection(int x, int y, int orientation, int bus, double p, double q,
                                 double sd)
    : m_p(p), m_pSd(sd), m_q(q), m_qSd(sd), m_bus(bus), m_orientation(orientation) {
    SetRect(SymbolRect(x, y, orientation, kSymbolLength, kSymbolHalfWidth));
}

void CPowerInjection::SetRealEstimate(double measured, double estimated, int valid) {
    m_pMeasured = measured;
    m_pEstimated = estimated;
    m_pValid = valid;
}

void CPowerInjection::SetReactiveEstimate(double measured, double estimated, int valid) {
    m_qMeasured = measured;
    m_qEstimated = estimated;
    m_qValid = valid;
}

void CPowerInjection::SetRealResidual(double residual, double residualClass, int valid,
                                      int position) {
    m_pResidual = residual;
    m_pClass = residualClass;
    m_pValid = valid;
    m_pPosition = position + 1;
}

void CPowerInjection::SetReactiveResidual(double residual, double residualClass, int valid,
                                          int position) {
    m_qResidual = residual;
    m_qClass = residualClass;
    m_qValid = valid;
    m_qPosition = position + 1;
}

void CPowerInjection::ClearResults() {
    m_pMeasured = m_pEstimated = m_qMeasured = m_qEstimated = 0.0;
    m_pResidual = m_qResidual = m_pClass = m_qClass = 0.0;
    m_pValid = m_qValid = 0;
    m_pPosition = m_qPosition = 1;
}

void CPowerInjection::Serialize(CArchive& ar) {
    SerializeRect(ar);
    ar.Fields(m_p, m_pSd, m_q, m_qSd, m_bus, m_pEnabled, m_qEnabled, m_orientation);
    if (ar.IsLoading()) ClearResults();
}

namespace {
CMeterResults::Part realPart(const CPowerInjection& m) {
    return {m.m_pValid, m.m_pMeasured, m.m_pEstimated, m.m_pResidual, m.m_pClass, m.m_pPosition};
}
CMeterResults::Part reactivePart(const CPowerInjection& m) {
    return {m.m_qValid, m.m_qMeasured, m.m_qEstimated, m.m_qResidual, m.m_qClass, m.m_qPosition};
}
} // namespace

void CPowerInjection::Draw(CDrawSurface& surface, const CSkemtorApp&, int) const {
    CSymbolDrawing::Glyph(surface, *this, GlyphKind::PowerInjectionMeter, m_orientation);
}

void CPowerInjection::DrawLabels(CDrawSurface& surface, const CSkemtorApp& app) const {
    CMeterResults::DrawLabels(surface, app, *this, CMeterResults::Kind::PowerInjection,
                              realPart(*this), reactivePart(*this));
}

void CPowerInjection::FormatStatus(CSkemtorApp& app) const {
    CMeterResults::FormatStatus(app, CMeterResults::Kind::PowerInjection, realPart(*this),
                                reactivePart(*this));
}
