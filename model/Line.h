#pragma once

#include "model/Rect.h"

#include <array>

class CSkemtorApp;

class CArchive;
class CDrawSurface;

// One branch: a line or a transformer, drawn as a polyline from a point on its first
// bus to a point on its second. Bus order matters: flows are reported per end.
class CLine {
public:
    // Name of the class record in the document file.
    static constexpr const char* kClassName = "CLine";
    static constexpr int kMaxPoints = 100;
    static constexpr int kTieLineArea = 99;

    CLine() = default;
    // Placing constructor: the drawn polyline (count clamped to 2..100) and the branch
    // defaults of the analysis settings.
    CLine(const CPointL* points, int pointCount, int bus1, int bus1Horizontal, int bus2,
          int bus2Horizontal, const CSkemtorApp& settings);

    double m_r = 0, m_x = 0; // series impedance, p.u.
    double m_g = 0;          // shunt conductance, p.u. (kept, never sent to the engine)
    double m_b = 0;          // total line charging, p.u.
    double m_r0 = 0, m_x0 = 0;
    double m_tap = 0;   // turns ratio
    double m_phase = 0; // degrees, phase shifters only
    int m_bus1 = 0, m_bus2 = 0;
    int m_bus1Horizontal = 0, m_bus2Horizontal = 0;
    int m_pointCount = 0;
    std::array<CPointL, kMaxPoints> m_points{};
    int m_transformer = 0;     // 0 line, 1 transformer
    int m_zeroSeqDisabled = 1; // 1: left out of the zero-sequence network
    int m_phaseShifter = 0;    // 0 tap changer, 1 phase shifter
    int m_mvaLimit = 0;
    int m_area = 0;
    int m_tieLine = 0;
    int m_selected = 0;

    // Results, never saved.
    int m_observable = 1;
    int m_withinLimit = 1;
    double m_flowP1 = 0, m_flowQ1 = 0;
    int m_flowValid1 = 0;
    double m_flowP2 = 0, m_flowQ2 = 0;
    int m_flowValid2 = 0;
    int m_resultSeen1 = 0, m_resultSeen2 = 0;
    double m_scCurrent = 0, m_scCurrentAngle = 0;
    int m_scValid1 = 0, m_scValid2 = 0;

    // Polyline hit test: within 4 units of a horizontal or vertical segment, or on the
    // integer slope of an oblique one.
    bool HitTest(int x, int y) const;
    void SetSelected(int flag) { m_selected = flag; }
    int IsSelected() const { return m_selected; }

    int GetBus(int end) const { return end == 1 ? m_bus1 : end == 2 ? m_bus2 : 0; }
    CPointL GetPoint(int i) const { return m_points[static_cast<std::size_t>(i)]; }
    int GetPointCount() const { return m_pointCount; }

    // Area of the common area of both end buses, or 99 with the tie-line flag.
    void SetArea(int area1, int area2);
    // End 1 or 2 stores that end's flow; end 0 clears both valid flags.
    void SetFlowResult(double p, double q, int end);
    void MarkResultSeen(int end);
    int IsResultSeen(int end) const;
    void ClearResultSeen() { m_resultSeen1 = m_resultSeen2 = 0; }
    void SetObservable(int flag) { m_observable = flag; }
    void SetWithinLimit(int flag) { m_withinLimit = flag; }
    void SetShortCircuitResult(double current, double angle, int end);
    // Forgets every result (after reading from a file).
    void ClearResults();

    // The polyline, coloured by the result state of the analysis on display, with the
    // transformer glyph at its middle segment.
    void Draw(CDrawSurface& surface, const CSkemtorApp& app, int resultState) const;
    // The result labels beside the symbol; nothing when no result is to be shown.
    void DrawLabels(CDrawSurface& surface, const CSkemtorApp& app) const;
    // The analysis status bar text for this element under the cursor.
    void FormatStatus(CSkemtorApp& app) const;

    // The saved fields in document file order (writes when storing, reads when
    // loading); loading also clears the selection and every result.
    void Serialize(CArchive& ar);
};
