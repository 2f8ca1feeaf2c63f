// Reading and writing book files for the book tool, with a cap on what it will read.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace booktool {

// Reads the whole file, refusing one larger than any valid book; on failure returns false and says why in `error`.
bool readFile(const std::string &path, std::vector<std::uint8_t> &bytes, std::string &error);

// Writes the file through a temporary beside it, so a failed write leaves no half book behind.
bool writeFile(const std::string &path, const std::vector<std::uint8_t> &bytes, std::string &error);

} // namespace booktool
