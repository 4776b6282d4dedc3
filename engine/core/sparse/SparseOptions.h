#pragma once

#include <ostream>

// How one call of SPARSE orders, factors and solves. The power flow, the weighted least
// squares gain matrix and the observability analysis all use the same routines and
// differ only in these switches; the three presets at the bottom are the ones they use.
namespace tarvex::engine {

// Which pivot sequence a factoring call uses.
enum class PivotOrder {
    // Run the minimum-degree ordering for its fill-in positions only, then factor in
    // natural order (step k pivots on row k, column k). Power flow B' and B''.
    NaturalAfterOrdering,
    // Factor in the step order chosen by the minimum-degree ordering.
    MinimumDegree,
    // Factor in natural order without running the ordering (fill-in is appended by the
    // factorization itself as it is met).
    Natural,
    // Reuse the sequence of the last factoring call on the same matrix (same order N);
    // the ordering does not run. Used by the estimator iterations after the first.
    KeepPrevious,
};

// Which node wins among the unnumbered nodes of least degree in the ordering.
enum class TieRule {
    LowestIndex,      // the first one found scanning by index
    HighestIndex,     // the last one found scanning by index
    FewestEliminated, // the one with fewest already-eliminated neighbours, then lowest index
    LeastRecent,      // the one least recently made a neighbour of an eliminated node,
                      // never counts as least recent; then lowest index
};

// Which text a pivot below the tolerance writes to the log (no pivot search).
enum class SmallPivotText {
    Ordering,      // " WARNING: FACTORIZATION FAILED FOR THE CHOSEN ORDERING ALGORITHM"
    GainMatrix,    // empty line, then "          *** ERROR: ZERO PIVOT DURING FACTORIZATION *** "
    Observability, // the ordering warning and "          TRY WITH FULL PIVOTING INSTEAD"
};

struct SparseOptions {
    PivotOrder order = PivotOrder::NaturalAfterOrdering;
    TieRule tie = TieRule::LowestIndex;
    // When false, eliminating a node leaves its neighbours' degrees as they were.
    bool lowerDegrees = true;
    // When true, running out of fill-in storage in the ordering stops it with -6;
    // otherwise the ordering logs and goes on, and the factorization ends with -2.
    bool stopOnOverflow = false;
    SmallPivotText smallPivotText = SmallPivotText::Ordering;
    // Where "DIMENSION OF [A] IS TOO SMALL" goes: nullptr means the log; otherwise the
    // stream given (the gain matrix reports it on the console, std::cout).
    std::ostream* dimensionStream = nullptr;
    // Clear entries NZ+1..NSTORE (value, row, column) before a factoring call.
    bool clearSpareStorage = false;
    // Partial pivoting along the pivot column, then row, with a pivot of 1.0 put in
    // place of a zero one; the replaced steps are listed in the matrix (zero pivots).
    bool pivotSearch = false;
    // Substitution passes run after the factorization (or alone on a solve-only call).
    bool forward = true;
    bool back = true;
    // Solve the transposed system A^T x = b with the same factors instead (both passes).
    bool transposed = false;

    // B' and B'' of the fast decoupled power flow.
    static SparseOptions powerFlow() { return {}; }

    // The weighted least squares gain matrix. Pass firstIteration = false to reuse the
    // ordering found in the first iteration.
    static SparseOptions gainMatrix(bool firstIteration) {
        SparseOptions o;
        o.order = firstIteration ? PivotOrder::MinimumDegree : PivotOrder::KeepPrevious;
        o.smallPivotText = SmallPivotText::GainMatrix;
        o.dimensionStream = &consoleStream();
        return o;
    }

    // The observability matrix. orderingOption: below 0 keep the previous sequence,
    // 0 minimum degree with the highest index winning ties, 1 fewest eliminated
    // neighbours, 2 least recently made a neighbour, 3 as 1 without degree updates,
    // 4 (and above) natural order.
    static SparseOptions observability(int orderingOption, bool pivotSearch) {
        SparseOptions o;
        o.stopOnOverflow = true;
        o.smallPivotText = SmallPivotText::Observability;
        o.clearSpareStorage = true;
        o.pivotSearch = pivotSearch;
        if (orderingOption < 0) {
            o.order = PivotOrder::KeepPrevious;
        } else if (orderingOption >= 4) {
            o.order = PivotOrder::Natural;
        } else {
            o.order = PivotOrder::MinimumDegree;
            o.tie = orderingOption == 0   ? TieRule::HighestIndex
                    : orderingOption == 2 ? TieRule::LeastRecent
                                          : TieRule::FewestEliminated;
            o.lowerDegrees = orderingOption != 3;
        }
        return o;
    }

    // The process console (standard output); defined out of line to keep <iostream>
    // out of every includer.
    static std::ostream& consoleStream();
};

} // namespace tarvex::engine
