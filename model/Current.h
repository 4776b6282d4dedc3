#pragma once

#include "model/Element.h"

class CArchive;
class CDrawSurface;
class CSkemtorApp;

// Current magnitude meter on a branch, measured at m_bus1. Value and deviation in p.u.
class CCurrent : public CElement {
public:
    // Name of the class record in the document file.
    static constexpr const char* kClassName = "CCurrent";
    CCurrent() = default;
    CCurrent(int x, int y, int bus1, int bus2, double value, double sd);

    double m_value = 0, m_sd = 0;
    int m_bus1 = 0, m_bus2 = 0;

    // Estimator results, never saved; class and position as for the flow meter.
    double m_measured = 0, m_estimated = 0, m_residual = 0, m_class = 0;
    int m_valid = 0;
    int m_position = 1;

    int GetBus(int end) const { return end == 1 ? m_bus1 : end == 2 ? m_bus2 : 0; }
    void SetValue(double value) { m_value = value; }
    void SetEstimateResult(double measured, double estimated, int valid);
    // `position` is 0-based; it is stored 1-based.
    void SetResidualResult(double residual, double residualClass, int valid, int position);
    void ClearResults();

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
