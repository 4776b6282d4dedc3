#include "model/CircuitBreaker.h"

#include "model/Archive.h"

CCircuitBreaker::CCircuitBreaker(int x, int y, int bus1, int bus2) : m_bus1(bus1), m_bus2(bus2) {
    SetRect(SquareRect(x, y));
}

void CCircuitBreaker::Serialize(CArchive& ar) {
    SerializeRect(ar);
    ar.Fields(m_closed, m_bus1, m_bus2);
}
