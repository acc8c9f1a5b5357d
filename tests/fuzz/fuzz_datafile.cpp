// Feeds arbitrary text to the text data file readers: the first byte picks
// the reader (objects, tiles, weapons, animations, zone settings).
#include <cstdint>
#include <cstdlib>
#include <string>

#include "world/DataFileReader.h"
#include "world/LevelSettings.h"
#include "world/ObjectDef.h"
#include "world/TileDef.h"
#include "world/WeaponDef.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    if (size == 0)
        return 0;
    const std::string text(reinterpret_cast<const char*>(data) + 1, size - 1);
    DataFileReader reader("fuzz.txt");
    switch (data[0] % 5) {
    case 0:
        for (const auto& def : reader.readObjects(text)) {
            if (def->fileCount > ObjectDef::kMaxFiles || def->fileCount != static_cast<int>(def->files.size()))
                std::abort();
        }
        break;
    case 1:
        for (const auto& def : reader.readTiles(text)) {
            if (def->fileCount > TileDef::kMaxFiles || def->file(0).empty())
                std::abort();
        }
        break;
    case 2:
        reader.readWeapons(text);
        break;
    case 3:
        reader.readAnimations(text);
        break;
    default:
        parseLevelSettings(text, "fuzz.txt");
        break;
    }
    return 0;
}
