// Writes the property lists for the build: pipl_tool WINDOWS_BIN MAC_PLIST.
#include <cstdio>
#include <fstream>

#include "resources/pipl.h"

int main(int argc, char** argv) {
    if (argc != 3) {
        std::fprintf(stderr, "usage: pipl_tool WINDOWS_PIPL_BIN MAC_PLIST\n");
        return 2;
    }
    const auto bytes = windowsPiplBytes(kEffectIdentity);
    std::ofstream windows(argv[1], std::ios::binary);
    windows.write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
    std::ofstream mac(argv[2]);
    mac << macPiplPlist(kEffectIdentity);
    if (!windows || !mac) {
        std::fprintf(stderr, "pipl_tool: cannot write the property lists\n");
        return 1;
    }
    return 0;
}
