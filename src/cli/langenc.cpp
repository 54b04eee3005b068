// Build tool: encodes a plain-text language source into a language file.
#include <cstdio>
#include <string>

#include "base/language.h"

int main(int argc, char** argv) {
    if (argc != 3) {
        std::fprintf(stderr, "usage: qz_langenc SOURCE.lsl TARGET.qz\n");
        return 2;
    }
    std::string error;
    if (!qz::WriteLanguageFile(argv[1], argv[2], &error)) {
        std::fprintf(stderr, "qz_langenc: %s\n", error.c_str());
        return 1;
    }
    return 0;
}
