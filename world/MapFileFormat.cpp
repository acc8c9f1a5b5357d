#include "world/MapFileFormat.h"

#include <cmath>
#include <cstring>
#include <fstream>
#include <sstream>

#include "platform/SafeFileWriter.h"
#include "world/GameData.h"
#include "world/MapMarker.h"

namespace {

constexpr float kCellPixels = 32.0f;
constexpr int kHeaderV3 = 76;
constexpr int kHeaderV4 = 80;
constexpr int kHeaderV5 = 86;

// Reads little-endian values from the bytes of a file, never past their end.
class ByteReader {
public:
    explicit ByteReader(const std::string& bytes) : bytes_(bytes) {}

    size_t remaining() const { return bytes_.size() - pos_; }

    int32_t i32()
    {
        uint32_t value = 0;
        for (int i = 0; i < 4; ++i)
            value |= static_cast<uint32_t>(static_cast<unsigned char>(bytes_[pos_ + i])) << (8 * i);
        pos_ += 4;
        int32_t result;
        std::memcpy(&result, &value, sizeof result);
        return result;
    }

    float f32()
    {
        const int32_t bits = i32();
        float result;
        std::memcpy(&result, &bits, sizeof result);
        return result;
    }

    uint8_t u8() { return static_cast<uint8_t>(bytes_[pos_++]); }

