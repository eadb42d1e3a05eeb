// Morvane examples.
// Writes the shirt example into the folder named on the command line.
#include "ShirtExample.h"

#include <exception>
#include <iostream>

int main(int argc, char **argv)
{
    if (argc != 2) {
        std::cerr << "usage: make_shirt_example <folder>\n";
        return 2;
    }
    try {
        example::writeShirtExample(argv[1]);
    } catch (const std::exception &error) {
        std::cerr << "make_shirt_example: " << error.what() << '\n';
        return 1;
    }
    return 0;
}
