#pragma once

#include <string>

// What `tarvex-engine case` was asked to do.
struct CaseOptions {
    std::string document; // the .tvx document file
    std::string output;   // the case file to write; empty for the standard output
};