    std::string text(size_t length)
    {
        std::string value = bytes_.substr(pos_, length);
        pos_ += length;
        const size_t end = value.find('\0');
        return end == std::string::npos ? value : value.substr(0, end);
    }

private:
    const std::string& bytes_;
    size_t pos_ = 0;
};

class ByteWriter {
public:
    void i32(int32_t value)
    {
        uint32_t bits;
        std::memcpy(&bits, &value, sizeof bits);
        for (int i = 0; i < 4; ++i)
            bytes_ += static_cast<char>((bits >> (8 * i)) & 0xFF);
    }
    void f32(float value)
    {
        int32_t bits;
        std::memcpy(&bits, &value, sizeof bits);
        i32(bits);
    }
    void u8(uint8_t value) { bytes_ += static_cast<char>(value); }
    void text(const std::string& value, size_t length)
    {
        std::string field = value.substr(0, length - 1);
        field.resize(length, '\0');
        bytes_ += field;
    }
    std::string& bytes() { return bytes_; }

private:
    std::string bytes_;
};

// Why a read stops: the message that names the file and the fault.
struct MapFault {
    std::string message;
};

// The records a read mended or skipped. The first few are told one by one;
// a map damaged all over is summed up rather than listed cell by cell.
class MapNotes {
public:
    MapNotes(const std::string& fileName, std::vector<std::string>& notes) : fileName_(fileName), notes_(notes) {}
    ~MapNotes()
    {
        if (untold_ > 0)
            notes_.push_back(fileName_ + ": " + std::to_string(untold_) + " more records mended or skipped");
    }
    void add(const std::string& note)
    {
        if (notes_.size() < kTold)
            notes_.push_back(fileName_ + ": " + note);
        else
            ++untold_;
    }

private:
    static constexpr size_t kTold = 20;
    const std::string& fileName_;
    std::vector<std::string>& notes_;
    size_t untold_ = 0;
};

std::string cellName(int x, int y)
{
    return "cell (" + std::to_string(x) + ", " + std::to_string(y) + ")";
}

bool insideMap(float x, float y, int width, int height)
{
    return std::isfinite(x) && std::isfinite(y) && x >= 0.0f && y >= 0.0f && x < width * kCellPixels &&
           y < height * kCellPixels;
}

void need(const ByteReader& in, uint64_t bytes, const std::string& what)
{
    if (bytes > in.remaining())
        throw MapFault{what + " run past the end of the file: " + std::to_string(bytes) + " bytes needed, " +
                       std::to_string(in.remaining()) + " left"};
}

int32_t readCount(ByteReader& in, const std::string& what)
{
    need(in, 4, "the " + what + " count");
    const int32_t count = in.i32();
    if (count < 0)
        throw MapFault{"negative " + what + " count " + std::to_string(count)};
    return count;
}

void readHeader(ByteReader& in, MapFileData& data)
{
    need(in, 4, "the version number");
    data.version = in.i32();
    if (data.version < MapFileFormat::kOldestVersion || data.version > MapFileFormat::kCurrentVersion)
        throw MapFault{"unknown map version " + std::to_string(data.version) + " (versions 3 to 9 are read)"};
    need(in, MapFileFormat::headerSize(data.version) - 4, "the header");
    data.name = in.text(MapFileFormat::kNameLength);
    data.width = in.i32();
    data.height = in.i32();
    if (data.version >= 4)
        data.citizenCount = in.i32();
    if (data.version >= 5) {
        in.u8();
        in.u8();
        data.trainLocation = in.i32();
    }
    if (data.width < 1 || data.height < 1 || data.width > MapFileFormat::kMaxSize ||
        data.height > MapFileFormat::kMaxSize)
        throw MapFault{"map size " + std::to_string(data.width) + " x " + std::to_string(data.height) +
                       " is outside 1 to " + std::to_string(MapFileFormat::kMaxSize) + " cells"};
}

bool knownTile(const GameData* gameData, int32_t id)
{
    return !gameData || gameData->getTileDef(id);
}

// An unknown floor becomes the ground tile, an unknown overlay none, a side
// texture out of range the first one: the cell stays usable.
void mendCell(MapCellRecord& cell, int x, int y, const GameData* gameData, MapNotes& notes)
{
    if (!knownTile(gameData, cell.floorId)) {
        notes.add(cellName(x, y) + ": unknown floor tile id " + std::to_string(cell.floorId) + ", tile 0 used");
        cell.floorId = 0;
    }
    if (cell.overlayId != -1 && !knownTile(gameData, cell.overlayId)) {
        notes.add(cellName(x, y) + ": unknown overlay tile id " + std::to_string(cell.overlayId) + ", no overlay");
        cell.overlayId = -1;
    }
    if (cell.sideTexture < 0 || cell.sideTexture > 2) {
        notes.add(cellName(x, y) + ": side texture " + std::to_string(cell.sideTexture) +
                  " is not 0, 1 or 2, 0 used");
        cell.sideTexture = 0;
    }
}

MapCellRecord readCell(ByteReader& in, int32_t version)
{
    MapCellRecord cell;
    cell.floorId = in.i32();
    cell.overlayId = in.i32();
    cell.rotation = in.i32();
    cell.overlayRotation = in.i32();
    cell.level = in.i32();
    cell.buildingId = in.i32();
    if (version >= 5)
        cell.textureIndex = in.i32();
    if (version >= 7) {
        cell.zone = in.i32();
        cell.sideTexture = in.i32();
    }
    if (version >= 8)
        cell.npcAvoid = in.u8() != 0;
    if (version >= 9)
        cell.blocked = in.u8() != 0;
    return cell;
}

void readCells(ByteReader& in, MapFileData& data, const GameData* gameData, MapNotes& notes)
{
    const int size = MapFileFormat::cellRecordSize(data.version);
    need(in, static_cast<uint64_t>(data.width) * data.height * size,
         std::to_string(data.width) + " x " + std::to_string(data.height) + " cells");
    data.cells.clear();
    data.cells.reserve(static_cast<size_t>(data.width) * data.height);
    for (int y = 0; y < data.height; ++y) {
        for (int x = 0; x < data.width; ++x) {
            MapCellRecord cell = readCell(in, data.version);
            mendCell(cell, x, y, gameData, notes);
            data.cells.push_back(cell);
        }
    }
}

void readObjects(ByteReader& in, MapFileData& data, const GameData* gameData, MapNotes& notes)
{
    const int32_t count = readCount(in, "object");
    const int size = MapFileFormat::objectRecordSize(data.version);
    need(in, static_cast<uint64_t>(count) * size, std::to_string(count) + " objects");
    data.objects.clear();
    data.objects.reserve(count);
    for (int32_t i = 0; i < count; ++i) {
        MapObjectRecord object;
        object.defId = in.i32();
        object.x = in.f32();
        object.y = in.f32();
        object.heading = in.f32();
        object.mapTag = in.i32();
        object.heightLevel = in.i32();
        object.buildingId = in.i32();
        if (data.version >= 6)
            object.fileIndex = in.i32();
        const std::string name = "object " + std::to_string(i + 1) + " of " + std::to_string(count);
        if (gameData && !gameData->getObjectDef(object.defId))
            notes.add(name + ": unknown object id " + std::to_string(object.defId) + ", left out");
        else if (!insideMap(object.x, object.y, data.width, data.height) || !std::isfinite(object.heading))
            notes.add(name + " (id " + std::to_string(object.defId) + "): position or heading is off the map, left out");
        else
            data.objects.push_back(object);
    }
}

void readMarkers(ByteReader& in, MapFileData& data, MapNotes& notes)
{
    const int32_t count = readCount(in, "marker");
    need(in, static_cast<uint64_t>(count) * MapFileFormat::kMarkerRecordSize, std::to_string(count) + " markers");
    data.markers.clear();
    data.markers.reserve(count);
    for (int32_t i = 0; i < count; ++i) {
        MapMarkerRecord marker;
        marker.x = in.f32();
        marker.y = in.f32();
        marker.kind = in.i32();
        in.i32();
        marker.identifier = in.i32();
        const int32_t spawnChance = in.i32();
        const int32_t zone = in.i32();
        in.i32();
        if (data.version >= 4) {
            marker.spawnChance = spawnChance;
            marker.zone = zone;
        }
        const std::string name = "marker " + std::to_string(i + 1) + " of " + std::to_string(count);
        if (!MapMarker::isValidKind(marker.kind))
            notes.add(name + ": kind " + std::to_string(marker.kind) + " is not 0 to 5, left out");
        else if (!insideMap(marker.x, marker.y, data.width, data.height))
            notes.add(name + ": position is off the map, left out");
        else
            data.markers.push_back(marker);
    }
}

}  // namespace

