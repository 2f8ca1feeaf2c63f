// korvel-book: generates, verifies, summarises and prints puzzle books.
#include "book_commands.h"

#include <csignal>
#include <iostream>
#include <string>
#include <vector>

int main(int argc, char **argv)
{
#ifdef SIGXFSZ
    std::signal(SIGXFSZ, SIG_IGN); // a write past the file-size limit fails with a message instead
#endif
    return booktool::runCommandLine({argv + 1, argv + argc}, std::cout, std::cerr);
}
