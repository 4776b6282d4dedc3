#include "model/Line.h"

#include "model/Archive.h"
#include "model/SkemtorApp.h"

#include "model/draw/Format.h"
#include "model/draw/Labels.h"
#include "model/draw/ResultDisplay.h"
#include "model/draw/SymbolDrawing.h"
#include <algorithm>

CLine::CLine(const CPointL* points, int pointCount, int bus1, int bus1Horizontal, int bus2,
             int bus2Horizontal, const CSkemtorApp& settings)
    : m_r(settings.m_defaultR), m_x(settings.m_defaultX), m_g(settings.m_defaultG),
      m_b(settings.m_defaultB), m_tap(settings.m_defaultTap), m_bus1(bus1), m_bus2(bus2),
      m_bus1Horizontal(bus1Horizontal), m_bus2Horizontal(bus2Horizontal),
      m_pointCount(std::clamp(pointCount, 0, kMaxPoints)), m_mvaLimit(settings.m_defaultMvaLimit) {
    std::copy(points, points + m_pointCount, m_points.begin());
}

namespace {
bool strictlyBetween(int v, int a, int b) {
    return std::min(a, b) < v && v < std::max(a, b);
}
} // namespace

bool CLine::HitTest(int x, int y) const {
    // 64-bit differences: coordinates read from a file may be anything.
    using Wide = long long;
    const int count = std::min(m_pointCount, kMaxPoints);
    for (int i = 1; i < count; ++i) {
        const CPointL& a = m_points[static_cast<std::size_t>(i - 1)];
        const CPointL& b = m_points[static_cast<std::size_t>(i)];
        const Wide dx = Wide{x} - a.x;
        const Wide dy = Wide{y} - a.y;
        if (a.x == b.x) {
            if (dx >= -4 && dx <= 4 && strictlyBetween(y, a.y, b.y)) return true;
        } else if (a.y == b.y) {
            if (dy >= -4 && dy <= 4 && strictlyBetween(x, a.x, b.x)) return true;
        } else if (dx != 0 && dy != 0) {
            // Integer quotients truncate toward zero, so this is a coarse slope match.
            const Wide segmentSlope = (Wide{b.y} - a.y) / (Wide{b.x} - a.x);
            const Wide cursorSlope = dy / dx;
            if (segmentSlope == cursorSlope && strictlyBetween(x, a.x, b.x) &&
                strictlyBetween(y, a.y, b.y))
                return true;
        }
    }
    return false;
}

void CLine::SetArea(int area1, int area2) {
    if (area1 == area2) {
        m_area = area1;
        m_tieLine = 0;
    } else {
        m_area = kTieLineArea;
        m_tieLine = 1;
    }
}

void CLine::SetFlowResult(double p, double q, int end) {
    if (end == 1) {
        m_flowP1 = p;
        m_flowQ1 = q;
        m_flowValid1 = 1;
    } else if (end == 2) {
        m_flowP2 = p;
        m_flowQ2 = q;
        m_flowValid2 = 1;
    } else if (end == 0) {
        m_flowValid1 = m_flowValid2 = 0;
    }
}

void CLine::MarkResultSeen(int end) {
    if (end == 1) m_resultSeen1 = 1;
    if (end == 2) m_resultSeen2 = 1;
}

int CLine::IsResultSeen(int end) const {
    return end == 1 ? m_resultSeen1 : end == 2 ? m_resultSeen2 : 0;
}

void CLine::SetShortCircuitResult(double current, double angle, int end) {
    m_scCurrent = current;
    m_scCurrentAngle = angle;
    if (end == 1) m_scValid1 = 1;
    if (end == 2) m_scValid2 = 1;
}

void CLine::ClearResults() {
    m_observable = 1;
    m_withinLimit = 1;
    m_flowP1 = m_flowQ1 = m_flowP2 = m_flowQ2 = 0.0;
    m_flowValid1 = m_flowValid2 = 0;
    m_resultSeen1 = m_resultSeen2 = 0;
    m_scCurrent = m_scCurrentAngle = 0.0;
    m_scValid1 = m_scValid2 = 0;
}

