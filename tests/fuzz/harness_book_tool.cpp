// Fuzzes the book tool's verify, stats and show on hostile books: each must end with an exit
// status and a report, never crash or hang, and never accept a book the game would refuse.
#include "harnesses.h"

#include "book_commands.h"
#include "core/book_format.h"

#include <QTemporaryDir>

#include <fstream>
#include <sstream>

namespace fuzzing {

const char *bookTool(Input data)
{
    // Larger inputs only repeat what small ones reach, at a much higher cost per run.
    if (data.size() > 16 * 1024)
        return nullptr;
    static QTemporaryDir dir;
    const std::string path = dir.filePath(QStringLiteral("book.qztw")).toStdString();
    {
        std::ofstream file(path, std::ios::binary | std::ios::trunc);
        file.write(reinterpret_cast<const char *>(data.data()), std::streamsize(data.size()));
    }
    std::ostringstream out, err;
    const int verified = booktool::verifyCommand(path, true, out, err);
    const int stats = booktool::statsCommand(path, out, err);
    const int shown = booktool::showCommand(path, "1", out, err);
    for (const int status : {verified, stats, shown})
        if (status < 0 || status > 2)
            return "an exit status outside 0..2";
    const bool valid = kakuro::validateBook(data).ok;
    if (!valid && (verified == 0 || stats == 0 || shown == 0))
        return "a book the game refuses passed a command";
    if (verified != 0 && err.str().empty() && out.str().empty())
        return "verify failed without saying why";
    return nullptr;
}

} // namespace fuzzing
