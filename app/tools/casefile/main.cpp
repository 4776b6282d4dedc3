// tarvex-case-file: writes the power flow case file of a .tvx document, as the Create IEEE
// Data File command does, so a document's power flow can be run with tarvex-engine where
// no display is available.
//
//   tarvex-case-file DOCUMENT.tvx [CASE.dat]     (standard output without CASE.dat)
#include "exchange/CaseFileWriter.h"
#include "model/DocumentFile.h"
#include "model/SkemtorApp.h"
#include "model/SkemtorDoc.h"

#include <cstdio>

int main(int argc, char** argv) {
    if (argc < 2 || argc > 3) {
        std::fprintf(stderr, "usage: tarvex-case-file DOCUMENT.tvx [CASE.dat]\n");
        return 2;
    }
    CSkemtorApp app;
    CSkemtorDoc doc;
    const CDocumentFile::Result loaded = CDocumentFile::Load(argv[1], doc, app);
    if (!loaded.ok) {
        std::fprintf(stderr, "tarvex-case-file: %s\n", loaded.message.c_str());
        return 1;
    }
    // The title keeps its 31 columns, so the base MVA after it is read where it belongs.
    app.SetCaseName(app.m_caseName);
    const char* target = argc > 2 ? argv[2] : "/dev/stdout";
    if (!CCaseFileWriter::WriteCaseFile(doc, app, target)) {
        std::fprintf(stderr, "tarvex-case-file: cannot write %s\n", target);
        return 1;
    }
    return 0;
}
