#include "model/Zground.h"

#include "model/Archive.h"
#include "model/draw/SymbolDrawing.h"

CZground::CZground(int x, int y, int orientation, int bus)
    : m_bus(bus), m_orientation(orientation) {
    SetRect(SymbolRect(x, y, orientation, kSymbolLength, kSymbolHalfWidth));
}

void CZground::Serialize(CArchive& ar) {
    SerializeRect(ar);
    // Resistance before reactance in the file, unlike the member order.
    ar.Fields(m_bus, m_r1, m_x1, m_r0, m_x0, m_orientation, m_zeroEnabled, m_posEnabled);
}

void CZground::Draw(CDrawSurface& surface, const CSkemtorApp&, int) const {
    CSymbolDrawing::Glyph(surface, *this, GlyphKind::Zground, m_orientation);
}
