#pragma once

#include "model/Element.h"

#include <string>

class CArchive;
class CDrawSurface;
class CSkemtorApp;

// One bus bar. Bus types: 0 load (PQ), 2 generator (PV), 3 slack (swing).
class CBus : public CElement {
public:
    // Name of the class record in the document file.
    static constexpr const char* kClassName = "CBus";
    static constexpr int kLoad = 0;
    static constexpr int kGenerator = 2;
    static constexpr int kSlack = 3;
    static constexpr int kBarLength = 70;
    static constexpr int kBarWidth = 10;

    CBus() = default;
    // Placing constructor: (x, y) is the lower right corner of the bar.
    CBus(int x, int y, int horizontal, int number);

    int m_horizontal = 1;
    int m_number = 0;
    std::string m_name;
    int m_area = 0;
    double m_voltage = 1.0; // p.u.: set point of slack and PV buses, last solution of PQ buses
    double m_angle = 0.0;   // degrees
    double m_genP = 0.0;    // MW
    double m_genQ = 0.0;    // MVAr
    double m_loadP = 0.0;   // MW
    double m_loadQ = 0.0;   // MVAr
    double m_qMax = 100.0;  // MVAr, PV buses only
    double m_qMin = -100.0; // MVAr, PV buses only
    int m_type = kLoad;

    // Results, never saved.
    double m_pfVoltage = 0, m_pfAngle = 0, m_pfP = 0, m_pfQ = 0;
    int m_pfValid = 0;
    double m_seVoltage = 0, m_seAngle = 0;
    int m_seValid = 0;
    double m_scVoltage = 0, m_scAngle = 0, m_scCurrent = 0, m_scCurrentAngle = 0;

    // Recomputes the standard bar from a new lower right corner (undoes any resize).
    void MoveTo(int x, int y);
    // The layout dialog's resize: height and width change about the bar's centre.
    void Resize(int height, int width);

    // Stores a power flow result and writes the solved state back into the input data,
    // so the next case starts from it.
    void SetPowerFlowResult(double voltage, double angle, double p, double q, int valid);
    void SetEstimate(double voltage, double angle, int valid);
    void SetShortCircuitResult(double current, double currentAngle, double voltage,
                               double voltageAngle);
    // Clears the electrical data to a flat, unloaded bus with limits of +-1.0.
    void ResetData();
    // Forgets every result (after reading from a file).
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
