// Reading and writing book files for the book tool, with a cap on what it will read.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace booktool {

// Reads the whole file, refusing one larger than any valid book; on failure returns false and says why in
// `error`.
bool readFile(const std::string &path, std::vector<std::uint8_t> &bytes, std::string &error);

// Writes the file through a temporary beside it (`path` and ".part"), checking every byte written,
// so a failed write leaves no half book behind and the old file as it was.
bool writeFile(const std::string &path, const std::vector<std::uint8_t> &bytes, std::string &error);

// `path` as the tool echoes it: control characters and backslashes written as escapes ("\x1b",
// "\\"), so that a file name cannot move the terminal's cursor or forge a line of the report.
std::string shownPath(const std::string &path);

} // namespace booktool
