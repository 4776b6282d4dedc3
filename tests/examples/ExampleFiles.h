#pragma once

#include <filesystem>
#include <string>
#include <vector>

class CSkemtorApp;
class CSkemtorDoc;

namespace tarvex::test {

// The committed example documents and their source files.
std::filesystem::path examplesDir();
std::filesystem::path exampleSourceDir();
// Names without extension of every committed .tvx, in name order.
std::vector<std::string> exampleNames();
// Opens examples/NAME.tvx as File Open does; the message is empty on success.
std::string openExample(const std::string& name, CSkemtorDoc& doc, CSkemtorApp& app);

} // namespace tarvex::test
