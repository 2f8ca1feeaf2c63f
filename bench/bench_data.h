// Loading the books the benchmarks run on.
#pragma once

#include "core/book_format.h"

#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

namespace benchdata {

// The records of a book file; ends the program with a message when the file is missing or faulty.
inline std::vector<kakuro::BookPuzzle> loadRecords(const std::string &path)
{
    std::ifstream in(path, std::ios::binary);
    const std::vector<std::uint8_t> bytes((std::istreambuf_iterator<char>(in)),
                                          std::istreambuf_iterator<char>());
    const kakuro::BookCheck check = kakuro::validateBook(bytes);
    if (!check.ok) {
        std::fprintf(stderr, "%s: %s\n", path.c_str(), check.error.c_str());
        std::exit(1);
    }
    std::vector<kakuro::BookPuzzle> records;
    for (int k = 1; k <= int(check.offsets.size()); ++k)
        records.push_back(kakuro::readRecord(bytes, check.offsets, k));
    return records;
}

inline std::vector<std::uint8_t> loadBytes(const std::string &path)
{
    std::ifstream in(path, std::ios::binary);
    return {(std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>()};
}

} // namespace benchdata
