// File access for the book tool.
#include "book_file_io.h"

#include "puzzle/book_format.h"

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <system_error>

namespace booktool {

bool readFile(const std::string &path, std::vector<std::uint8_t> &bytes, std::string &error)
{
    std::error_code ec;
    if (std::filesystem::is_directory(path, ec)) {
        error = path + " is a folder, not a book";
        return false;
    }
    const std::uintmax_t size = std::filesystem::file_size(path, ec);
    if (ec) {
        error = "cannot read " + path + ": " + ec.message();
        return false;
    }
    if (size > std::uintmax_t(puzzle::kMaxBookBytes)) {
        error = path + " is " + std::to_string(size) + " bytes, too large for a puzzle book";
        return false;
    }
    std::ifstream in(path, std::ios::binary);
    bytes.assign(std::size_t(size), 0);
    if (!in || !in.read(reinterpret_cast<char *>(bytes.data()), std::streamsize(size))) {
        error = "cannot read " + path;
        return false;
    }
    return true;
}

bool writeFile(const std::string &path, const std::vector<std::uint8_t> &bytes, std::string &error)
{
    const std::string temporary = path + ".part";
    {
        std::ofstream out(temporary, std::ios::binary | std::ios::trunc);
        if (!out || !out.write(reinterpret_cast<const char *>(bytes.data()), std::streamsize(bytes.size())) ||
            !out.flush()) {
            error = "cannot write " + temporary;
            std::remove(temporary.c_str());
            return false;
        }
    }
    std::error_code ec;
    std::filesystem::rename(temporary, path, ec);
    if (ec) {
        error = "cannot replace " + path + ": " + ec.message();
        std::remove(temporary.c_str());
        return false;
    }
    return true;
}

} // namespace booktool
