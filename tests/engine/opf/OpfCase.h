#pragma once

#include <string>
#include <vector>

// Optimal power flow cases for the tests: a case file from CaseBuilder and the generator
// file in the editor's layout, and readers of the dispatch table of opfoutput.dat.
namespace tarvex::test {

struct CostCurve {
    int bus = 1;
    double p[4] = {0, 0, 0, 0}; // MW
    double c[4] = {0, 0, 0, 0}; // $/hr
};

struct OpfSettings {
    int constraints = 0;
    int maxIterations = 20;
    double tolerance = 0.001;
    double vMax = 1.05, vMin = 0.95;
};

// opfinputgen.dat exactly as the editor writes it.
std::string generatorFile(const std::vector<CostCurve>& curves, const OpfSettings& settings);

// The six-bus teaching case with three generators (buses 1 swing, 2 and 3 voltage
// controlled) at `base` MVA; `rating35` is the MVA rating of the line 3-5.
std::string sixBusCase(double base = 100.0, int rating35 = 200);
std::vector<CostCurve> sixBusCosts();

struct DispatchRow {
    int bus = 0;
    double p = 0, q = 0, lambda = 0; // MW, MVAr, $/MWh
};
struct DispatchTable {
    std::vector<DispatchRow> rows;
    double totalCost = 0;
    bool found = false;
};
DispatchTable readDispatch(const std::string& reportText);

// Writes pfinput.dat, pfparam.dat and opfinputgen.dat and runs OPFMAIN; returns the status
// of busotp.dat (-1 when unreadable).
int runOpf(const std::string& caseText, const std::string& generatorText);

} // namespace tarvex::test
