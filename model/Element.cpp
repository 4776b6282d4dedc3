#include "model/Element.h"

#include "model/Archive.h"

void CElement::SetRect(const CRectL& rect) {
    m_xMin = rect.m_xMin;
    m_yMax = rect.m_yMax;
    m_xMax = rect.m_xMax;
    m_yMin = rect.m_yMin;
}

CRectL CElement::SymbolRect(int x, int y, int orientation, int length, int halfWidth) {
    switch (orientation) {
    case 90:
        return {x - halfWidth, y, x + halfWidth, y - length};
    case 180:
        return {x, y + halfWidth, x + length, y - halfWidth};
    case 270:
        return {x - halfWidth, y + length, x + halfWidth, y};
    default: // 0
        return {x - length, y + halfWidth, x, y - halfWidth};
    }
}

void CElement::SerializeRect(CArchive& ar) {
    ar.Fields(m_yMax, m_xMin, m_yMin, m_xMax);
    if (ar.IsLoading()) m_selected = 0;
}
