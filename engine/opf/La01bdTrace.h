#pragma once

#include <span>

// The trace and error lines of la01bd on the standard output, each beginning with a
// carriage-control character ("0" a blank line before, " " none) and the routine's name
// right-justified in 8 characters. Reals are in the exponent form 0.ddddE+xx.
namespace tarvex::engine {

class La01bdTrace {
public:
    La01bdTrace(int n, int m, int k) : m_n(n), m_m(m), m_k(k) {}

    void sizes() const;
    void phase(int phase) const;
    void iteration(int count, double cost) const;
    // The basic variables and their values, four pairs a line.
    void basis(std::span<const int> ind, const double* xb, int m) const;
    void reinverted() const;
    void optimum(double f, int ifail, double accuracy, std::span<const double> x) const;

private:
    int m_n, m_m, m_k;
};

} // namespace tarvex::engine
