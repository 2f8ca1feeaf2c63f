// The command line: the command word first, then its options and arguments in any order.
#include "book_commands.h"

#include "book_file_io.h"

#include <map>
#include <ostream>

namespace booktool {
namespace {

struct CommandShape {
    const char *name;
    std::vector<std::string> valueOptions; // each takes the next word as its value
    std::vector<std::string> flags;
    std::size_t arguments; // words that are not options
    const char *help;
};

const std::vector<CommandShape> &commands()
{
    static const std::vector<CommandShape> shapes = {
        {"generate",
         {"--out", "--count", "--sizes", "--size", "--mix", "--seed", "--blocks", "--after"},
         {},
         0,
         "korvel-book generate --out FILE [--count N] [--sizes WxH-WxH | --size WxH]\n"
         "    [--mix EASY:MEDIUM:HARD:EXPERT:MASTER] [--seed S] [--blocks PERCENT] [--after EARLIER_BOOK]\n"
         "  makes a book; with --after, the puzzles of EARLIER_BOOK come first, unchanged\n"},
        {"verify",
         {},
         {"--logic"},
         1,
         "korvel-book verify BOOK [--logic]\n"
         "  checks every record and that each puzzle has exactly one solution;\n"
         "  with --logic also that the ladder of logic finds it without a guess\n"},
        {"stats",
         {},
         {},
         1,
         "korvel-book stats BOOK\n"
         "  sizes, entry cells, difficulties, and per size band the hardest step of each puzzle\n"},
        {"show", {}, {}, 2, "korvel-book show BOOK N\n  puzzle N with its clue sums and its solution\n"},
        {"new",
         {"--size", "--difficulty", "--seed"},
         {},
         0,
         "korvel-book new --size WxH --difficulty easy|medium|hard|expert|master [--seed S]\n"
         "  makes one puzzle (sides 6 to 30) and prints its code as the last line\n"},
        {"from-code",
         {"--out"},
         {},
         1,
         "korvel-book from-code CODE --out FILE\n  writes the puzzle of a code as a one-puzzle book\n"},
    };
    return shapes;
}

bool isNamed(const CommandShape *shape, const char *name)
{
    return std::string(shape->name) == name;
}

bool isOption(const std::string &word)
{
    return word.size() > 1 && word[0] == '-';
}

bool listed(const std::vector<std::string> &list, const std::string &word)
{
    for (const std::string &w : list)
        if (w == word)
            return true;
    return false;
}

} // namespace

std::string usage()
{
    std::string text = "usage:\n";
    for (const CommandShape &c : commands())
        text += "  " + std::string(c.help);
    text += "  korvel-book COMMAND --help shows one command\n";
    return text;
}

int runCommandLine(const std::vector<std::string> &args, std::ostream &out, std::ostream &err)
{
    const std::string word = args.empty() ? "" : args[0];
    if (word == "help" || word == "--help" || word == "-h") {
        out << usage();
        return 0;
    }
    const CommandShape *shape = nullptr;
    for (const CommandShape &c : commands())
        if (word == c.name)
            shape = &c;
    if (!shape) {
        if (!word.empty())
            err << "korvel-book: unknown command \"" << shownPath(word) << "\"\n";
        err << usage();
        return 2;
    }
    for (std::size_t k = 1; k < args.size(); ++k) {
        if (args[k] == "--help" || args[k] == "-h") {
            out << "usage: " << shape->help;
            return 0;
        }
    }
    std::map<std::string, std::string> options;
    std::vector<std::string> arguments;
    for (std::size_t k = 1; k < args.size(); ++k) {
        const std::string &a = args[k];
        if (!isOption(a)) {
            arguments.push_back(a);
        } else if (listed(shape->flags, a)) {
            options[a] = "";
        } else if (!listed(shape->valueOptions, a)) {
            err << "korvel-book: " << shape->name << " has no option " << shownPath(a) << "; see korvel-book "
                << shape->name << " --help\n";
            return 2;
        } else if (k + 1 >= args.size()) {
            err << "korvel-book: " << a << " needs a value\n";
            return 2;
        } else {
            options[a] = args[++k];
        }
    }
    if (arguments.size() != shape->arguments) {
        err << "korvel-book: " << shape->name << " takes "
            << (shape->arguments == 0         ? "no arguments but options"
                : isNamed(shape, "from-code") ? "one CODE"
                : shape->arguments == 1       ? "one BOOK"
                                              : "a BOOK and a puzzle number")
            << "; see korvel-book " << shape->name << " --help\n";
        return 2;
    }
    const std::string name = shape->name;
    if (name == "generate")
        return generateCommand(options, out, err);
    if (name == "new")
        return newCommand(options, out, err);
    if (name == "from-code")
        return fromCodeCommand(arguments[0], options.count("--out") ? options.at("--out") : "", out, err);
    if (name == "verify")
        return verifyCommand(arguments[0], options.count("--logic") > 0, out, err);
    if (name == "stats")
        return statsCommand(arguments[0], out, err);
    return showCommand(arguments[0], arguments[1], out, err);
}

} // namespace booktool
