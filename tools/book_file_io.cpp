// File access for the book tool.
#include "book_file_io.h"

#include "core/book_format.h"

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <system_error>

namespace booktool {

std::string shownPath(const std::string &path)
{
    static const char digits[] = "0123456789abcdef";
    std::string shown;
    for (const char c : path) {
        const auto byte = static_cast<unsigned char>(c);
        if (byte == '\\')
            shown += "\\\\";
        else if (byte < 0x20 || byte == 0x7f)
            shown += std::string("\\x") + digits[byte >> 4] + digits[byte & 15];
        else
            shown += c;
    }
    return shown;
}

bool readFile(const std::string &path, std::vector<std::uint8_t> &bytes, std::string &error)
{
    std::error_code ec;
    if (std::filesystem::is_directory(path, ec)) {
        error = shownPath(path) + " is a folder, not a book";
        return false;
    }
    const std::uintmax_t size = std::filesystem::file_size(path, ec);
    if (ec) {
        error = "cannot read " + shownPath(path) + ": " + ec.message();
        return false;
    }
    if (size > std::uintmax_t(kakuro::kMaxBookBytes)) {
        error = shownPath(path) + " is " + std::to_string(size) + " bytes, too large for a puzzle book";
        return false;
    }
    std::ifstream in(path, std::ios::binary);
    bytes.assign(std::size_t(size), 0);
    if (!in || !in.read(reinterpret_cast<char *>(bytes.data()), std::streamsize(size))) {
        error = "cannot read " + shownPath(path);
        return false;
    }
    return true;
}

bool writeFile(const std::string &path, const std::vector<std::uint8_t> &bytes, std::string &error)
{
    const std::string temporary = path + ".part";
    const auto fail = [&](int code) {
        error = "cannot write " + shownPath(temporary) + ": " + std::strerror(code);
        std::remove(temporary.c_str());
        return false;
    };
    std::FILE *out = std::fopen(temporary.c_str(), "wb");
    if (!out) {
        error = "cannot write " + shownPath(temporary) + ": " + std::strerror(errno);
        return false;
    }
    // Each step is checked: a full disk or a file-size limit may refuse the last buffered bytes
    // only when they are flushed or the file is closed.
    bool written = std::fwrite(bytes.data(), 1, bytes.size(), out) == bytes.size() && std::fflush(out) == 0;
    int code = written ? 0 : errno;
    if (std::fclose(out) != 0) {
        if (written)
            code = errno;
        written = false;
    }
    if (!written)
        return fail(code != 0 ? code : EIO);
    std::error_code ec;
    std::filesystem::rename(temporary, path, ec);
    if (ec) {
        error = "cannot replace " + shownPath(path) + ": " + ec.message();
        std::remove(temporary.c_str());
        return false;
    }
    return true;
}

} // namespace booktool
