#pragma once

#include <cstdint>
#include <string>
#include <vector>

class GameData;

// One cell record of a map file; the names are those of MapTile. Fields an
// older version lacks keep these defaults.
struct MapCellRecord {
    int32_t floorId = 0;
    int32_t overlayId = -1;  // -1: no overlay
    int32_t rotation = 0;
    int32_t overlayRotation = 0;
    int32_t level = 0;
    int32_t buildingId = -1;
    int32_t textureIndex = 0;  // version 5 on
    int32_t zone = -1;         // version 7 on
    int32_t sideTexture = 0;   // version 7 on
    bool npcAvoid = false;     // version 8 on
    bool blocked = false;      // version 9
};

// One placed object of a map file.
struct MapObjectRecord {
    int32_t defId = -1;
    float x = 0.0f;
    float y = 0.0f;
    float heading = 0.0f;
    int32_t mapTag = 0;
    int32_t heightLevel = 0;
    int32_t buildingId = -1;
    int32_t fileIndex = 0;  // version 6 on
};

// One marker of a map file.
struct MapMarkerRecord {
    float x = 0.0f;
    float y = 0.0f;
    int32_t kind = 0;
    int32_t identifier = -1;
    int32_t spawnChance = 100;  // version 4 on
    int32_t zone = -1;          // version 4 on
};

// The whole content of a map file as plain, checked values.
struct MapFileData {
    int32_t version = 9;
    std::string name = "Kessa City";
    int32_t width = 0;
    int32_t height = 0;
    int32_t citizenCount = 50;
    int32_t trainLocation = -1;
    // Rows y = 0 first, in each row x = 0 first: cell (x, y) is cells[y * width + x].
    std::vector<MapCellRecord> cells;
    std::vector<MapObjectRecord> objects;
    std::vector<MapMarkerRecord> markers;
    // What the read mended or left out, each naming the file and the cell or
    // record ("levels/x.map: cell (3, 4): unknown floor tile id 42, tile 0 used").
    std::vector<std::string> notes;

    // A map of the given size whose cells all have the record defaults.
    static MapFileData empty(int width, int height);
    MapCellRecord& cell(int x, int y) { return cells[static_cast<size_t>(y) * width + x]; }
    const MapCellRecord& cell(int x, int y) const { return cells[static_cast<size_t>(y) * width + x]; }
};

// The byte layout of the map files: reads versions 3 to 9 and writes version
// 9. Every count, size and kind is checked before it is used. A bad record is
// mended or left out and noted, so one damaged cell never costs the zone; only
// damage that leaves nothing to trust (unknown version, impossible size, counts
// past the end of the file, a short read) refuses the file as a whole.
class MapFileFormat {
public:
    static constexpr int32_t kOldestVersion = 3;
    static constexpr int32_t kCurrentVersion = 9;
    static constexpr int32_t kMaxSize = 200;
    // Size of the empty level a zone gets when it has no usable map file.
    static constexpr int32_t kDefaultSize = 140;
    static constexpr int kNameLength = 64;

    // Reads the file into data; on failure data is left as it was and error
    // says what is wrong. With a GameData, tile ids it does not know are
    // mended and objects it does not know left out (data.notes says which).
    static bool read(const std::string& path, MapFileData& data, std::string& error,
                     const GameData* gameData = nullptr);
    // The same for bytes already in memory; fileName only names them in messages.
    static bool parse(const std::string& bytes, const std::string& fileName, MapFileData& data,
                      std::string& error, const GameData* gameData = nullptr);

    // Writes data as a version-9 file through SafeFileWriter, so a failed
    // write or a crash never leaves half a map; error says why it failed.
    static bool write(const std::string& path, const MapFileData& data, std::string& error);
    // The bytes of data as a version-9 file; error set (and nothing returned)
    // when the data cannot be written (bad size, cell count not width x height).
    static bool encode(const MapFileData& data, std::string& bytes, std::string& error);

    // Byte sizes of the parts of a version.
    static int headerSize(int32_t version);
    static int cellRecordSize(int32_t version);
    static int objectRecordSize(int32_t version);
    static constexpr int kMarkerRecordSize = 32;
};
