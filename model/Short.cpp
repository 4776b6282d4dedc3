#include "model/Short.h"

#include "model/Archive.h"
#include "model/draw/SymbolDrawing.h"

CShort::CShort(int x, int y, int orientation, int bus) : m_bus(bus), m_orientation(orientation) {
    SetRect(SymbolRect(x, y, orientation, kSymbolLength, kSymbolHalfWidth));
}

void CShort::Serialize(CArchive& ar) {
    SerializeRect(ar);
    ar.Fields(m_bus, m_faultType, m_orientation);
}

void CShort::Draw(CDrawSurface& surface, const CSkemtorApp&, int) const {
    CSymbolDrawing::Glyph(surface, *this, GlyphKind::Fault, m_orientation);
}
