// SPDX-License-Identifier: GPL-3.0-or-later
// Builds the demo base directory from the assembled demo programs.
#include <cstdio>

#include "generator/DemoGenerator.h"

int main(int argc, char* argv[]) {
    if (argc != 4) {
        std::fprintf(stderr, "usage: %s PROGRAMS_FOLDER OPENMSX_FOLDER OUTPUT_FOLDER\n", argv[0]);
        return 2;
    }
    std::optional<corvane::demo::DemoPrograms> programs =
        corvane::demo::DemoPrograms::load(argv[1]);
    if (!programs) {
        std::fprintf(stderr, "cannot read the demo programs in %s\n", argv[1]);
        return 1;
    }
    corvane::demo::DemoGenerator generator(std::move(*programs), argv[2]);
    if (!generator.generate(argv[3])) {
        std::fprintf(stderr, "demo: %s\n", generator.error().c_str());
        return 1;
    }
    return 0;
}
