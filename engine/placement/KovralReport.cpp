#include "engine/placement/KovralReport.h"

#include "engine/placement/Kovral.h"
#include "engine/placement/KovralSearch.h"

#include <cstdio>
#include <cstring>
#include <ostream>
#include <string>

namespace tarvex::engine {

namespace {

constexpr int kTitleLength = 64;

const char* const kParameterTexts[kKovralControlCount] = {
    "ROW DIMENSION OF A",
    "COLUMN DIMENSION OF A",
    "NUMBER OF CONSTRAINTS",
    "NUMBER OF VARIABLES",
    "0 IMPLIES MINIMIZE, 1 IMPLIES MAXIMIZE",
    "SIZE OF WORKSPACE ARRAY",
    "0 IMPLIES REAL DATA, 1 IMPLIES INTEGER DATA",
    "0 IMPLIES ALL ZERO-ONE VARIABLES",
    "1 IMPLIES RESTARTED PROBLEM",
    nullptr, // the bound's text depends on the sense
    "ITERATION LIMIT",
    "NEAR-OPTIMALITY TOLERANCE",
    "0 IMPLIES BALAS RULE, 1 IMPLIES MINIMUM BRANCH RULE",
    "1 IMPLIES SAVE RESTARTING INFO IF UNFINISHED",
    "1 IMPLIES OUTPUT PROBLEM PARAMETERS",
    nullptr, // dense or sparse data listing
    "1 IMPLIES OUTPUT INCUMBENT SOLUTIONS",
    "ITERATION TRACE OUTPUT FREQUENCY (IF POSITIVE)",
    nullptr, // solution report with or without the summary
    nullptr, // filing
    "MAXIMUM OUTPUT COLUMN WIDTH",
};

const char* const kReasonTexts[7] = {
    "INCUMBENT SUPERIOR TO ANY COMPLETION    ", "FEASIBILITY OF BEST POSSIBLE COMPLETION ",
    "AN INFEASIBLE CONSTRAINT                ", "NEAR- OPTIMALITY FACTOR                 ",
    "INTEGER DUALS OF IMBEDDED LINEAR PROGRAM", "IMBEDDED L.P. SURROGATE CONSTRAINT      ",
    "UPPER OR LOWER BOUND INCONSISTENCIES    ",
};

void writeReals(std::ostream& out, const double* v, int count, int width) {
    const int perLine = width / 12 > 0 ? width / 12 : 1;
    char buffer[32];
    for (int k = 0; k < count; ++k) {
        std::snprintf(buffer, sizeof buffer, "%12.4g", v[k]);
        out << buffer;
        if ((k + 1) % perLine == 0 || k + 1 == count) out << '\n';
    }
}

void parameterLine(std::ostream& out, int n, int value, const char* text) {
    char buffer[160];
    std::snprintf(buffer, sizeof buffer, "%4d%12d   %s\n", n, value, text);
    out << buffer;
}

} // namespace

void writeIntegers(std::ostream& out, const int* values, int count) {
    char buffer[16];
    for (int k = 0; k < count; ++k) {
        std::snprintf(buffer, sizeof buffer, "%12d", values[k]);
        out << buffer;
        if ((k + 1) % 6 == 0 || k + 1 == count) out << '\n';
    }
}

void writeHeading(std::ostream& out, const char* heading, const char* title, int call, int width) {
    char name[kTitleLength + 1] = {};
    if (title) std::strncpy(name, title, kTitleLength);
    char buffer[256];
    std::snprintf(buffer, sizeof buffer, "TITLE - %-*.*s CALL%5d", kTitleLength, kTitleLength, name,
                  call);
    std::string line(buffer);
    if (static_cast<int>(line.size()) > width) line.resize(static_cast<std::size_t>(width));
    out << '\n' << line << "\n\n" << heading << "\n\n";
}

void writeParameters(std::ostream& out, const int* in, const char* title, int call) {
    writeHeading(out, "P R O B L E M    P A R A M E T E R S", title, call, in[20]);
    for (int k = 0; k < kKovralControlCount; ++k) {
        const int n = k + 1;
        if (n == 10) {
            parameterLine(out, n, in[k],
                          in[4] == 1 ? "LOWER BOUND ON OBJECTIVE VALUE (IF NON-ZERO)"
                                     : "UPPER BOUND ON OBJECTIVE VALUE (IF NON-ZERO)");
        } else if (n == 16) {
            parameterLine(out, n, in[k], "1 IMPLIES OUTPUT PROBLEM DATA WITH A IN DENSE FORM");
            out << "                    2 IMPLIES OUTPUT PROBLEM DATA WITH A IN SPARSE FORM\n";
        } else if (n == 19) {
            parameterLine(out, n, in[k], "1 IMPLIES OUTPUT SOLUTION REPORT WITHOUT ITER SUMM");
            out << "                    2 IMPLIES OUTPUT SOLUTION REPORT WITH ITER SUMM\n";
        } else if (n == 20) {
            parameterLine(out, n, in[k], "1 IMPLIES ALL OUTPUT BUT PROB PAR AND SOL REP FILED");
            out << "                    2 IMPLIES ALL OUTPUT FILED\n";
        } else {
            parameterLine(out, n, in[k], kParameterTexts[k]);
        }
    }
}

void writeProblemData(std::ostream& out, const double* A, int lda, const int* KT, const double* B,
                      const double* C, const double* U, int m, int n, bool sparse, int width) {
    out << "\nP R O B L E M    D A T A\n\nA\n";
    char buffer[64];
    for (int i = 0; i < m; ++i) {
        if (sparse) {
            for (int j = 0; j < n; ++j) {
                const double a = A[static_cast<long>(j) * lda + i];
                if (a == 0.0) continue;
                std::snprintf(buffer, sizeof buffer, "%6d%6d%14.6g\n", i + 1, j + 1, a);
                out << buffer;
            }
        } else {
            for (int j = 0; j < n; ++j) {
                std::snprintf(buffer, sizeof buffer, "%12.4g", A[static_cast<long>(j) * lda + i]);
                out << buffer;
                if ((j + 1) % (width / 12) == 0 || j + 1 == n) out << '\n';
            }
        }
    }
    out << "KT\n";
    writeIntegers(out, KT, m);
    out << "B\n";
    writeReals(out, B, m, width);
    out << "C\n";
    writeReals(out, C, n, width);
    out << "U\n";
    writeReals(out, U, n, width);
}

void writeSolutionReport(std::ostream& out, const KovralSearch& search, int status, const int* in,
                         const char* title, int call, const double* X, double Z, int n) {
    writeHeading(out, "S O L U T I O N    R E P O R T", title, call, in[20]);
    char buffer[96];
    out << kovralStatusText(status) << '\n';
    if (search.hasIncumbent()) {
        out << (status == kKovralIterationLimit ? "LAST INCUMBENT SOLUTION" : "SOLUTION VECTOR IS")
            << '\n';
        std::snprintf(buffer, sizeof buffer, "%sIMUM OBJECTIVE VALUE%16.6g\n",
                      in[4] == 1 ? "MAX" : "MIN", Z);
        out << buffer;
    }
    std::snprintf(buffer, sizeof buffer, "NUMBER OF ITERATIONS%12d\n", search.iterations());
    out << buffer;
    std::snprintf(buffer, sizeof buffer, "NO. INCUMBENT SOLUTIONS%9d\n", search.incumbents());
    out << buffer;
    std::snprintf(buffer, sizeof buffer, "ITER. NO. OF SOLUTION%11d\n",
                  search.incumbentIteration());
    out << buffer;
    if (search.hasIncumbent()) writeReals(out, X, n, in[20]);
    if (in[18] != 2) return;
    out << "\nITERATION SUMMARY\n";
    std::snprintf(buffer, sizeof buffer, "NUMBER OF AUGMENTATIONS REQUIRED%12d\n",
                  search.counter(KovralSearch::kAugmentations));
    out << buffer;
    for (int r = 0; r < 7; ++r) {
        std::snprintf(buffer, sizeof buffer, "NUMBER OF TIMES FATHOMED BY %s%8d\n", kReasonTexts[r],
                      search.counter(static_cast<KovralSearch::Counter>(r)));
        out << buffer;
    }
}

} // namespace tarvex::engine
