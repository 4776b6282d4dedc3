#pragma once

#include <filesystem>
#include <string>

namespace tarvex::test {

// Whole file as bytes; empty when the file cannot be read.
std::string readFileText(const std::filesystem::path& path);
void writeFileText(const std::filesystem::path& path, const std::string& text);

// Paths of the reference data: the public IEEE cases and the hand-written golden files.
std::filesystem::path casePath(const std::string& name);
std::filesystem::path testDataPath(const std::string& name);

} // namespace tarvex::test
