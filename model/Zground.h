#pragma once

#include "model/Element.h"

class CArchive;
class CDrawSurface;
class CSkemtorApp;

// Sequence impedances from a bus to ground for the short-circuit networks, p.u.
class CZground : public CElement {
public:
    // Name of the class record in the document file.
    static constexpr const char* kClassName = "CZground";
    CZground() = default;
    // Both enable flags start at 0; the dialog that opens on placing sets them.
    CZground(int x, int y, int orientation, int bus);

    double m_x1 = 0, m_r1 = 0, m_x0 = 0, m_r0 = 0;
    int m_bus = 0;
    int m_orientation = 0;
    int m_posEnabled = 0;
    int m_zeroEnabled = 0;

    int GetBus() const { return m_bus; }

    // The symbol on the diagram (every element draws with the same arguments).
    void Draw(CDrawSurface& surface, const CSkemtorApp& app, int resultState) const;

    // The saved fields in document file order (writes when storing, reads when
    // loading); loading also clears the selection and every result.
    void Serialize(CArchive& ar);
};
