#pragma once

#include "model/Element.h"

#include <array>

class CArchive;
class CDrawSurface;
class CSkemtorApp;

// A machine at a bus: transient stability data (classical or two-axis model with a DC1
// exciter) and piecewise-linear cost curves for the optimal power flow. Its steady-state
// output is the bus's generation.
class CGenerator : public CElement {
public:
    // Name of the class record in the document file.
    static constexpr const char* kClassName = "CGenerator";
    static constexpr int kClassical = 1;
    static constexpr int kTwoAxis = 2;

    CGenerator() = default;
    CGenerator(int x, int y, int orientation, int bus);

    int m_bus = 0;
    int m_orientation = 0;
    int m_model = kClassical;
    double m_damping = 0.1;
    double m_h = 0.2;
    double m_xd = 0.3;
    double m_xq = 0.4;
    double m_xdPrime = 0.5;
    double m_xqPrime = 0.6;
    double m_tdoPrime = 0.7;
    double m_tqoPrime = 0.8;
    std::array<double, 4> m_costP{1, 2, 3, 4};              // MW break points
    std::array<double, 4> m_costPValue{100, 100, 100, 100}; // cost at each
    std::array<double, 4> m_costQ{1, 2, 3, 4};              // MVAr break points
    std::array<double, 4> m_costQValue{10, 20, 30, 40};
    double m_efd1 = 2.47;
    double m_efd2 = 3.5;
    double m_ka = 20.0;
    double m_ke = 1.0;
    double m_kf = 0.063;
    double m_se1 = 0.1816;
    double m_se2 = 0.901;
    double m_ta = 0.2;
    double m_te = 0.314;
    double m_tf = 0.35;
    double m_vrMax = 7.3;
    double m_vrMin = -7.3;
    double m_realPowerCost = 0.0; // at the last optimal power flow point; not saved

    int GetBus() const { return m_bus; }
    int GetModel() const { return m_model; }
    // Evaluates the real-power cost curve at P (the first segment extends below P1;
    // above P4 the previous cost is kept).
    void UpdateCost(double p);

    // The symbol on the diagram (every element draws with the same arguments).
    void Draw(CDrawSurface& surface, const CSkemtorApp& app, int resultState) const;
    // The result labels beside the symbol; nothing when no result is to be shown.
    void DrawLabels(CDrawSurface& surface, const CSkemtorApp& app) const;
    // The analysis status bar text for this element under the cursor.
    void FormatStatus(CSkemtorApp& app) const;

    // The saved fields in document file order (writes when storing, reads when
    // loading); loading also clears the selection and every result.
    void Serialize(CArchive& ar);
};
