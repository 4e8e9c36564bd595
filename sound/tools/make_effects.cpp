// Writes the game's ten sound effect files into the folder given as the argument.
#include "effects.h"
#include "game/sound/effect_files.h"

#include <cstdio>
#include <string>

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: %s FOLDER\n", argv[0]);
        return 2;
    }
    std::string folder = argv[1];
    if (!folder.empty() && folder.back() != '/') folder += '/';
    const auto& names = dravik::sound::kEffectFiles;
    for (int n = 0; n < static_cast<int>(names.size()); ++n) {
        std::string path = folder + std::string(names[static_cast<size_t>(n)]);
        if (!wavory::effects::WriteWave(path, wavory::effects::Synthesise(n))) {
            std::fprintf(stderr, "cannot write %s\n", path.c_str());
            return 1;
        }
    }
    return 0;
}
