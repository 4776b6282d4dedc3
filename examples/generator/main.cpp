// Writes the bundled example documents from their readable source files:
//
//   tarvex-make-examples SOURCE_DIR OUTPUT_DIR
//
// e.g. build/examples/tarvex-make-examples examples/source examples
// Every SOURCE_DIR/NAME.txt becomes OUTPUT_DIR/NAME.tvx. A source file that breaks the
// editor's rules is refused with its file and line, and the program ends with status 1.

#include "examples/generator/ExampleGenerator.h"

#include <cstdio>

int main(int argc, char** argv) {
    if (argc != 3) {
        std::fprintf(stderr, "usage: tarvex-make-examples SOURCE_DIR OUTPUT_DIR\n");
        return 2;
    }
    const CExampleGenerator::Report report = CExampleGenerator::GenerateAll(argv[1], argv[2]);
    for (const auto& warning : report.warnings)
        std::fprintf(stderr, "warning: %s\n", warning.c_str());
    for (const auto& error : report.errors) std::fprintf(stderr, "%s\n", error.c_str());
    for (const auto& path : report.written) std::printf("wrote %s\n", path.string().c_str());
    return report.errors.empty() ? 0 : 1;
}
