#pragma once

#include <string>

// Writes power flow case files for tests in the editor's own layout (IEEE common data
// format as the editor writes it: printf formats with fixed columns), so a test can
// state a network in a few lines and change one field to make it bad.
namespace tarvex::test {

struct BusSpec {
    int number = 1;
    int type = 0; // 0 load, 2 voltage controlled, 3 swing
    double voltage = 1.0;
    double loadP = 0, loadQ = 0, genP = 0, genQ = 0;
    double qMax = 0, qMin = 0; // written only for type 2
    double shunt = 0;
    int area = 1;
};

struct BranchSpec {
    int from = 1, to = 2;
    double r = 0.01, x = 0.1, charging = 0;
    double tap = 1.0;
    double phase = 0; // degrees
    int rating = 100;
};

class CaseBuilder {
public:
    explicit CaseBuilder(double base = 100.0);
    CaseBuilder& bus(const BusSpec& spec);
    CaseBuilder& branch(const BranchSpec& spec);
    // The whole file: title, bus section, branch section, the empty loss zone,
    // interchange and tie line sections and "END OF DATA".
    std::string text() const;

private:
    double m_base;
    std::string m_buses;
    std::string m_branches;
};

// Formats like printf into a std::string.
std::string format(const char* pattern, ...);

} // namespace tarvex::test
