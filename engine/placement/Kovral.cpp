#include "engine/placement/Kovral.h"

#include "engine/placement/KovralReport.h"
#include "engine/placement/KovralSearch.h"

#include <cstdio>
#include <fstream>
#include <ostream>
#include <string>

namespace tarvex::engine {

namespace {

int g_calls = 0;

// The search state of a call; module-level like every engine table (not re-entrant).
KovralSearch g_search;

constexpr int kOutputUnit = 20;
constexpr int kMinimumWidth = 72;
constexpr int kMaximumWidth = 132;

bool blank(const char* name) {
    if (name == nullptr) return true;
    for (const char* p = name; *p; ++p)
        if (*p != ' ') return false;
    return true;
}

std::string trimmed(const char* name) {
    std::string s(name);
    while (!s.empty() && s.back() == ' ') s.pop_back();
    return s;
}

std::string fallbackName(int call, const char* extension) {
    char buffer[32];
    std::snprintf(buffer, sizeof buffer, "KOVR%04d.%s", call % 10000, extension);
    return buffer;
}

void writeCallLine(std::ostream& out, int call) {
    out << "KOVRAL  CALL" << call << '\n';
}

bool zeroOrOne(int v) {
    return v == 0 || v == 1;
}
bool zeroOneOrTwo(int v) {
    return v >= 0 && v <= 2;
}

// The input checks; true when the call may go on. Applies the defaults to in.
bool validate(int* in, const int* KT, std::ostream& out, int call) {
    if (in[10] <= 0) in[10] = kKovralDefaultIterationLimit;
    if (in[11] < 0) in[11] = 0;
    if (in[20] < kMinimumWidth) in[20] = kMinimumWidth;
    if (in[20] > kMaximumWidth) in[20] = kMaximumWidth;

    const int m = in[2];
    if (m > 0 && m <= in[0]) {
        bool bad = false;
        for (int i = 0; i < m; ++i) bad = bad || KT[i] < -1 || KT[i] > 1;
        if (bad) {
            writeCallLine(out, call);
            out << "*** ERROR, ILLEGAL VALUES IN KT.  KT CONTAINS\n";
            writeIntegers(out, KT, m);
            return false;
        }
    }

    char lines[24][64];
    int count = 0;
    auto error = [&](const char* text) {
        std::snprintf(lines[count++], sizeof lines[0], "%s", text);
    };
    const int n = in[3];
    if (in[2] <= 0 || in[2] > in[0]) error("INPUT(3) NON-POSITIVE OR EXCEEDS INPUT(1)");
    if (in[3] <= 0 || in[3] > in[1]) error("INPUT(4) NON-POISTIVE OR EXCEEDS INPUT(2)");
    const long minimum = (m > 0 && n > 0) ? kovralWorkspace(m, n) : 0;
    if (m > 0 && n > 0 && in[5] < minimum) {
        error("INPUT(6) TOO SMALL.  FOR THIS PROBLEM,");
        std::snprintf(lines[count++], sizeof lines[0], " MUST BE AT LEAST%8ld", minimum);
    }
    const int binary[] = {5, 7, 8, 9, 13, 14, 15, 17};
    const int ternary[] = {16, 19, 20};
    for (int k : binary)
        if (!zeroOrOne(in[k - 1]))
            std::snprintf(lines[count++], sizeof lines[0], "INPUT(%2d) NOT 0 OR 1", k);
    for (int k : ternary)
        if (!zeroOneOrTwo(in[k - 1]))
            std::snprintf(lines[count++], sizeof lines[0], "INPUT(%2d) NOT 0, 1, OR 2", k);
    if (count == 0) return true;

    writeCallLine(out, call);
    out << "*** ERROR, INCONSISTENT DATA IN INPUT.\n"
        << "  INPUT CONTAINS\n";
    writeIntegers(out, in, kKovralControlCount);
    out << "THE FOLLOWING ERRORS OCCURRED.\n";
    for (int i = 0; i < count; ++i) out << lines[i] << '\n';
    return false;
}

} // namespace

long kovralWorkspace(int m, int n) {
    const long M = m;
    const long N = n;
    return 2 * N * N + 2 * N * M + 28 * N + 5 * M + 5;
}

const char* kovralStatusText(int status) {
    switch (status) {
    case 1:
        return "SOLUTION IS OPTIMAL     ";
    case 2:
        return "NO FEASIBLE SOLUTION    ";
    case 3:
        return "ITERATION LIMIT REACHED ";
    case 4:
        return "PROBLEM DATA ERROR      ";
    case 5:
        return "ALGORITHM ERROR         ";
    default:
        return "";
    }
}

int kovralCallCount() {
    return g_calls;
}

void KOVRAL(const double* A, const int* KT, const double* B, const double* C, const double* U,
            const int* INPUT, const char* TITLE, const char* outputFile, const char* restartFile,
            double& Z, double* X, int* OUTPUT, double* WORK, std::ostream& console) {
    int in[kKovralControlCount];
    for (int k = 0; k < kKovralControlCount; ++k) in[k] = INPUT[k];
    for (int k = 0; k < kKovralOutputCount; ++k) OUTPUT[k] = 0;
    const int call = ++g_calls;

    // Output routing: filed output to the output file when one is named and opens.
    std::ofstream file;
    std::ostream* filed = &console;
    std::ostream* reports = &console;
    if (in[19] == 1 || in[19] == 2) {
        if (blank(outputFile)) {
            if (in[19] == 1)
                in[15] = in[16] = in[17] = 0;
            else
                for (int k = 14; k <= 18; ++k) in[k] = 0;
        } else {
            std::string name = trimmed(outputFile);
            file.open(name, std::ios::out | std::ios::trunc);
            if (!file) {
                writeCallLine(console, call);
                console << "*** UNABLE TO OPEN THE FILE " << name << '\n';
                name = fallbackName(call, "LIS");
                console << "OUTPUT WILL BE FILED ON " << name << '\n';
                file.clear();
                file.open(name, std::ios::out | std::ios::trunc);
                if (!file) {
                    char unit[8];
                    std::snprintf(unit, sizeof unit, "%4d", kOutputUnit);
                    console << "CANNOT OPEN THIS FILE EITHER.  CHECK YOUR FILES "
                            << "FOR THE ABOVE NAME\n"
                            << "AND MAKE SURE LOGICAL UNIT" << unit << " IS CLOSED.\n";
                    OUTPUT[0] = kKovralDataError;
                    return;
                }
            }
            filed = &file;
            if (in[19] == 2) reports = &file;
        }
    }

    // Restarting: the state of an unfinished run is neither saved nor restored by this
    // build; a restart request is refused as a data error, a save request is dropped.
    if ((in[8] != 0 || in[13] != 0) && blank(restartFile)) in[8] = in[13] = 0;
    if (in[8] == 1) {
        const std::string name = trimmed(restartFile);
        std::ifstream restart(name);
        writeCallLine(*filed, call);
        if (!restart) {
            *filed << "*** UNABLE TO OPEN THE FILE " << name << '\n'
                   << "FILE MUST EXIST FOR RESTARTING PROBLEM.\n";
        } else {
            *filed << "*** ERROR, INCONSISTENT RESTARTING INFO. ON FILE " << name << '\n';
        }
        OUTPUT[0] = kKovralDataError;
        return;
    }
    if (!validate(in, KT, *filed, call)) {
        OUTPUT[0] = kKovralDataError;
        return;
    }
    in[13] = 0;

    const int m = in[2];
    const int n = in[3];
    const int lda = in[0];
    if (in[14] == 1) writeParameters(*reports, in, TITLE, call);
    if (in[15] != 0) writeProblemData(*filed, A, lda, KT, B, C, U, m, n, in[15] == 2, in[20]);

    g_search.build(A, lda, KT, B, C, U, in[7] == 1, in[4] == 1, m, n, static_cast<double>(in[9]),
                   WORK);
    if (in[16] == 1 || in[17] > 0)
        writeHeading(*filed, "I N T E R M E D I A T E    O U T P U T", TITLE, call, in[20]);

    KovralSearch::Controls controls;
    controls.iterationLimit = in[10];
    controls.minimumBranchRule = in[12] == 1;
    controls.realData = in[6] == 0;
    controls.traceEvery = in[17];
    controls.printIncumbents = in[16] == 1;
    controls.width = in[20];
    controls.out = filed;
    controls.console = &console;
    const int status = g_search.run(controls);

    OUTPUT[0] = status;
    OUTPUT[1] = g_search.iterations();
    OUTPUT[2] = g_search.incumbents();
    OUTPUT[3] = g_search.incumbentIteration();
    if (g_search.hasIncumbent()) {
        double z = 0.0;
        for (int j = 0; j < n; ++j) {
            X[j] = g_search.answer(j);
            z += C[j] * X[j];
        }
        Z = in[6] == 1 ? static_cast<double>(static_cast<long>(z + (z < 0 ? -0.001 : 0.001))) : z;
    }
    if (in[18] >= 1) writeSolutionReport(*reports, g_search, status, in, TITLE, call, X, Z, n);
}

} // namespace tarvex::engine
