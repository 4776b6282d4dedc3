#include "model/Bus.h"

#include "model/Archive.h"

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
