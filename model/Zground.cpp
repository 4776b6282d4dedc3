#include "model/Zground.h"

#include "model/Archive.h"

CZground::CZground(int x, int y, int orientation, int bus)
    : m_bus(bus), m_orientation(orientation) {
    SetRect(SymbolRect(x, y, orientation, kSymbolLength, kSymbolHalfWidth));
}

void CZground::Serialize(CArchive& ar) {
    SerializeRect(ar);
    // Resistance before reactance in the file, unlike the member order.
    ar.Fields(m_bus, m_r1, m_x1, m_r0, m_x0, m_orientation, m_zeroEnabled, m_posEnabled);
}
