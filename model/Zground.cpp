#include "model/Zground.h"

CZground::CZground(int x, int y, int orientation, int bus)
    : m_bus(bus), m_orientation(orientation) {
    SetRect(SymbolRect(x, y, orientation, kSymbolLength, kSymbolHalfWidth));
}
