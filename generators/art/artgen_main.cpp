// snatchkin-artgen OUTDIR: paints every picture of the game except the maze
// and writes it under OUTDIR/gfx/.
#include <cstdio>
#include <exception>

#include "generators/art/artgen.h"

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: snatchkin-artgen OUTDIR\n");
        return 2;
    }
    try {
        if (!art::WriteArtSet(argv[1])) {
            std::fprintf(stderr, "snatchkin-artgen: could not write every picture to %s\n", argv[1]);
            return 1;
        }
    } catch (const std::exception& e) {
        std::fprintf(stderr, "snatchkin-artgen: %s\n", e.what());
        return 1;
    }
    return 0;
}
