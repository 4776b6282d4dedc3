#pragma once

#include <string>
#include <vector>

// Input files of the transient stability program for tests: a solved power flow case
// (bus cards with their final voltages and angles), the admittance list, the dynamic
// data and the settings, each in the layout its writer uses, so a test states a
// network in a few lines and can spoil any one field.
namespace tarvex::test::stability {

struct StabilityBus {
    int number = 1;
    int type = 0;                                    // 0 load, 2 generator, 3 slack
    double voltage = 1.0, angle = 0.0;               // p.u., degrees
    double loadP = 0, loadQ = 0, genP = 0, genQ = 0; // MW, MVAr
};

struct Admittance {
    int i = 1, j = 1;
    double g = 0, b = 0;
};

struct Machine {
    int bus = 1;
    int model = 1; // 1 classical, 2 two-axis
    double h = 5.0, damping = 0.0;
    double xd = 1.0, xdPrime = 0.2, tdoPrime = 6.0;
    double xq = 0.8, xqPrime = 0.3, tqoPrime = 0.5;
};

struct Settings {
    double tolerance = 1.0E-6, step = 0.001, time = 2.0;
    int faultKind = 0;
    double faultStart = 5.0, faultClear = 5.1;
    int bus1 = 1, bus2 = 2;
    std::vector<int> plotted;
};

std::string caseText(const std::vector<StabilityBus>& buses, double base = 100.0);
std::string admittanceText(const std::vector<Admittance>& entries);
// Machine records, then a DC1 exciter (default data) for every two-axis machine.
std::string dynamicText(const std::vector<Machine>& machines);
std::string settingsText(const Settings& s);

// Writes all four files into the current directory.
void writeInputs(const std::vector<StabilityBus>& buses, const std::vector<Admittance>& y,
                 const std::vector<Machine>& machines, const Settings& settings);

// Two machines joined by one reactance of 0.5 p.u. carrying 1 p.u. at 30 degrees,
// an exact power flow solution to the digits of the case file: bus 1 sends 100 MW,
// bus 2 (the slack) takes it; both supply half of the line's reactive power.
std::vector<StabilityBus> twoMachineBuses();
std::vector<Admittance> twoMachineAdmittances();

} // namespace tarvex::test::stability
