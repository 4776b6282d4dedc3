#include "model/CircuitBreaker.h"

CCircuitBreaker::CCircuitBreaker(int x, int y, int bus1, int bus2) : m_bus1(bus1), m_bus2(bus2) {
    SetRect(SquareRect(x, y));
}
