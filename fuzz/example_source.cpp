// Feeds arbitrary bytes to the example generator as a source file. A damaged source
// must be refused with a message naming the file, never crash; a source that builds
// must give a document the layout check can look at and that saves and loads again.
#include "fuzz/ScratchDirectory.h"

#include "examples/generator/ExampleGenerator.h"
#include "examples/generator/LayoutCheck.h"
#include "examples/generator/SourceError.h"
#include "model/Archive.h"
#include "model/DocumentFile.h"
#include "model/SkemtorApp.h"
#include "model/SkemtorDoc.h"

#include <cstdint>
#include <cstdio>
#include <cstdlib>

extern "C" int LLVMFuzzerInitialize(int* argc, char*** argv) {
    CScratchDirectory::KeepFindingsHere(argc, argv);
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const CScratchDirectory::Visit scratch;
    const char* const name = "example.txt";
    if (std::FILE* file = std::fopen(name, "wb")) {
        std::fwrite(data, 1, size, file);
        std::fclose(file);
    }
    CSkemtorDoc doc;
    CSkemtorApp app;
    try {
        CExampleGenerator::Build(name, doc, app);
    } catch (const CSourceError& error) {
        if (error.File() != name || error.Message().empty()) std::abort();
        return 0;
    }
    CLayoutCheck::Check(doc);
    CArchive out;
    doc.Serialize(out, app);
    CSkemtorDoc again;
    CSkemtorApp againApp;
    if (!CDocumentFile::LoadBytes(out.Bytes(), name, again, againApp).ok) std::abort();
    return 0;
}
