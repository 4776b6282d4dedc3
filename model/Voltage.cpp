#include "model/Voltage.h"

#include "model/Archive.h"
#include "model/draw/MeterResults.h"
#include "model/draw/SymbolDrawing.h"

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

namespace {
CMeterResults::Part valuePart(const CVoltage& m) {
    return {m.m_valid, m.m_measured, m.m_estimated, m.m_residual, m.m_class, m.m_position};
}
} // namespace

void CVoltage::Draw(CDrawSurface& surface, const CSkemtorApp&, int) const {
    CSymbolDrawing::Glyph(surface, *this, GlyphKind::VoltageMeter, m_orientation);
}

void CVoltage::DrawLabels(CDrawSurface& surface, const CSkemtorApp& app) const {
    CMeterResults::DrawLabels(surface, app, *this, CMeterResults::Kind::Single, valuePart(*this),
                              {});
}

void CVoltage::FormatStatus(CSkemtorApp& app) const {
    CMeterResults::FormatStatus(app, CMeterResults::Kind::Single, valuePart(*this), {});
}
