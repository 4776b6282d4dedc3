#pragma once

#include <iosfwd>

// The printed reports of KOVRAL: problem parameters, problem data, page headings and the
// solution report, laid out to the call's column width (INPUT(21), 72..132).
namespace tarvex::engine {

class KovralSearch;

// Integers six per line, twelve columns each (the KT and INPUT listings).
void writeIntegers(std::ostream& out, const int* values, int count);
// A page heading: the report name, "TITLE - " with the title and the call number.
void writeHeading(std::ostream& out, const char* heading, const char* title, int call, int width);
// The problem parameter report: each control value with its text.
void writeParameters(std::ostream& out, const int* in, const char* title, int call);
// The problem data: A dense (or as its non-zero entries when sparse), KT, B, C and U.
void writeProblemData(std::ostream& out, const double* A, int lda, const int* KT, const double* B,
                      const double* C, const double* U, int m, int n, bool sparse, int width);
// The solution report; in[18] = 2 adds the iteration summary.
void writeSolutionReport(std::ostream& out, const KovralSearch& search, int status, const int* in,
                         const char* title, int call, const double* X, double Z, int n);

} // namespace tarvex::engine
