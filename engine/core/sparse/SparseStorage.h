#pragma once

#include "engine/core/sparse/SparseMatrix.h"

#include <array>

// Fixed storage for one sparse matrix: kEntries coordinate entries (input plus fill-in)
// and order up to kOrder. Nothing is allocated after construction.
namespace tarvex::engine {

template <int kEntries, int kOrder> class CSparseStorage : public CSparseMatrix {
    static_assert(kEntries > 0 && kOrder > 0);

public:
    CSparseStorage() : CSparseMatrix(kEntries, kOrder) {
        A = m_a.data();
        IR = m_ir.data();
        JC = m_jc.data();
        NXTR = m_nxtr.data();
        NXTC = m_nxtc.data();
        ROWHD = m_rowhd.data();
        COLHD = m_colhd.data();
        ROWTL = m_rowtl.data();
        COLTL = m_coltl.data();
        DEG = m_deg.data();
        PIVROW = m_pivrow.data();
        PIVCOL = m_pivcol.data();
        ROWPOS = m_rowpos.data();
        COLPOS = m_colpos.data();
        PIVENT = m_pivent.data();
        ZPIV = m_zpiv.data();
        MARK = m_mark.data();
        LIST = m_list.data();
        W = m_w.data();
    }

private:
    using Entries = std::array<int, kEntries + 1>;
    using Nodes = std::array<int, kOrder + 1>;
    std::array<double, kEntries + 1> m_a{};
    Entries m_ir{}, m_jc{}, m_nxtr{}, m_nxtc{};
    Nodes m_rowhd{}, m_colhd{}, m_rowtl{}, m_coltl{}, m_deg{};
    Nodes m_pivrow{}, m_pivcol{}, m_rowpos{}, m_colpos{}, m_pivent{}, m_zpiv{};
    Nodes m_mark{}, m_list{};
    std::array<double, kOrder + 1> m_w{};
};

} // namespace tarvex::engine