void CLine::Serialize(CArchive& ar) {
    // A branch keeps its polyline instead of a rectangle, after its other fields; the
    // zero-sequence reactance comes before the resistance.
    ar.Fields(m_r, m_x, m_g, m_b, m_tap, m_bus1, m_bus1Horizontal, m_bus2, m_bus2Horizontal,
              m_pointCount, m_transformer, m_x0, m_r0, m_zeroSeqDisabled, m_mvaLimit, m_area,
              m_tieLine, m_phaseShifter, m_phase);
    if (m_pointCount < 0 || m_pointCount > kMaxPoints)
        throw CArchiveException(CArchiveException::Cause::BadFormat, "bad branch point count");
    for (int i = 0; i < m_pointCount; ++i) {
        CPointL& point = m_points[static_cast<std::size_t>(i)];
        ar.Fields(point.x, point.y);
    }
    if (ar.IsLoading()) {
        m_selected = 0;
        ClearResults();
    }
}

void CLine::Draw(CDrawSurface& surface, const CSkemtorApp&, int resultState) const {
    using namespace tarvex::colors;
    const bool flagged = (resultState == CSkemtorApp::kObservabilityResults && !m_observable) ||
                         ((resultState == CSkemtorApp::kPowerFlowResults ||
                           resultState == CSkemtorApp::kOptimalPowerFlowResults) &&
                          !m_withinLimit);
    CColor color;
    if (flagged)
        color = m_selected ? kMagenta : kRed;
    else if (m_transformer)
        color = m_selected ? kLightGrey : kSelectionGrey;
    else
        color = m_selected ? kLightBlue : kBlue;

    const int count = std::clamp(m_pointCount, 0, kMaxPoints);
    if (m_transformer && count >= 2) {
        // On the middle segment (the first of the two middle ones for an odd count).
        const CPointL a = m_points[static_cast<std::size_t>(count / 2 - 1)];
        const CPointL b = m_points[static_cast<std::size_t>(count / 2)];
        const int cx = a.x + (b.x - a.x) / 2;
        const int cy = a.y + (b.y - a.y) / 2;
        surface.Glyph(GlyphKind::Transformer, 0, cx - 10, cy + 10);
    }
    surface.SetPen(CSymbolDrawing::Solid(color, 2));
    surface.SetBrush(CSymbolDrawing::Fill(color));
    surface.Polyline(m_points.data(), count);
}

void CLine::DrawLabels(CDrawSurface& surface, const CSkemtorApp& app) const {
    const int count = std::clamp(m_pointCount, 0, kMaxPoints);
    if (!CResultDisplay::ShowsPowerFlow(app) || !m_flowValid1 ||
        app.m_displayChoice != CResultDisplay::kLineFlows || count == 0)
        return;
    // Each end's flow in MW and MVAr, a third of the way in from that end.
    const CPointL first = m_points[0];
    const CPointL last = m_points[static_cast<std::size_t>(count - 1)];
    const double base = app.m_mvaBase;
    CLabels::Draw(surface, first.x + (last.x - first.x) / 3, first.y + (last.y - first.y) / 3 + 10,
                  FormatText("(%.1f,%.1f)", base * m_flowP1, base * m_flowQ1), tarvex::colors::kRed,
                  TextAlign::Center);
    CLabels::Draw(surface, last.x - (last.x - first.x) / 3, last.y - (last.y - first.y) / 3 + 10,
                  FormatText("(%.1f,%.1f)", base * m_flowP2, base * m_flowQ2),
                  tarvex::colors::kBlue, TextAlign::Center);
}

void CLine::FormatStatus(CSkemtorApp& app) const {
    if (!CResultDisplay::HasStatusResults(app)) return;
    std::string& text = app.m_statusText;
    text.clear();
    if (CResultDisplay::ShowsPowerFlow(app)) {
        const double base = app.m_mvaBase;
        if (m_flowValid1)
            text += FormatText("B%d to B%d: PFlow: %.2f  QFlow: %.2f      ", m_bus1, m_bus2,
                               base * m_flowP1, base * m_flowQ1);
        if (m_flowValid2)
            text += FormatText("B%d to B%d: PFlow: %.2f  QFlow: %.2f", m_bus2, m_bus1,
                               base * m_flowP2, base * m_flowQ2);
    } else if (CResultDisplay::ShowsShortCircuit(app)) {
        // Both ends share one current; the last end reported names the direction.
        if (m_scValid1)
            text = FormatText("B%d to B%d: Current %6.4f  Angle: %6.3f      ", m_bus1, m_bus2,
                              m_scCurrent, m_scCurrentAngle);
        if (m_scValid2)
            text = FormatText("B%d to B%d: Current: %6.4f  Angle: %6.3f", m_bus2, m_bus1,
                              m_scCurrent, m_scCurrentAngle);
    }
}
