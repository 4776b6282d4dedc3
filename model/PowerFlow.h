#pragma once

#include "model/Element.h"

class CArchive;
class CDrawSurface;
class CSkemtorApp;

// Real and reactive flow meter on a branch, measured at m_bus1 on the flow towards
// m_bus2. Values and deviations in p.u.
class CPowerFlow : public CElement {
public:
    // Name of the class record in the document file.
    static constexpr const char* kClassName = "CPowerFlow";
    CPowerFlow() = default;
    CPowerFlow(int x, int y, int bus1, int bus2, double p, double q, double sd);

    double m_p = 0, m_pSd = 0, m_q = 0, m_qSd = 0;
    int m_bus1 = 0, m_bus2 = 0;
    int m_qEnabled = 1;
    int m_pEnabled = 1;

    // Estimator results per part, never saved. Class: 0 redundant, 1 critical,
    // 2 among the largest residuals (at m_*Position, 1 = largest), 3 bad (LAV).
    double m_pMeasured = 0, m_pEstimated = 0, m_qMeasured = 0, m_qEstimated = 0;
    double m_pResidual = 0, m_qResidual = 0;
    double m_pClass = 0, m_qClass = 0;
    int m_pValid = 0, m_qValid = 0;
    int m_pPosition = 1, m_qPosition = 1;

    int GetBus(int end) const { return end == 1 ? m_bus1 : end == 2 ? m_bus2 : 0; }
    void SetValues(double p, double q) {
        m_p = p;
        m_q = q;
    }
    void SetRealEstimate(double measured, double estimated, int valid);
    void SetReactiveEstimate(double measured, double estimated, int valid);
    // `position` is 0-based; it is stored 1-based.
    void SetRealResidual(double residual, double residualClass, int valid, int position);
    void SetReactiveResidual(double residual, double residualClass, int valid, int position);
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
