#include "model/Current.h"

#include "model/Archive.h"
#include "model/draw/MeterResults.h"
#include "model/draw/SymbolDrawing.h"

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

namespace {
CMeterResults::Part valuePart(const CCurrent& m) {
    return {m.m_valid, m.m_measured, m.m_estimated, m.m_residual, m.m_class, m.m_position};
}
} // namespace

void CCurrent::Draw(CDrawSurface& surface, const CSkemtorApp&, int) const {
    CSymbolDrawing::FilledSquare(surface, *this, tarvex::colors::kRed);
}

void CCurrent::DrawLabels(CDrawSurface& surface, const CSkemtorApp& app) const {
    CMeterResults::DrawLabels(surface, app, *this, CMeterResults::Kind::Single, valuePart(*this),
                              {});
}

void CCurrent::FormatStatus(CSkemtorApp& app) const {
    CMeterResults::FormatStatus(app, CMeterResults::Kind::Single, valuePart(*this), {});
}
