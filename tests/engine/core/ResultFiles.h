#pragma once

#include <map>
#include <string>
#include <vector>

// The power flow result files read back the way the editor reads them (blank-separated
// numbers, one record per line), so tests can check what was written rather than the
// engine's internal tables.
namespace tarvex::test {

struct BusResult {
    int number = 0;
    double voltage = 0, angle = 0; // p.u., degrees
    double genP = 0, genQ = 0;     // MW, MVAR
    double netP = 0, netQ = 0;     // p.u.
};

struct BranchEndResult {
    int bus = 0, other = 0;
    double p = 0, q = 0, current = 0; // p.u.
    int overloaded = 0;
};

struct Results {
    int status = -1;
    std::vector<BusResult> buses;
    std::vector<BranchEndResult> branchEnds;
    const BusResult* bus(int number) const;
};

// busotp.dat and branchotp.dat of the current directory.
Results readResults();

// Largest imbalance, in p.u., between a bus's net injection in busotp.dat and the sum of
// the flows leaving it in branchotp.dat (less what its shunt susceptance, given in p.u.
// by bus number, generates at its voltage). A solved case balances to about its
// mismatch tolerance; any slip in a flow, a column or a sign shows up here.
double largestImbalance(const Results& results, const std::map<int, double>& shunts = {});

} // namespace tarvex::test
