#include "model/CircuitBreaker.h"

#include "model/Archive.h"
#include "model/draw/SymbolDrawing.h"

CCircuitBreaker::CCircuitBreaker(int x, int y, int bus1, int bus2) : m_bus1(bus1), m_bus2(bus2) {
    SetRect(SquareRect(x, y));
}

void CCircuitBreaker::Serialize(CArchive& ar) {
    SerializeRect(ar);
    ar.Fields(m_closed, m_bus1, m_bus2);
}

void CCircuitBreaker::Draw(CDrawSurface& surface, const CSkemtorApp&, int) const {
    using namespace tarvex::colors;
    surface.SetPen(m_selected ? CSymbolDrawing::Dotted(kBlack) : CSymbolDrawing::Solid(kBlue));
    // Filled when closed, hollow (white) when open.
    surface.SetBrush(CSymbolDrawing::Fill(m_closed ? kBlue : kWhite));
    surface.Rectangle(CSymbolDrawing::Inset(GetRect(), -2));
}
