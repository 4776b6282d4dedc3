#include "tests/engine/opf/OpfCase.h"

#include "engine/opf/Opf.h"
#include "tests/engine/core/CaseBuilder.h"
#include "tests/engine/core/PowerFlowHarness.h"
#include "tests/support/FileText.h"

#include <cstdio>
#include <sstream>

namespace tarvex::test {

std::string generatorFile(const std::vector<CostCurve>& curves, const OpfSettings& s) {
    std::string out = format(" %4d 4 %4d  4\n", static_cast<int>(curves.size()), 0);
    for (const CostCurve& c : curves) {
        out += format("%5d\n", c.bus);
        for (int j = 0; j < 4; ++j) out += format("%6.2f %6.2f \n", c.p[j], c.c[j]);
    }
    out += format("    %d%10d  %g %6.3f %6.3f\n", s.constraints, s.maxIterations, s.tolerance,
                  s.vMax, s.vMin);
    return out;
}

std::string sixBusCase(double base, int rating35) {
    CaseBuilder b(base);
    b.bus({.number = 1, .type = 3, .voltage = 1.04})
        .bus({.number = 2, .type = 2, .voltage = 1.02, .genP = 50, .qMax = 100, .qMin = -50})
        .bus({.number = 3, .type = 2, .voltage = 1.01, .genP = 50, .qMax = 100, .qMin = -50})
        .bus({.number = 4, .loadP = 100, .loadQ = 30})
        .bus({.number = 5, .loadP = 120, .loadQ = 40})
        .bus({.number = 6, .loadP = 60, .loadQ = 20});
    // Impedances in p.u. on 100 MVA, scaled to the case's base so that a case at another
    // base is the same network.
    const double z = base / 100.0;
    struct L {
        int f, t;
        double r, x;
        int rating;
    };
    const L lines[] = {{1, 2, 0.02, 0.06, 200},      {1, 4, 0.05, 0.19, 200},
                       {2, 4, 0.06, 0.18, 200},      {2, 5, 0.05, 0.17, 200},
                       {3, 5, 0.01, 0.12, rating35}, {4, 5, 0.03, 0.10, 200},
                       {3, 6, 0.04, 0.15, 200},      {4, 6, 0.02, 0.08, 200}};
    for (const L& l : lines)
        b.branch({.from = l.f, .to = l.t, .r = l.r * z, .x = l.x * z, .rating = l.rating});
    return b.text();
}

std::vector<CostCurve> sixBusCosts() {
    // Convex curves: slopes 20, 26, 34 / 18, 24, 32 / 22, 28, 36 $/MWh.
    return {
        {1, {20, 60, 120, 200}, {400, 1200, 2760, 5480}},
        {2, {10, 50, 100, 150}, {300, 1020, 2220, 3820}},
        {3, {15, 50, 90, 120}, {350, 1120, 2240, 3320}},
    };
}

DispatchTable readDispatch(const std::string& text) {
    DispatchTable table;
    const auto header = text.rfind("  GEN NUM.");
    if (header == std::string::npos) return table;
    std::istringstream in(text.substr(header));
    std::string line;
    std::getline(in, line);
    std::getline(in, line);
    while (std::getline(in, line)) {
        DispatchRow r;
        if (std::sscanf(line.c_str(), "%d %lf %lf %lf", &r.bus, &r.p, &r.q, &r.lambda) == 4)
            table.rows.push_back(r);
        else if (std::sscanf(line.c_str(), " TOTAL COST : %lf", &table.totalCost) == 1)
            table.found = true;
    }
    return table;
}

int runOpf(const std::string& caseText, const std::string& generatorText) {
    writeFileText("pfinput.dat", caseText);
    // Tight tolerances: the power flow then converges alike at every MVA base.
    writeFileText("pfparam.dat", parameters(100, 1e-7, 1e-7));
    writeFileText("opfinputgen.dat", generatorText);
    engine::OPFMAIN();
    int status = -1;
    std::istringstream bus(readFileText("busotp.dat"));
    if (!(bus >> status)) return -1;
    return status;
}

} // namespace tarvex::test
