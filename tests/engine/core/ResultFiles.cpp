#include "tests/engine/core/ResultFiles.h"

#include "engine/core/ExchangeFiles.h"
#include "tests/support/FileText.h"

#include <algorithm>
#include <cmath>
#include <sstream>

namespace tarvex::test {

const BusResult* Results::bus(int number) const {
    for (const BusResult& b : buses) {
        if (b.number == number) return &b;
    }
    return nullptr;
}

Results readResults() {
    Results r;
    std::istringstream bus(readFileText(files::kBusResults));
    bus >> r.status;
    for (BusResult b;
         bus >> b.number >> b.voltage >> b.angle >> b.genP >> b.genQ >> b.netP >> b.netQ;) {
        r.buses.push_back(b);
    }
    std::istringstream branch(readFileText(files::kBranchResults));
    for (BranchEndResult e;
         branch >> e.bus >> e.other >> e.p >> e.q >> e.current >> e.overloaded;) {
        r.branchEnds.push_back(e);
    }
    return r;
}

double largestImbalance(const Results& results, const std::map<int, double>& shunts) {
    double largest = 0.0;
    for (const BusResult& b : results.buses) {
        double p = 0.0, q = 0.0;
        for (const BranchEndResult& e : results.branchEnds) {
            if (e.bus != b.number) continue;
            p += e.p;
            q += e.q;
        }
        // A shunt capacitor of susceptance B supplies V^2 B to the bus.
        const auto shunt = shunts.find(b.number);
        if (shunt != shunts.end()) q -= b.voltage * b.voltage * shunt->second;
        largest = std::max({largest, std::fabs(p - b.netP), std::fabs(q - b.netQ)});
    }
    return largest;
}

} // namespace tarvex::test
