#pragma once

#include "model/SkemtorApp.h"
#include "model/SkemtorDoc.h"

#include <string>

namespace tarvex::test {

// A three-bus network: slack bus 1 at 1.02 p.u., generator bus 2 (40 MW at 1.01 p.u.)
// and load bus 3 (90 MW, 30 MVAr), with lines 1-2, 1-3 and 2-3.
void buildThreeBusNetwork(CSkemtorDoc& doc, CSkemtorApp& app);

// Saves the document through the program's own document file writer.
void saveDocument(const std::string& path, CSkemtorDoc& doc, CSkemtorApp& app);

} // namespace tarvex::test
