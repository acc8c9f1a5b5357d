// Feeds arbitrary bytes to the map file reader. A map it accepts must write
// out and read back to the same bytes.
#include <cstdint>
#include <cstdlib>
#include <string>

#include "world/GameData.h"
#include "world/MapFileFormat.h"

namespace {

// Tiles 0 to 9 and objects 1 to 9, so that both the known-id and the
// unknown-id paths are reached.
const GameData& store()
{
    static GameData* data = [] {
        GameData* d = new GameData();
        for (int id = 0; id < 10; ++id) {
            TileDef* tile = new TileDef();
            tile->id = id;
            d->fileTileDef(tile);
            if (id > 0) {
                ObjectDef* object = new ObjectDef();
                object->id = id;
                d->fileObjectDef(object);
            }
        }
        return d;
    }();
    return *data;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const std::string bytes(reinterpret_cast<const char*>(data), size);
    MapFileData map;
    std::string error;
    const bool checked = size > 0 && (data[0] & 1);
    if (!MapFileFormat::parse(bytes, "fuzz.map", map, error, checked ? &store() : nullptr))
        return 0;
    std::string written, again;
    MapFileData reread;
    if (!MapFileFormat::encode(map, written, error) || !MapFileFormat::parse(written, "fuzz.map", reread, error) ||
        !MapFileFormat::encode(reread, again, error) || again != written)
        std::abort();
    return 0;
}
