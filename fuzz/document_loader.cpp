// Feeds arbitrary bytes to the document file loader: it must refuse damaged files with
// a message and an empty document, never crash, read out of bounds or allocate beyond
// what the bytes could hold. A file that loads must save and load again unchanged.
#include "model/Archive.h"
#include "model/DocumentFile.h"
#include "model/SkemtorApp.h"
#include "model/SkemtorDoc.h"

#include <cstdint>
#include <cstdlib>
#include <string_view>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    CSkemtorDoc doc;
    CSkemtorApp app;
    const CDocumentFile::Result result = CDocumentFile::LoadBytes(bytes, "fuzz.tvx", doc, app);
    if (!result.ok) {
        if (result.message.empty() || doc.GetBusCount() != 0 || doc.GetLineCount() != 0 ||
            doc.GetGeneratorCount() != 0)
            std::abort();
        return 0;
    }
    CArchive out;
    doc.Serialize(out, app);
    CSkemtorDoc again;
    CSkemtorApp againApp;
    if (!CDocumentFile::LoadBytes(out.Bytes(), "fuzz.tvx", again, againApp).ok) std::abort();
    CArchive twice;
    again.Serialize(twice, againApp);
    if (twice.Bytes() != out.Bytes()) std::abort();
    return 0;
}
