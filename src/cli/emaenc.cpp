// Encodes the shipped robot address list (data/robot-addresses.txt) into the installed
// file Encoded/ema.qz at build time.
#include <cstdio>
#include <string>

#include "base/fileio.h"
#include "mail/robotaddresses.h"

int main(int argc, char** argv) {
    if (argc != 3) {
        std::fprintf(stderr, "usage: qz_emaenc SOURCE.txt TARGET\n");
        return 2;
    }
    std::string text, error;
    qz::TEMailAddressTable table{};
    if (!qz::ReadWholeFile(argv[1], text, &error) || !qz::ParseRobotAddressSource(text, table, &error) ||
        !qz::WriteFileAtomically(argv[2], qz::EncodeRobotAddresses(table), &error, {.createFolders = true})) {
        std::fprintf(stderr, "qz_emaenc: %s: %s\n", argv[1], error.c_str());
        return 1;
    }
    return 0;
}
