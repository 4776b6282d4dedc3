#include "model/Generator.h"

#include "model/Archive.h"
#include "model/SkemtorApp.h"
#include "model/draw/Format.h"
#include "model/draw/Labels.h"
#include "model/draw/ResultDisplay.h"
#include "model/draw/SymbolDrawing.h"

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

void CGenerator::Serialize(CArchive& ar) {
    SerializeRect(ar);
    // The file keeps the open-circuit time constants before the transient reactances.
    ar.Fields(m_bus, m_orientation, m_damping, m_h, m_xd, m_xq, m_tdoPrime, m_tqoPrime, m_xdPrime,
              m_xqPrime, m_model, m_efd1, m_efd2, m_ka, m_ke, m_kf, m_se1, m_se2, m_ta, m_te, m_tf,
              m_vrMax, m_vrMin);
    for (auto* curve : {&m_costP, &m_costPValue, &m_costQ, &m_costQValue})
        for (double& value : *curve) ar.Exchange(value);
}

void CGenerator::Draw(CDrawSurface& surface, const CSkemtorApp&, int) const {
    CSymbolDrawing::Glyph(surface, *this, GlyphKind::Generator, m_orientation);
}

void CGenerator::DrawLabels(CDrawSurface& surface, const CSkemtorApp& app) const {
    if (!CResultDisplay::ShowsOptimalPowerFlow(app) ||
        app.m_displayChoice != CResultDisplay::kBusGeneration)
        return;
    // Above the symbol, clear of the bus it faces.
    int x = m_xMin - 15;
    if (m_orientation == 180)
        x = m_xMax;
    else if (m_orientation == 90)
        x = m_xMin - 30;
    CLabels::Draw(surface, x, m_yMax + 30, FormatText("$%.1fP", m_realPowerCost));
}

void CGenerator::FormatStatus(CSkemtorApp& app) const {
    app.m_statusText.clear();
    // The reactive cost curve is kept but never evaluated, so its cost shows as 0.
    if (CResultDisplay::ShowsOptimalPowerFlow(app))
        app.m_statusText = FormatText("Real Power Cost: $ %.1f  Reactive Power Cost: $ %.1f",
                                      m_realPowerCost, 0.0);
}
