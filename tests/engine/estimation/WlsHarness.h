#pragma once

#include "engine/core/PowerFlowModule.h"

#include <string>
#include <vector>

// Inputs of the weighted least squares estimator for tests: meters written to
// measure.dat in the editor's layout, the settings, and meters computed from a solved
// power flow with an independent complex-admittance model of the network.
namespace tarvex::test {

struct Meter {
    int kind = 1; // 1 V, 2 P inj, 3 Q inj, 4 P flow, 5 Q flow, 6 current
    int from = 1, to = 0;
    double value = 0.0;
    double sd = 0.01;
    int flag = 0;
};

std::string measureText(const std::vector<Meter>& meters);
std::string wlsParameters(int noise = 0, int maxit = 20, double tolerance = 1.0E-6);

// Writes pfinput.dat, measure.dat and parameter.dat and runs WLSEST.
void runWls(const std::string& caseText, const std::vector<Meter>& meters,
            const std::string& parameterText = wlsParameters());

// The full meter set of a solved power flow (module after PFLINFLO): the voltage at
// every bus, both injections at every bus, both flows at both ends of every branch and,
// when currents is set, the current at the from end of every branch. Exact values of
// the solved state, computed here from the tables with complex arithmetic.
std::vector<Meter> powerFlowMeters(const engine::PowerFlowModule& pf, bool currents = false);

// The first integer of a file (the status record), -1 when there is none.
int statusOf(const char* fileName);

} // namespace tarvex::test
