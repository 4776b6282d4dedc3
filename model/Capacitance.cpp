#include "model/Capacitance.h"

#include "model/Archive.h"
#include "model/draw/SymbolDrawing.h"

CCapacitance::CCapacitance(int x, int y, int orientation, int bus)
    : m_bus(bus), m_orientation(orientation) {
    SetRect(SymbolRect(x, y, orientation, kSymbolLength, kSymbolHalfWidth));
}

void CCapacitance::Serialize(CArchive& ar) {
    SerializeRect(ar);
    ar.Fields(m_bus, m_susceptance, m_orientation);
}

void CCapacitance::Draw(CDrawSurface& surface, const CSkemtorApp&, int) const {
    CSymbolDrawing::Glyph(surface, *this, GlyphKind::Capacitor, m_orientation);
}
