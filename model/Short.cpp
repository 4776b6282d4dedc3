#include "model/Short.h"

#include "model/Archive.h"

CShort::CShort(int x, int y, int orientation, int bus) : m_bus(bus), m_orientation(orientation) {
    SetRect(SymbolRect(x, y, orientation, kSymbolLength, kSymbolHalfWidth));
}

void CShort::Serialize(CArchive& ar) {
    SerializeRect(ar);
    ar.Fields(m_bus, m_faultType, m_orientation);
}
