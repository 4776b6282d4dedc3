#pragma once

#include "model/Element.h"

class CArchive;
class CDrawSurface;
class CSkemtorApp;

// A shunt susceptance at a bus (negative for a reactor).
class CCapacitance : public CElement {
public:
    // Name of the class record in the document file.
    static constexpr const char* kClassName = "CCapacitance";
    CCapacitance() = default;
    CCapacitance(int x, int y, int orientation, int bus);

    int m_bus = 0;
    double m_susceptance = 0.0; // p.u.
    int m_orientation = 0;

    int GetBus() const { return m_bus; }
    double GetSusceptance() const { return m_susceptance; }

    // The symbol on the diagram (every element draws with the same arguments).
    void Draw(CDrawSurface& surface, const CSkemtorApp& app, int resultState) const;

    // The saved fields in document file order (writes when storing, reads when
    // loading); loading also clears the selection and every result.
    void Serialize(CArchive& ar);
};