MapFileData MapFileData::empty(int width, int height)
{
    MapFileData data;
    data.width = width;
    data.height = height;
    data.cells.resize(static_cast<size_t>(width) * height);
    return data;
}

int MapFileFormat::headerSize(int32_t version)
{
    return version >= 5 ? kHeaderV5 : version == 4 ? kHeaderV4 : kHeaderV3;
}

int MapFileFormat::cellRecordSize(int32_t version)
{
    if (version >= 9)
        return 38;
    if (version == 8)
        return 37;
    if (version == 7)
        return 36;
    return version >= 5 ? 28 : 24;
}

int MapFileFormat::objectRecordSize(int32_t version)
{
    return version >= 6 ? 32 : 28;
}

bool MapFileFormat::parse(const std::string& bytes, const std::string& fileName, MapFileData& data,
                          std::string& error, const GameData* gameData)
{
    MapFileData read;
    ByteReader in(bytes);
    try {
        MapNotes notes(fileName, read.notes);
        readHeader(in, read);
        readCells(in, read, gameData, notes);
        readObjects(in, read, gameData, notes);
        readMarkers(in, read, notes);
        if (in.remaining() > 0)
            notes.add(std::to_string(in.remaining()) + " unexpected bytes after the markers, not read");
    } catch (const MapFault& fault) {
        error = fileName + ": map refused: " + fault.message;
        return false;
    }
    data = std::move(read);
    return true;
}

bool MapFileFormat::read(const std::string& path, MapFileData& data, std::string& error, const GameData* gameData)
{
    std::ifstream file(path, std::ios::binary);
    if (!file) {
        error = path + ": map file cannot be opened";
        return false;
    }
    std::ostringstream bytes;
    bytes << file.rdbuf();
    if (file.bad()) {
        error = path + ": map file cannot be read";
        return false;
    }
    return parse(bytes.str(), path, data, error, gameData);
}

bool MapFileFormat::encode(const MapFileData& data, std::string& bytes, std::string& error)
{
    if (data.width < 1 || data.height < 1 || data.width > kMaxSize || data.height > kMaxSize) {
        error = "map size " + std::to_string(data.width) + " x " + std::to_string(data.height) +
                " cannot be saved (1 to " + std::to_string(kMaxSize) + " cells)";
        return false;
    }
    if (data.cells.size() != static_cast<size_t>(data.width) * data.height) {
        error = "map holds " + std::to_string(data.cells.size()) + " cells, not " + std::to_string(data.width) +
                " x " + std::to_string(data.height);
        return false;
    }
    ByteWriter out;
    out.i32(kCurrentVersion);
    out.text(data.name, kNameLength);
    out.i32(data.width);
    out.i32(data.height);
    out.i32(data.citizenCount);
    out.u8(0);
    out.u8(0);
    out.i32(data.trainLocation);
    for (const MapCellRecord& cell : data.cells) {
        out.i32(cell.floorId);
        out.i32(cell.overlayId);
        out.i32(cell.rotation);
        out.i32(cell.overlayRotation);
        out.i32(cell.level);
        out.i32(cell.buildingId);
        out.i32(cell.textureIndex);
        out.i32(cell.zone);
        out.i32(cell.sideTexture);
        out.u8(cell.npcAvoid ? 1 : 0);
        out.u8(cell.blocked ? 1 : 0);
    }
    out.i32(static_cast<int32_t>(data.objects.size()));
    for (const MapObjectRecord& object : data.objects) {
        out.i32(object.defId);
        out.f32(object.x);
        out.f32(object.y);
        out.f32(object.heading);
        out.i32(object.mapTag);
        out.i32(object.heightLevel);
        out.i32(object.buildingId);
        out.i32(object.fileIndex);
    }
    out.i32(static_cast<int32_t>(data.markers.size()));
    for (const MapMarkerRecord& marker : data.markers) {
        out.f32(marker.x);
        out.f32(marker.y);
        out.i32(marker.kind);
        out.i32(0);
        out.i32(marker.identifier);
        out.i32(marker.spawnChance);
        out.i32(marker.zone);
        out.i32(0);
    }
    bytes = std::move(out.bytes());
    return true;
}

bool MapFileFormat::write(const std::string& path, const MapFileData& data, std::string& error)
{
    std::string bytes;
    if (!encode(data, bytes, error)) {
        error = path + ": map not saved: " + error;
        return false;
    }
    const SafeFileWriter::Result written = SafeFileWriter::write(path, bytes);
    if (!written) {
        error = path + ": map not saved: it cannot be written: " + written.reason;
        return false;
    }
    return true;
}
