#include "exchange/ShortCircuitFileWriter.h"

#include "model/SkemtorDoc.h"

#include <cstdio>
#include <memory>

namespace {

struct FileCloser {
    void operator()(std::FILE* f) const { std::fclose(f); }
};
using File = std::unique_ptr<std::FILE, FileCloser>;

void writeRecord(std::FILE* f, int node1, int node2, double r, double x, bool zeroSequence) {
    std::fprintf(f, zeroSequence ? "%3d %3d %10.6f %10.6f 0 \n" : "%3d %3d %10.6f %10.6f \n", node1,
                 node2, r, x);
}

} // namespace

bool CShortCircuitFileWriter::WriteShortCircuitFile(const CSkemtorDoc& doc,
                                                    const std::string& fileName) {
    File file(std::fopen(fileName.c_str(), "wb"));
    if (!file) return false;
    std::FILE* f = file.get();
    for (const auto& fault : doc.ShortArray())
        std::fprintf(f, "%3d %3d \n", fault->m_bus, fault->m_faultType);

    int positive = doc.GetLineCount();
    for (const auto& z : doc.ZgroundArray())
        if (z->m_posEnabled) ++positive;
    std::fprintf(f, "%3d %3d \n", doc.GetBusCount(), positive);
    for (const auto& z : doc.ZgroundArray())
        if (z->m_posEnabled) writeRecord(f, 0, z->m_bus, z->m_r1, z->m_x1, false);
    for (const auto& line : doc.LineArray())
        writeRecord(f, line->m_bus1, line->m_bus2, line->m_r, line->m_x, false);

    int zero = 0;
    for (const auto& z : doc.ZgroundArray())
        if (z->m_zeroEnabled) ++zero;
    for (const auto& line : doc.LineArray())
        if (line->m_zeroSeqDisabled == 0) ++zero;
    std::fprintf(f, "%3d %3d \n", doc.GetBusCount(), zero);
    for (const auto& z : doc.ZgroundArray())
        if (z->m_zeroEnabled) writeRecord(f, 0, z->m_bus, z->m_r0, z->m_x0, true);
    for (const auto& line : doc.LineArray())
        if (line->m_zeroSeqDisabled == 0)
            writeRecord(f, line->m_bus1, line->m_bus2, line->m_r0, line->m_x0, true);

    const bool ok = std::ferror(f) == 0;
    return std::fclose(file.release()) == 0 && ok;
}
