// Reading and writing book files for the book tool, with a cap on what it will read.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace booktool {

// Larger files are refused unread: no book of at most 32767 puzzles of at most 100x100 cells needs
// more (with room to spare for records that share nothing).
inline constexpr std::uintmax_t kMaxBookBytes = 400u * 1024u * 1024u;

// Reads the whole file; on failure returns false and says why in `error`.
bool readFile(const std::string &path, std::vector<std::uint8_t> &bytes, std::string &error);

// Writes the file through a temporary beside it, so a failed write leaves no half book behind.
bool writeFile(const std::string &path, const std::vector<std::uint8_t> &bytes, std::string &error);

} // namespace booktool
