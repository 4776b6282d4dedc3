#include "model/Bus.h"

#include "model/Archive.h"
#include "model/SkemtorApp.h"
#include "model/draw/Format.h"
#include "model/draw/Labels.h"
#include "model/draw/ResultDisplay.h"
#include "model/draw/SymbolDrawing.h"

CBus::CBus(int x, int y, int horizontal, int number) : m_horizontal(horizontal), m_number(number) {
    MoveTo(x, y);
}

void CBus::MoveTo(int x, int y) {
    const int across = m_horizontal ? kBarLength : kBarWidth;
    const int up = m_horizontal ? kBarWidth : kBarLength;
    SetRect({x - across, y + up, x, y});
}

void CBus::Resize(int height, int width) {
    const int growY = (height - (m_yMax - m_yMin)) / 2;
    m_yMax += growY;
    m_yMin -= growY;
    const int growX = (width - (m_xMax - m_xMin)) / 2;
    m_xMax += growX;
    m_xMin -= growX;
}

void CBus::SetPowerFlowResult(double voltage, double angle, double p, double q, int valid) {
    m_pfVoltage = voltage;
    m_pfAngle = angle;
    m_pfP = p;
    m_pfQ = q;
    m_pfValid = valid;
    if (m_type == kLoad) m_voltage = voltage;
    m_angle = angle;
    if (m_type == kSlack) {
        m_genP = p;
        m_genQ = q;
    } else if (m_type == kGenerator) {
        m_genQ = q;
    }
}

void CBus::SetEstimate(double voltage, double angle, int valid) {
    m_seVoltage = voltage;
    m_seAngle = angle;
    m_seValid = valid;
}

void CBus::SetShortCircuitResult(double current, double currentAngle, double voltage,
                                 double voltageAngle) {
    m_scCurrent = current;
    m_scCurrentAngle = currentAngle;
    m_scVoltage = voltage;
    m_scAngle = voltageAngle;
}

void CBus::ResetData() {
    m_voltage = 1.0;
    m_angle = m_genP = m_genQ = m_loadP = m_loadQ = 0.0;
    m_qMax = 1.0;
    m_qMin = -1.0;
    ClearResults();
}

void CBus::ClearResults() {
    m_pfVoltage = m_pfAngle = m_pfP = m_pfQ = 0.0;
    m_pfValid = 0;
    m_seVoltage = m_seAngle = 0.0;
    m_seValid = 0;
    m_scVoltage = m_scAngle = m_scCurrent = m_scCurrentAngle = 0.0;
}

void CBus::Serialize(CArchive& ar) {
    SerializeRect(ar);
    ar.Fields(m_horizontal, m_number, m_name, m_voltage, m_angle, m_genP, m_genQ, m_loadP, m_loadQ,
              m_qMax, m_qMin, m_type, m_area);
    if (ar.IsLoading()) ClearResults();
}

void CBus::Draw(CDrawSurface& surface, const CSkemtorApp&, int) const {
    using namespace tarvex::colors;
    const CRectL bar = GetRect();
    surface.SetPen(m_selected ? CSymbolDrawing::Dotted(kSelectionGrey)
                              : CSymbolDrawing::Solid(kBlack));
    surface.SetBrush(CSymbolDrawing::Hollow());
    surface.Rectangle(bar);
    // The bar's colour tells the bus type at a glance; a type the editor never
    // produces keeps the outline's pen and brush.
    const CColor* fill = m_type == kLoad        ? &kBlack
                         : m_type == kGenerator ? &kGreen
                         : m_type == kSlack     ? &kCyan
                                                : nullptr;
    if (fill) {
        surface.SetPen(CSymbolDrawing::Solid(*fill));
        surface.SetBrush(CSymbolDrawing::Fill(*fill));
    }
    surface.Rectangle(CSymbolDrawing::Inset(bar, 1));

    const std::string number = FormatText("B%d", m_number);
    if (m_horizontal) {
        surface.Text(m_xMin - 10, m_yMax + 3, TextAlign::Right, number);
        surface.Text(m_xMin - 10, m_yMax + 18, TextAlign::Right, m_name);
    } else {
        const int centre = m_xMax - (m_xMax - m_xMin) / 2;
        surface.Text(centre, m_yMax + 20, TextAlign::Center, number);
        surface.Text(centre, m_yMax + 35, TextAlign::Center, m_name);
    }
}

void CBus::DrawLabels(CDrawSurface& surface, const CSkemtorApp& app) const {
    const int x = m_xMax + 1;
    const int upper = m_yMin + 30;
    const int lower = m_yMin + 15;
    if (CResultDisplay::ShowsPowerFlow(app) && m_pfValid) {
        if (app.m_displayChoice == CResultDisplay::kBusVoltages) {
            CLabels::Draw(surface, x, upper, FormatText("%.3f", m_pfVoltage));
            CLabels::Draw(surface, x, lower, FormatText("%.2f", m_pfAngle));
        } else if (app.m_displayChoice == CResultDisplay::kBusGeneration &&
                   (m_type == kSlack || m_type == kGenerator)) {
            CLabels::Draw(surface, x, upper, FormatText("%.2f", m_pfP), tarvex::colors::kDarkGreen);
            CLabels::Draw(surface, x, lower, FormatText("%.2f", m_pfQ));
        }
    } else if (CResultDisplay::InStateEstimation(app) &&
               app.m_seDisplay == CResultDisplay::kVoltageEstimates && m_seValid) {
        CLabels::Draw(surface, x, upper, FormatText("%.3f", m_seVoltage));
        CLabels::Draw(surface, x, lower, FormatText("%.2f", m_seAngle));
    }
}

void CBus::FormatStatus(CSkemtorApp& app) const {
    if (!CResultDisplay::HasStatusResults(app)) return;
    std::string& text = app.m_statusText;
    text.clear();
    if (CResultDisplay::ShowsPowerFlow(app)) {
        if (!m_pfValid) return;
        if (m_type == kGenerator)
            text = FormatText("Voltage: %.4f  Angle: %.2f  Reactive Generation: %.4f", m_pfVoltage,
                              m_pfAngle, m_pfQ);
        else if (m_type == kSlack)
            text = FormatText(
                "Voltage: %.4f  Angle: %.2f  Real Generation: %.4f  Reactive Generation: %.4f",
                m_pfVoltage, m_pfAngle, m_pfP, m_pfQ);
        else if (m_type == kLoad)
            text = FormatText("Voltage: %.4f  Angle: %.2f", m_pfVoltage, m_pfAngle);
    } else if (CResultDisplay::InStateEstimation(app) &&
               app.m_seDisplay == CResultDisplay::kVoltageEstimates) {
        text = "V Estimates:       ";
        if (m_seValid)
            text += FormatText("Voltage: %.5f  Angle.: %.5f      ", m_seVoltage, m_seAngle);
    } else if (CResultDisplay::ShowsShortCircuit(app)) {
        if (m_scCurrent > 0)
            text =
                FormatText("Voltage: %6.2f  Angle: %6.3f   Current Injection %6.2f Angle : %6.3f ",
                           m_scVoltage, m_scAngle, m_scCurrent, m_scCurrentAngle);
        else
            text = FormatText("Voltage: %6.2f  Angle: %6.3f  ", m_scVoltage, m_scAngle);
    }
}
