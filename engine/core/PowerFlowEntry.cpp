#include "engine/core/ExchangeFiles.h"
#include "engine/core/PowerFlow.h"

#include <cctype>
#include <cerrno>
#include <cmath>
#include <cstdio>
#include <cstdlib>

// PFLINFLO, the power flow entry point. Sequence: open the five result files (each
// created when missing, replaced only when written), read pfparam.dat, read the case,
// build the matrices, iterate, write the results. A failing phase has written its
// status record and log line; the later phases do not run.
//
// pfparam.dat, free format (items separated by blanks, commas or line ends):
//   MAXIT (int)  TOLP (p.u.)  TOLQ (p.u.)  IQLIM (int: 0 ignores reactive limits)
namespace tarvex::engine {

namespace {

// Reads the next free-format item of the file into token; false at the end.
bool nextItem(std::FILE* file, char* token, int capacity) {
    int c;
    do {
        c = std::fgetc(file);
    } while (c == ' ' || c == ',' || c == '\t' || c == '\n' || c == '\r');
    if (c == EOF) return false;
    int n = 0;
    while (c != EOF && c != ' ' && c != ',' && c != '\t' && c != '\n' && c != '\r') {
        if (n < capacity - 1) token[n++] = static_cast<char>(c);
        c = std::fgetc(file);
    }
    token[n] = '\0';
    return true;
}

bool readInt(std::FILE* file, int& value) {
    char token[64];
    if (!nextItem(file, token, sizeof token)) return false;
    char* end = nullptr;
    errno = 0;
    const long v = std::strtol(token, &end, 10);
    if (end == token || *end != '\0' || errno != 0 || v < -1000000000L || v > 1000000000L) {
        return false;
    }
    value = static_cast<int>(v);
    return true;
}

bool readReal(std::FILE* file, double& value) {
    char token[64];
    if (!nextItem(file, token, sizeof token)) return false;
    // Fortran-style exponents ("1.0D-03") are accepted as well as C ones.
    for (char* p = token; *p != '\0'; ++p) {
        if (*p == 'd' || *p == 'D') *p = 'E';
    }
    char* end = nullptr;
    value = std::strtod(token, &end);
    return end != token && *end == '\0' && std::isfinite(value);
}

// The settings have no recovery path when unreadable; the run stops with the status
// of unreadable input rather than iterating on invented values.
bool readParameters(PowerFlowModule& m) {
    std::FILE* file = std::fopen(files::kPowerFlowParameters, "rb");
    const bool ok = file != nullptr && readInt(file, m.MAXIT) && readReal(file, m.TOLP) &&
                    readReal(file, m.TOLQ) && readInt(file, m.IQLIM);
    if (file != nullptr) std::fclose(file);
    if (!ok) {
        m.fail(3);
        Record r;
        r.text(" DATA ERROR : pfparam.dat DOES NOT HOLD MAXIT, TOLP, TOLQ AND IQLIM");
        m.log(r);
    }
    return ok;
}

void run(PowerFlowModule& m) {
    m.reset();
    m.files.openAll();
    // The settings file is opened like the others: created when missing.
    if (std::FILE* touch = std::fopen(files::kPowerFlowParameters, "ab")) std::fclose(touch);
    if (readParameters(m)) READPF(m);
    if (!m.status.failed()) YMATRX(m);
    if (!m.status.failed()) FDLF(m);
    if (!m.status.failed()) PFOUT(m);
    m.files.closeAll();
}

} // namespace

void PFLINFLO() {
    PowerFlowModule& m = powerFlowModule();
    try {
        run(m);
    } catch (...) {
        // Nothing may cross the boundary to the editor; the status record written so far
        // (if any) stands.
        m.files.closeAll();
    }
}

} // namespace tarvex::engine
