#include "exchange/CaseFileWriter.h"

#include "model/SkemtorApp.h"
#include "model/SkemtorDoc.h"

#include <cstdio>
#include <memory>
#include <string>

namespace {

struct FileCloser {
    void operator()(std::FILE* f) const { std::fclose(f); }
};
using File = std::unique_ptr<std::FILE, FileCloser>;

// Closes the file and tells whether everything written reached it.
bool finish(File file) {
    const bool ok = std::ferror(file.get()) == 0;
    return std::fclose(file.release()) == 0 && ok;
}

double shuntSusceptance(const CSkemtorDoc& doc, int busNumber) {
    double susceptance = 0.0;
    for (const auto& shunt : doc.CapacitanceArray())
        if (shunt->m_bus == busNumber) susceptance = shunt->m_susceptance;
    return susceptance;
}

bool inService(const CSkemtorDoc& doc, const CLine& line) {
    for (const auto& breaker : doc.BreakerArray())
        if (breaker->Matches(line.m_bus1, line.m_bus2) && breaker->m_closed == 0) return false;
    return true;
}

void writeBus(std::FILE* f, const CBus& bus, double shunt) {
    if (bus.m_type == CBus::kSlack || bus.m_type == CBus::kLoad) {
        std::fprintf(f,
                     "%4d %-12.12s %2d000 %2d %6.4f%7.2f%9.2f%10.2f%8.2f%8.2f     0.0 %6.4f"
                     "     0.0     0.0     0.0%8.4f 0000 0000\n",
                     bus.m_number, bus.m_name.c_str(), bus.m_area, bus.m_type, bus.m_voltage,
                     bus.m_angle, bus.m_loadP, bus.m_loadQ, bus.m_genP, bus.m_genQ, bus.m_voltage,
                     shunt);
    } else if (bus.m_type == CBus::kGenerator) {
        std::fprintf(f,
                     "%4d %-12.12s %2d000 %2d %6.4f%7.2f%9.2f%10.2f%8.2f%8.2f     0.0 %6.4f"
                     "%8.2f%8.2f     0.0%8.4f 0000 0000\n",
                     bus.m_number, bus.m_name.c_str(), bus.m_area, bus.m_type, bus.m_voltage,
                     bus.m_angle, bus.m_loadP, bus.m_loadQ, bus.m_genP, bus.m_genQ, bus.m_voltage,
                     bus.m_qMax, bus.m_qMin, shunt);
    }
    // Any other type is not a bus the engine knows: it is left out.
}

void writeBranch(std::FILE* f, CLine& line) {
    // Only a phase-shifting transformer keeps its angle; the reset is permanent.
    if (line.m_transformer == 0 || line.m_phaseShifter == 0) line.m_phase = 0.0;
    std::fprintf(f,
                 "%4d %4d %2d000 0 %d%10.6f%11.6f %8.5f %5d 00000 00000 0000 0  %6.4f  %6.2f"
                 "   0.0    0.0    0.0      0.0      0.0 0000\n",
                 line.m_bus1, line.m_bus2, line.m_area, line.m_transformer ? 1 : 0, line.m_r,
                 line.m_x, line.m_b, line.m_mvaLimit, line.m_tap, line.m_phase);
}

// The case name as the title card carries it. The engine takes the title from columns
// 1-30 and the MVA base from columns 31-36, so a name that reaches column 31 (a
// 31-character name whose last character is not a blank, or a longer one) would run
// into the base and make every analysis fail to read the case: such a name gives its
// first 30 characters and a blank. Shorter names are written as they are.
std::string titleName(const std::string& caseName) {
    constexpr std::size_t kTitleColumns = 30;
    if (caseName.size() <= kTitleColumns) return caseName;
    return caseName.substr(0, kTitleColumns) + ' ';
}

} // namespace

bool CCaseFileWriter::WriteCaseFile(CSkemtorDoc& doc, const CSkemtorApp& app,
                                    const std::string& fileName) {
    File file(std::fopen(fileName.c_str(), "w"));
    if (!file) return false;
    std::FILE* f = file.get();
    std::fprintf(f, "%s%4.1f\n", titleName(app.m_caseName).c_str(), app.m_mvaBase);
    std::fputs("BUS DATA FOLLOWS\n", f);
    for (const auto& bus : doc.BusArray()) writeBus(f, *bus, shuntSusceptance(doc, bus->m_number));
    std::fputs("-999\nBRANCH DATA FOLLOWS\n", f);
    for (const auto& line : doc.LineArray())
        if (inService(doc, *line)) writeBranch(f, *line);
    std::fputs("-999\n"
               "LOSS ZONES FOLLOWS\n-99\n"
               "INTERCHANGE DATA FOLLOWS\n-9\n"
               "TIE LINES FOLLOWS\n-999\n"
               "END OF DATA\n\n",
               f);
    return finish(std::move(file));
}

bool CCaseFileWriter::WritePowerFlowParameters(const CSkemtorApp& app,
                                               const std::string& fileName) {
    File file(std::fopen(fileName.c_str(), "w"));
    if (!file) return false;
    std::fprintf(file.get(), "   %d  %e %e  %d\n", app.m_pfMaxIterations, app.m_pfMaxPMismatch,
                 app.m_pfMaxQMismatch, app.m_qLimitsIgnored == 0 ? 1 : 0);
    return finish(std::move(file));
}
