// sevir-modwriter DESCRIPTION OUTPUT: writes the module described in the text
// file DESCRIPTION ("-" reads standard input) to OUTPUT.
#include <cstdio>
#include <fstream>
#include <iostream>
#include <iterator>
#include <sstream>
#include <string>

#include "modwriter/modwriter.h"

int main(int argc, char** argv)
{
    if (argc != 3) {
        std::fprintf(stderr, "usage: sevir-modwriter DESCRIPTION OUTPUT\n");
        return 2;
    }
    std::string text;
    if (std::string(argv[1]) == "-") {
        text.assign(std::istreambuf_iterator<char>(std::cin), std::istreambuf_iterator<char>());
    } else {
        std::ifstream in(argv[1], std::ios::binary);
        if (!in) {
            std::fprintf(stderr, "sevir-modwriter: cannot read %s\n", argv[1]);
            return 1;
        }
        text.assign(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
    }
    modwriter::Description description;
    std::string error;
    if (!modwriter::ParseDescription(text, &description, &error)) {
        std::fprintf(stderr, "sevir-modwriter: %s: %s\n", argv[1], error.c_str());
        return 1;
    }
    if (!modwriter::WriteFileAtomic(argv[2], modwriter::BuildModule(description), &error)) {
        std::fprintf(stderr, "sevir-modwriter: %s\n", error.c_str());
        return 1;
    }
    return 0;
}
