#include "model/DocumentFile.h"

#include "model/Archive.h"
#include "model/SafeFileWriter.h"
#include "model/SkemtorApp.h"
#include "model/SkemtorDoc.h"

#include <fstream>
#include <sstream>

namespace fs = std::filesystem;

namespace {
std::string unexpectedFormat(const std::string& fileName) {
    return fileName + "\nUnexpected file format.";
}

std::string loadMessage(CArchiveException::Cause cause, const std::string& fileName) {
    switch (cause) {
    case CArchiveException::Cause::BadSchema:
        return fileName + " contains an incorrect schema.";
    case CArchiveException::Cause::EndOfFile:
        return "An attempt was made to access " + fileName + " past its end.";
    case CArchiveException::Cause::BadFormat:
        break;
    }
    return unexpectedFormat(fileName);
}
} // namespace

CDocumentFile::Result CDocumentFile::LoadBytes(std::string_view bytes, const std::string& fileName,
                                               CSkemtorDoc& doc, CSkemtorApp& app) {
    doc.DeleteContents();
    CArchive ar(bytes);
    try {
        doc.Serialize(ar, app);
    } catch (const CArchiveException& error) {
        doc.DeleteContents();
        doc.SetModifiedFlag(false);
        return {false, loadMessage(error.GetCause(), fileName)};
    }
    // The case name heads the power flow case file, whose base MVA starts in column 32;
    // a name saved shorter (or empty) would shift the base, so it is brought to 31
    // characters as File New makes it.
    app.SetCaseName(app.m_caseName);
    return {true, {}};
}

CDocumentFile::Result CDocumentFile::Load(const fs::path& path, CSkemtorDoc& doc,
                                          CSkemtorApp& app) {
    const std::string fileName = path.string();
    std::error_code ec;
    const std::uintmax_t size = fs::file_size(path, ec);
    std::ifstream in(path, std::ios::binary);
    if (ec || !in) {
        doc.DeleteContents();
        doc.SetModifiedFlag(false);
        return {false, "Cannot open " + fileName + "."};
    }
    if (size > kMaxFileSize) {
        doc.DeleteContents();
        doc.SetModifiedFlag(false);
        return {false, unexpectedFormat(fileName)};
    }
    std::ostringstream content;
    content << in.rdbuf();
    return LoadBytes(content.str(), fileName, doc, app);
}

CDocumentFile::Result CDocumentFile::Save(const fs::path& path, CSkemtorDoc& doc,
                                          CSkemtorApp& app) {
    CArchive ar;
    try {
        doc.Serialize(ar, app);
    } catch (const CArchiveException& error) {
        return {false, path.string() + " was not saved: " + error.what() + "."};
    }
    if (auto failure = CSafeFileWriter::Write(path, ar.Bytes()))
        return {false, path.string() + " was not saved (" + *failure +
                           "). The previous file is unchanged."};
    doc.SetModifiedFlag(false);
    return {true, {}};
}
