// korvel-book: generates, verifies, summarises and prints puzzle books.
#include "book_commands.h"

#include <iostream>
#include <string>
#include <vector>

int main(int argc, char **argv)
{
    const std::vector<std::string> args(argv + 1, argv + argc);
    const std::string command = args.empty() ? "" : args[0];
    if (command == "generate")
        return booktool::generateCommand({args.begin() + 1, args.end()}, std::cout, std::cerr);
    if (command == "verify" && (args.size() == 2 || (args.size() == 3 && args[2] == "--logic")))
        return booktool::verifyCommand(args[1], args.size() == 3, std::cout, std::cerr);
    if (command == "stats" && args.size() == 2)
        return booktool::statsCommand(args[1], std::cout, std::cerr);
    if (command == "show" && args.size() == 3)
        return booktool::showCommand(args[1], args[2], std::cout, std::cerr);
    if (command == "help" || command == "--help" || command == "-h") {
        std::cout << booktool::usage();
        return 0;
    }
    std::cerr << booktool::usage();
    return 2;
}
