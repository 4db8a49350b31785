// sevir-modwriter DESCRIPTION OUTPUT: writes the module described in the text
// file DESCRIPTION ("-" reads standard input) to OUTPUT.
// sevir-modwriter import ...: imports a Bible from SWORD IMP or OSIS sources.
#include <cstdio>
#include <fstream>
#include <iostream>
#include <iterator>
#include <sstream>
#include <string>
#include <vector>

#include "modwriter/modwriter.h"
#ifdef SEVIR_WITH_IMPORTER
#include "importer/import.h"
#endif

int main(int argc, char** argv)
{
#ifdef SEVIR_WITH_IMPORTER
    if (argc >= 2 && std::string(argv[1]) == "import")
        return importer::ImportMain(std::vector<std::string>(argv + 2, argv + argc));
#endif
    if (argc != 3) {
        std::fprintf(stderr, "usage: sevir-modwriter DESCRIPTION OUTPUT\n"
                             "       sevir-modwriter import --help\n");
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
    const std::string bytes = modwriter::BuildModule(description, &error);
    if (bytes.empty()) {
        std::fprintf(stderr, "sevir-modwriter: %s: %s\n", argv[1], error.c_str());
        return 1;
    }
    if (!modwriter::WriteFileAtomic(argv[2], bytes, &error)) {
        std::fprintf(stderr, "sevir-modwriter: %s\n", error.c_str());
        return 1;
    }
    return 0;
}
