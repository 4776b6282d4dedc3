#pragma once

#include <iosfwd>

// The internal form and the enumeration state of one KOVRAL call, carved from the
// caller's WORK array (no allocation). Variables are complemented where needed so every
// cost is non-negative; every row is a slack s(i) = r(i) + sum d(i, j) y(j) that must stay
// >= 0. Index arrays are held in the double workspace as small whole numbers.
namespace tarvex::engine {

class KovralSearch {
public:
    // Fathoming reasons in report order, then the augmentation count.
    enum Counter {
        kIncumbentSuperior,
        kFeasibleCompletion,
        kInfeasibleConstraint,
        kNearOptimality,
        kIntegerDuals,
        kSurrogate,
        kBoundInconsistency,
        kAugmentations,
        kCounterCount
    };

    struct Controls {
        int iterationLimit = 5000;
        bool minimumBranchRule = false;
        bool realData = true;
        int traceEvery = 0;           // INPUT(18)
        bool printIncumbents = false; // INPUT(17)
        int width = 72;
        std::ostream* out = nullptr; // filed output (trace, incumbents)
        std::ostream* console = nullptr;
    };

    // Builds the internal form. lda is the row dimension of A. bound is INPUT(10) in the
    // caller's terms (0: none).
    void build(const double* A, int lda, const int* KT, const double* B, const double* C,
               const double* U, bool useBounds, bool maximize, int m, int n, double bound,
               double* work);

    // Runs the enumeration; returns the status (1, 2, 3 or 5).
    int run(const Controls& controls);

    int iterations() const { return m_iterations; }
    int incumbents() const { return m_incumbents; }
    int incumbentIteration() const { return m_incumbentIteration; }
    bool hasIncumbent() const { return m_incumbents > 0; }
    int counter(Counter c) const { return m_counters[c]; }
    // Value of x(j), j = 0..n-1, in the caller's terms, from the incumbent.
    double answer(int j) const;

private:
    double& d(int i, int j) { return m_d[j * m_rows + i]; }
    bool backtrack(int& status);
    void fix(int j, double value);
    void shift(int j, double delta);
    void recordIncumbent(const Controls& controls);

    int m_rows = 0; // constraints plus the equality sum row when present
    int m_n = 0;
    double* m_d = nullptr;
    double* m_s = nullptr;
    double* m_c = nullptr;
    double* m_u = nullptr;
    double* m_complemented = nullptr;
    double* m_value = nullptr;
    double* m_fixed = nullptr; // 0 free, 1 fixed
    double* m_top = nullptr;   // stepping bound of a fixed variable
    double* m_usable = nullptr;
    double* m_incumbent = nullptr;
    double* m_stack = nullptr;
    double* m_exhausted = nullptr;
    int m_depth = 0;
    double m_zs = 0.0;
    double m_zbar = 0.0;
    int m_iterations = 0;
    int m_incumbents = 0;
    int m_incumbentIteration = 0;
    int m_counters[kCounterCount] = {};
};

} // namespace tarvex::engine
