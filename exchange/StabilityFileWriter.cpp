#include "exchange/StabilityFileWriter.h"

#include "model/SkemtorApp.h"
#include "model/SkemtorDoc.h"

#include <algorithm>
#include <cstdio>
#include <memory>

namespace {

struct FileCloser {
    void operator()(std::FILE* f) const { std::fclose(f); }
};
using File = std::unique_ptr<std::FILE, FileCloser>;

bool finish(File file) {
    const bool ok = std::ferror(file.get()) == 0;
    return std::fclose(file.release()) == 0 && ok;
}

void writeMachine(std::FILE* f, const CGenerator& g) {
    if (g.m_model == CGenerator::kClassical) {
        std::fprintf(f, "%5d              1                                                0.0 \n",
                     g.m_bus);
        std::fprintf(f, "     1000.0    16.5                          1000.0 %10.5f   0.0\n",
                     g.m_h);
        std::fprintf(f, "     0.0000 %10.5f                       0.00                0.0\n",
                     g.m_xdPrime);
        std::fprintf(f, "     1000.0    0.0000                        0.00               \n");
    } else if (g.m_model == CGenerator::kTwoAxis) {
        std::fprintf(f, "%5d              1                                                1.1 \n",
                     g.m_bus);
        std::fprintf(f, "     1000.0    16.5                          1000.0 %10.5f%10.5f\n", g.m_h,
                     g.m_damping);
        std::fprintf(f, "  %10.5f%10.5f                    %10.5f             0.0    \n", g.m_xd,
                     g.m_xdPrime, g.m_tdoPrime);
        std::fprintf(f, "  %10.5f%10.5f                    %10.5f                 \n", g.m_xq,
                     g.m_xqPrime, g.m_tqoPrime);
    }
}

void writeExciter(std::FILE* f, const CGenerator& g) {
    std::fprintf(f, "%5d              1    DC1\n", g.m_bus);
    std::fprintf(f, "   %9.4f%9.4f                     %9.4f %9.4f  \n", g.m_ka, g.m_ta, g.m_vrMax,
                 g.m_vrMin);
    std::fprintf(f, "  %9.4f %9.4f %9.4f %9.4f %9.4f %9.4f \n", g.m_ke, g.m_te, g.m_se1, g.m_efd1,
                 g.m_se2, g.m_efd2);
    std::fprintf(f, "  %9.4f %9.4f  \n", g.m_kf, g.m_tf);
}

} // namespace

bool CStabilityFileWriter::WriteDynamicData(const CSkemtorDoc& doc, const CSkemtorApp& app,
                                            const std::string& fileName) {
    File file(std::fopen(fileName.c_str(), "wb"));
    if (!file) return false;
    std::FILE* f = file.get();
    const auto& generators = doc.GeneratorArray();
    int twoAxis = 0;
    for (const auto& g : generators)
        if (g->m_model == CGenerator::kTwoAxis) ++twoAxis;
    std::fprintf(f, "Tarvex          IEEE DYNAMIC DATA FILE  %4.1f\n", app.m_mvaBase);
    std::fprintf(f, " GENERATOR DATA\t\t\t\t%4d ITEMS\n", generators.Count());
    for (const auto& g : generators) writeMachine(f, *g);
    std::fprintf(f, " -999\n");
    std::fprintf(f, " EXCITATION DATA\t\t    %4d ITEMS\n", twoAxis);
    for (const auto& g : generators)
        if (g->m_model == CGenerator::kTwoAxis) writeExciter(f, *g);
    std::fprintf(f, " -999\n");
    std::fprintf(f, " STABILIZE DATA                 0 ITEMS\n -999\n");
    std::fprintf(f, " SPEED GOVENOR DATA             0 ITEMS\n -999\n");
    std::fprintf(f, " LOAD DATA                      0 ITEMS\n -999\n");
    std::fprintf(f, "END OF DATA\n\n");
    return finish(std::move(file));
}

bool CStabilityFileWriter::WriteStabilityParameters(const CSkemtorApp& app,
                                                    const std::string& fileName) {
    File file(std::fopen(fileName.c_str(), "wb"));
    if (!file) return false;
    std::FILE* f = file.get();
    std::fprintf(f, "    %f \n", app.m_tsTolerance);
    std::fprintf(f, "    %f \n", app.m_timeStep);
    std::fprintf(f, "    %f \n", app.m_simTime);
    std::fprintf(f, "    %d \n", app.m_faultKind);
    std::fprintf(f, "    %f \n", app.m_faultStartTime);
    std::fprintf(f, "    %f \n", app.m_faultClearTime);
    std::fprintf(f, "    %d \n", app.m_faultBus1);
    std::fprintf(f, "    %d \n", app.m_faultBus2);
    // The count is kept to the names the application holds.
    const int count = std::clamp(app.m_plotVariableCount, 0, CSkemtorApp::kMaxPlotVariables);
    std::fprintf(f, "BUS TO PLOT %d\n", count);
    for (int k = 0; k < count; ++k)
        std::fprintf(f, "%s\n", app.m_plotVariables[static_cast<std::size_t>(k)].c_str());
    std::fprintf(f, " -999\n");
    return finish(std::move(file));
}
