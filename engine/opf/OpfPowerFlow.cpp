#include "engine/core/ExchangeFiles.h"
#include "engine/core/PowerFlow.h"
#include "engine/opf/Opf.h"

#include <cstdio>
#include <cstring>

// The power flow runs of the optimal power flow and the report opfoutput.dat: the case
// title echo, the branch data table, a header, the power flow report of the final
// dispatch and the dispatch table with the incremental costs and the total cost.
namespace tarvex::engine {

namespace {

// A fixed real like Fortran's F editing: a value whose leading zero does not fit the
// width loses it (".01938" in F6.5); a value that does not fit at all shows stars.
void fixedReal(Record& r, double value, int width, int decimals) {
    char buffer[400];
    std::snprintf(buffer, sizeof buffer, "%.*f", decimals, value);
    const char* text = buffer;
    if (static_cast<int>(std::strlen(buffer)) > width) {
        if (std::strncmp(buffer, "0.", 2) == 0) {
            text = buffer + 1;
        } else if (std::strncmp(buffer, "-0.", 3) == 0) {
            buffer[1] = '-';
            text = buffer + 1;
        }
    }
    r.text("");
    const int length = static_cast<int>(std::strlen(text));
    if (length > width) {
        for (int i = 0; i < width; ++i) r.text("*");
        return;
    }
    r.blanks(width - length).text(text);
}

void line(EngineFile& file, const char* text) {
    Record r;
    r.text(text);
    file.write(r);
}

void openRunFiles(PowerFlowFiles& files, bool reporting) {
    files.loss.open(files::kLossResults);
    if (!reporting) return;
    files.bus.open(files::kBusResults);
    files.branch.open(files::kBranchResults);
    files.report.open(files::kOptimalPowerFlowReport);
}

void closeRunFiles(PowerFlowFiles& files) {
    files.loss.close();
    files.bus.close();
    files.branch.close();
    files.report.close();
}

// The dispatch into the case just read: real outputs of the generators other than the
// swing, reactive outputs as starting values (voltage-controlled buses recompute them)
// or, once a voltage limit made them part of the solution, held fixed.
void applyDispatch(OpfModule& s) {
    PowerFlowModule& m = s.pf;
    if (!s.HAVEDISP) return;
    for (int g = 1; g <= s.NOPG; ++g) {
        const int i = s.GBUS[g];
        if (i == m.SLACK) continue;
        m.PGEN[i] = s.PDISP[g];
        m.QGEN[i] = s.QDISP[g];
        if (s.FIXQ && m.BTYPE[i] == 3) {
            m.BTYPE[i] = 2;
            --m.NPV;
            ++m.NPQ;
        }
    }
    // Held outputs are not limit-checked: they lie within the limits by construction.
    if (s.FIXQ) m.IQLIM = 0;
}

} // namespace

bool OPFPF(OpfModule& s, bool reporting) {
    PowerFlowModule& m = s.pf;
    m.reset();
    openRunFiles(m.files, reporting);
    m.MAXIT = s.MAXIT;
    m.TOLP = s.TOLP;
    m.TOLQ = s.TOLQ;
    m.IQLIM = s.IQLIM;
    READPF(m);
    if (reporting && !m.status.failed()) OPFBRT(s);
    if (!m.status.failed()) applyDispatch(s);
    YMATRX(m);
    FDLF(m);
    if (!m.status.failed()) {
        s.PDEM = m.PLOSS / m.BASEMVA;
        s.QDEM = 0.0;
        for (int i = 1; i <= m.NB; ++i) {
            s.PDEM += m.PLOAD[i];
            s.QDEM += m.QGEN[i];
        }
        for (int g = 1; g <= s.NOPG; ++g) {
            s.PNOW[g] = m.PGEN[s.GBUS[g]];
            s.QNOW[g] = m.QGEN[s.GBUS[g]];
        }
    }
    if (reporting && !m.status.failed()) {
        m.files.report.writeEmpty();
        line(m.files.report, "  *********************OPTIMAL POWER FLOW REPORT "
                             "***************************");
        m.files.report.writeEmpty();
        PFOUT(m);
        OPFDISP(s);
    }
    const bool failed = m.status.failed();
    closeRunFiles(m.files);
    if (failed) {
        // The power flow's own status stands as the result of the whole run.
        s.fail(m.status.code());
        if (!reporting) OPFSTATUS(m.status.code());
    }
    return !failed;
}

void OPFBRT(OpfModule& s) {
    PowerFlowModule& m = s.pf;
    EngineFile& f = m.files.report;
    f.writeEmpty();
    line(f, "  **************************** BRANCH DATA ******"
            "***************************");
    f.writeEmpty();
    line(f, "  FROM  TO       R        XL       S");
    f.writeEmpty();
    for (int l = 1; l <= m.NBR; ++l) {
        Record r;
        r.integer(m.EXTNUM[m.FROMB[l]], 4).blanks(3).integer(m.EXTNUM[m.TOB[l]], 4).blanks(3);
        fixedReal(r, m.BR_R[l], 6, 5);
        r.blanks(3);
        fixedReal(r, m.BR_X[l], 6, 5);
        r.blanks(3);
        fixedReal(r, 2.0 * m.BR_B[l], 6, 5);
        f.write(r);
    }
    f.writeEmpty();
    line(f, "  **********************************************"
            "***************************");
    f.writeEmpty();
}

void OPFDISP(OpfModule& s) {
    PowerFlowModule& m = s.pf;
    EngineFile& f = m.files.report;
    const double base = m.BASEMVA;
    for (int k = 0; k < 3; ++k) f.writeEmpty();
    line(f, "  *******************OPTIMAL POWER FLOW REPORT "
            "***************************");
    f.writeEmpty();
    line(f, "  GEN NUM."
            "        "
            " P "
            "  "
            "   Q    "
            "  "
            " Lambda ");
    line(f, "                 "
            "  MW"
            "   "
            "  MVAR"
            "   "
            "$/MW-hr");
    f.writeEmpty();
    for (int g = 1; g <= s.NOPG; ++g) {
        const int i = s.GBUS[g];
        Record r;
        r.blanks(2).integer(s.OGBUS[g], 4).blanks(10);
        fixedReal(r, m.PGEN[i] * base, 6, 2);
        r.blanks(3);
        fixedReal(r, m.QGEN[i] * base, 6, 2);
        r.blanks(2);
        fixedReal(r, s.LAMBDA[g] / base, 6, 2);
        f.write(r);
    }
    f.writeEmpty();
    Record r;
    r.blanks(10).text("TOTAL COST :");
    fixedReal(r, s.COST, 10, 2);
    r.blanks(2).text("$/hr");
    f.write(r);
}

void OPFSTATUS(int code) {
    EngineFile bus;
    bus.open(files::kBusResults);
    writeStatusRecord(bus, code);
    bus.close();
}

} // namespace tarvex::engine
