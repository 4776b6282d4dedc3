#pragma once

#include "model/Element.h"

// Voltage magnitude meter at a bus. Value and deviation in p.u.
class CVoltage : public CElement {
public:
    CVoltage() = default;
    CVoltage(int x, int y, int orientation, int bus, double value, double sd);

    double m_value = 0, m_sd = 0;
    int m_bus = 0;
    int m_orientation = 0;

    // Estimator results, never saved; as for the current meter.
    double m_measured = 0, m_estimated = 0, m_residual = 0, m_class = 0;
    int m_valid = 0;
    int m_position = 1;

    int GetBus() const { return m_bus; }
    void SetValue(double value) { m_value = value; }
    void SetEstimateResult(double measured, double estimated, int valid);
    // `position` is 0-based; it is stored 1-based.
    void SetResidualResult(double residual, double residualClass, int valid, int position);
    void ClearResults();
};
