#include "engine/core/BranchFlows.h"
#include "engine/core/PowerFlow.h"

#include <cmath>

// PFOUT: the result files of a solved case and the body of the report pfoutput.dat.
//
// busotp.dat: the status record, then per bus in file order
//   "  " I4 bus, "  " F6.4 V (p.u.), "  " F7.2 angle (deg), then "  " F10.5 each of
//   generation MW, generation MVAR, PGEN - PLOAD (p.u.), QGEN - QLOAD (p.u.)
// branchotp.dat: per branch end (every branch twice, once from each end)
//   col 1 blank, 2-5 bus, 6 blank, 7-10 other bus, 11 blank, 12-21 P (p.u., 5 dec),
//   22 blank, 23-32 Q, 33-34 blanks, 35-44 current (p.u.), 45-46 blanks,
//   47-48 overload flag (1 / 0)
// The report lists, after the heading, each bus with its generation and load and below
// it the flows leaving it, then the area interchange section.
namespace tarvex::engine {

namespace {

// Radians to degrees with pi held in single precision, as the original program did.
const double kDegreesPerRadian = 180.0 / static_cast<double>(3.14159f);
const double kInterchangeFloor = static_cast<double>(0.001f); // MW

void heading(EngineFile& report) {
    Record r;
    report.writeEmpty();
    r.blanks(2).text("**************************** POWER FLOW REPORT ");
    r.text("***************************");
    report.write(r);
    report.writeEmpty();
    r.clear();
    r.blanks(2).text("BUS ").blanks(2).text("VOLTAGE").blanks(2).text(" ANGLE");
    r.text("        GENERATION          ").text("     LOAD  ");
    report.write(r);
    r.clear();
    r.blanks(2).text("NO. ").blanks(2).text(" (PU)  ").blanks(2).text(" (DEG)");
    r.text("      (MW)      ").text(" (MVAR)     ").text("  (MW)      ").text("  (MVAR)  ");
    report.write(r);
    report.writeEmpty();
}

// The bus, voltage and angle columns shared by busotp.dat and the report, then four
// values of width 10 with 5 decimals.
void busRecord(EngineFile& file, const PowerFlowModule& m, int i, double a, double b, double c,
               double d) {
    Record r;
    r.blanks(2).integer(m.EXTNUM[i], 4).blanks(2).real(m.VMAG[i], 6, 4);
    r.blanks(2).real(m.VANG[i] * kDegreesPerRadian, 7, 2);
    for (double value : {a, b, c, d}) r.blanks(2).real(value, 10, 5);
    file.write(r);
}

void writeBus(PowerFlowModule& m, int i) {
    const double base = m.BASEMVA;
    busRecord(m.files.bus, m, i, m.PGEN[i] * base, m.QGEN[i] * base, m.PGEN[i] - m.PLOAD[i],
              m.QGEN[i] - m.QLOAD[i]);
    m.files.report.writeEmpty();
    busRecord(m.files.report, m, i, m.PGEN[i] * base, m.QGEN[i] * base, m.PLOAD[i] * base,
              m.QLOAD[i] * base);
}

void writeFlow(PowerFlowModule& m, int l, bool fromEnd) {
    const BranchEndFlow f = branchEndFlow(m, l, fromEnd);
    const double base = m.BASEMVA;
    Record r;
    r.blanks(1).integer(m.EXTNUM[f.bus], 4).blanks(1).integer(m.EXTNUM[f.other], 4);
    r.blanks(1).real(f.p, 10, 5).blanks(1).real(f.q, 10, 5);
    r.blanks(2).real(f.current, 10, 5).blanks(2).integer(f.overloaded ? 1 : 0, 2);
    m.files.branch.write(r);

    r.clear();
    r.blanks(4).text("TO-BUS").blanks(2).integer(m.EXTNUM[f.other], 4).blanks(4);
    r.real(f.p * base, 10, 5).text(" MW").blanks(2).real(f.q * base, 10, 5).text(" MVAR");
    r.blanks(3);
    if (f.overloaded)
        r.text("OVERLOAD");
    else
        r.blanks(8);
    m.files.report.write(r);

    const int ai = m.BUSAREA[f.bus];
    const int aj = m.BUSAREA[f.other];
    if (ai == aj) {
        m.AREALOSS[ai] += f.p * base;
    } else {
        m.PINT[ai][aj] += f.p * base;
        m.QINT[ai][aj] += f.q * base;
    }
}

void areaSection(PowerFlowModule& m) {
    EngineFile& report = m.files.report;
    for (int k = 0; k < 3; ++k) report.writeEmpty();
    Record r;
    r.blanks(2).text("*********************** AREA INTERCHANGE REPORT ");
    r.text("***************************");
    report.write(r);
    report.writeEmpty();
    r.clear();
    r.blanks(2).text("FROM AREA");
    report.write(r);
    report.writeEmpty();
    r.clear();
    r.blanks(16).text("TO   AREA").blanks(2).text(" MW FLOW ").text(" MVAR FLOW");
    report.write(r);
    report.writeEmpty();
    for (int a = 1; a <= m.NAREA; ++a) {
        report.writeEmpty();
        r.clear();
        r.blanks(4).integer(a, 4).blanks(3).text("AREA LOSS = ").real(m.AREALOSS[a], 8, 2);
        r.blanks(2).text("MW");
        report.write(r);
        for (int b = 1; b <= m.NAREA; ++b) {
            if (b == a || !(std::fabs(m.PINT[a][b]) > kInterchangeFloor)) continue;
            r.clear();
            r.blanks(18).integer(b, 4).blanks(1).real(m.PINT[a][b], 10, 2);
            r.blanks(2).real(m.QINT[a][b], 10, 2);
            report.write(r);
        }
    }
}

} // namespace

void PFOUT(PowerFlowModule& m) {
    if (m.status.failed()) return;
    for (auto& row : m.PINT) row.fill(0.0);
    for (auto& row : m.QINT) row.fill(0.0);
    m.AREALOSS.fill(0.0);
    BRCHN(m);

    writeStatusRecord(m.files.bus, 0);
    heading(m.files.report);
    for (int i = 1; i <= m.NB; ++i) {
        writeBus(m, i);
        for (int l = m.FRHEAD[i]; l > 0; l = m.FRNEXT[l]) writeFlow(m, l, true);
        for (int l = m.TOHEAD[i]; l > 0; l = m.TONEXT[l]) writeFlow(m, l, false);
    }
    areaSection(m);
}

} // namespace tarvex::engine
