#include "exchange/MeasurementFileWriter.h"

#include "model/SkemtorApp.h"
#include "model/SkemtorDoc.h"

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

// A flow meter measures a branch in service unless an open breaker has its bus pair.
bool inService(const CSkemtorDoc& doc, int bus1, int bus2) {
    for (const auto& breaker : doc.BreakerArray())
        if (breaker->Matches(bus1, bus2) && breaker->m_closed == 0) return false;
    return true;
}

void writeBusRecord(std::FILE* f, int bus, double value, double sd) {
    std::fprintf(f, "%3d %11.5f %g 0\n", bus, value, sd);
}

void writePairRecord(std::FILE* f, int bus1, int bus2, double value, double sd) {
    std::fprintf(f, "%3d%3d %11.5f %g 0\n", bus1, bus2, value, sd);
}

// One flow section (real or reactive part); the count is taken from the same test as the
// records, so the two always agree.
template <typename Enabled, typename Write>
void writeFlowSection(std::FILE* f, const CSkemtorDoc& doc, Enabled enabled, Write write) {
    int count = 0;
    for (const auto& m : doc.PowerFlowArray())
        if (enabled(*m) && inService(doc, m->m_bus1, m->m_bus2)) ++count;
    std::fprintf(f, "%4d\n", count);
    for (const auto& m : doc.PowerFlowArray())
        if (enabled(*m) && inService(doc, m->m_bus1, m->m_bus2)) write(*m);
}

} // namespace

bool CMeasurementFileWriter::WriteMeasurementFile(const CSkemtorDoc& doc,
                                                  const std::string& fileName) {
    File file(std::fopen(fileName.c_str(), "wb"));
    if (!file) return false;
    std::FILE* f = file.get();

    std::fprintf(f, "%4d\n", doc.GetVoltageCount());
    for (const auto& m : doc.VoltageArray()) writeBusRecord(f, m->m_bus, m->m_value, m->m_sd);

    int count = 0;
    for (const auto& m : doc.PowerInjectionArray()) count += m->m_pEnabled == 1;
    std::fprintf(f, "%4d\n", count);
    for (const auto& m : doc.PowerInjectionArray())
        if (m->m_pEnabled == 1) writeBusRecord(f, m->m_bus, m->m_p, m->m_pSd);

    count = 0;
    for (const auto& m : doc.PowerInjectionArray()) count += m->m_qEnabled == 1;
    std::fprintf(f, "%4d\n", count);
    for (const auto& m : doc.PowerInjectionArray())
        if (m->m_qEnabled == 1) writeBusRecord(f, m->m_bus, m->m_q, m->m_qSd);

    writeFlowSection(
        f, doc, [](const CPowerFlow& m) { return m.m_pEnabled == 1; },
        [f](const CPowerFlow& m) { writePairRecord(f, m.m_bus1, m.m_bus2, m.m_p, m.m_pSd); });
    writeFlowSection(
        f, doc, [](const CPowerFlow& m) { return m.m_qEnabled == 1; },
        [f](const CPowerFlow& m) { writePairRecord(f, m.m_bus1, m.m_bus2, m.m_q, m.m_qSd); });

    std::fprintf(f, "%4d\n", doc.GetCurrentCount());
    for (const auto& m : doc.CurrentArray())
        writePairRecord(f, m->m_bus1, m->m_bus2, m->m_value, m->m_sd);

    std::fputs("\n\n", f);
    return finish(std::move(file));
}

bool CMeasurementFileWriter::WriteEstimatorParameters(const CSkemtorApp& app,
                                                      const std::string& fileName) {
    File file(std::fopen(fileName.c_str(), "wb"));
    if (!file) return false;
    std::fprintf(file.get(), "    %d%10d  %g \n", app.m_noise, app.m_maxIterations,
                 app.m_tolerance);
    return finish(std::move(file));
}
