// korvel-book: generates, verifies, summarises and prints puzzle books.
#include "book_commands.h"

#include <iostream>
#include <string>
#include <vector>

int main(int argc, char **argv)
{
    return booktool::runCommandLine({argv + 1, argv + argc}, std::cout, std::cerr);
}
