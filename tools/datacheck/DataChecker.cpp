#include "DataChecker.h"

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <sstream>

#include "world/LevelSettings.h"
#include "world/MapDoorways.h"
#include "world/MapFileFormat.h"

namespace fs = std::filesystem;

namespace {

// Counts how often each unknown id occurs and where it first does.
struct UnknownIds {
    struct Use {
        int count = 0;
        std::string first;
    };
    void add(int id, const std::string& where)
    {
        Use& use = ids[id];
        if (use.count++ == 0)
            use.first = where;
    }
    std::map<int, Use> ids;
};

std::string cellName(int x, int y)
{
    return "cell (" + std::to_string(x) + ", " + std::to_string(y) + ")";
}

}  // namespace

DataChecker::DataChecker(std::string folder) : folder_(std::move(folder))
{
    if (!folder_.empty() && folder_.back() != '/')
        folder_ += '/';
}

bool DataChecker::hasDataFiles() const
{
    return GameData::folderHasDataFiles(folder_);
}

int DataChecker::errorCount() const
{
    return static_cast<int>(std::count_if(problems_.begin(), problems_.end(), [](const DataFileProblem& p) {
        return p.severity == DataFileProblem::Error;
    }));
}

void DataChecker::run()
{
    readObjects("objects.txt");
    readObjects("otherobjects.txt");
    readTiles();
    loadSheets();
    readAnimations();
    readWeapons();
    checkObjects();
    checkWeapons();
    checkMaps();
    checkSettings();
}

std::string DataChecker::pathOf(const std::string& name) const
{
    return folder_ + name;
}

bool DataChecker::readFile(const std::string& name, std::string& text)
{
    std::ifstream file(pathOf(name), std::ios::binary);
    if (!file) {
        report({pathOf(name), 0}, "data file is missing or cannot be read");
        return false;
    }
    std::ostringstream bytes;
    bytes << file.rdbuf();
    text = bytes.str();
    return true;
}

void DataChecker::report(const Origin& origin, const std::string& message, DataFileProblem::Severity severity)
{
    problems_.push_back({origin.file, origin.line, message, severity});
}

void DataChecker::keep(const DataFileReader& reader)
{
    problems_.insert(problems_.end(), reader.problems().begin(), reader.problems().end());
}

void DataChecker::readObjects(const std::string& name)
{
    std::string text;
    if (!readFile(name, text))
        return;
    DataFileReader reader(pathOf(name));
    std::vector<std::unique_ptr<ObjectDef>> defs = reader.readObjects(text);
    keep(reader);
    for (size_t i = 0; i < defs.size(); ++i) {
        objects_.push_back({defs[i].get(), {pathOf(name), reader.recordLines()[i]}});
        store_.fileObjectDef(defs[i].release());
    }
}

void DataChecker::readTiles()
{
    std::string text;
    if (!readFile("tiles.txt", text))
        return;
    DataFileReader reader(pathOf("tiles.txt"));
    std::vector<std::unique_ptr<TileDef>> defs = reader.readTiles(text);
    keep(reader);
    for (std::unique_ptr<TileDef>& def : defs)
        store_.fileTileDef(def.release());
}

void DataChecker::readWeapons()
{
    std::string text;
    if (!readFile("weapons.txt", text))
        return;
    DataFileReader reader(pathOf("weapons.txt"));
    std::vector<std::unique_ptr<WeaponDef>> defs = reader.readWeapons(text);
    keep(reader);
    for (size_t i = 0; i < defs.size(); ++i) {
        weapons_.push_back({defs[i].get(), {pathOf("weapons.txt"), reader.recordLines()[i]}});
        store_.fileWeaponDef(defs[i].release());
    }
}

// The sheets of all animated objects are in the cache before any animation
// is built, so an animation may take frames from any of them.
void DataChecker::loadSheets()
{
    for (const auto& entry : objects_) {
        const ObjectDef* def = entry.first;
        if (!def->animated)
            continue;
        const std::string sheet = def->spriteSheetName();
        std::string error;
        if (sheet.empty())
            report(entry.second, "animated object " + std::to_string(def->id) + " has no file name to name its sheet");
        else if (!sheets_.addSheet(pathOf(sheet), error))
            report(entry.second, "sprite sheet " + sheet + " of object " + std::to_string(def->id) + " " + error);
    }
}

void DataChecker::readAnimations()
{
    std::string text;
    if (!readFile("animations.txt", text))
        return;
    DataFileReader reader(pathOf("animations.txt"));
    for (const AnimationLine& line : reader.readAnimations(text)) {
        const Origin origin{pathOf("animations.txt"), line.line};
        const ObjectDef* def = store_.getObjectDef(line.objectId);
        if (!def) {
            report(origin, "animation " + std::to_string(line.animationId) + " names unknown object id " +
                               std::to_string(line.objectId));
            continue;
        }
        animationIds_[def].push_back(line.animationId);
        checkAnimationFrames(line, origin);
    }
    keep(reader);
}

void DataChecker::checkAnimationFrames(const AnimationLine& line, const Origin& origin)
{
    int missing = 0;
    std::string first;
    for (int n = 1; n <= line.frameCount; ++n) {
        const std::string frame = AnimationDef::frameName(line.prefix, n);
        if (!sheets_.hasFrame(frame) && missing++ == 0)
            first = frame;
    }
    if (missing > 0)
        report(origin, "animation " + std::to_string(line.animationId) + " of object " +
                           std::to_string(line.objectId) + ": " + std::to_string(missing) + " of " +
                           std::to_string(line.frameCount) + " frames missing from the loaded sheets, first " + first);
}

void DataChecker::checkObjects()
{
    for (const auto& entry : objects_) {
        const ObjectDef* def = entry.first;
        const std::string name = "object " + std::to_string(def->id);
        if (def->weapon != -1 && !store_.getWeaponDef(def->weapon))
            report(entry.second, name + " names unknown weapon " + std::to_string(def->weapon));
        if (def->despawnasobject != -1 && !store_.getObjectDef(def->despawnasobject))
            report(entry.second, name + " names unknown despawnasobject " + std::to_string(def->despawnasobject));
        if (def->spawnanimation != -1) {
            const std::vector<int>& ids = animationIds_[def];
            if (std::find(ids.begin(), ids.end(), def->spawnanimation) == ids.end())
                report(entry.second, name + " names unknown spawnanimation " + std::to_string(def->spawnanimation));
        }
    }
}

void DataChecker::checkWeapons()
{
    for (const auto& entry : weapons_) {
        const WeaponDef* weapon = entry.first;
        if (!store_.getObjectDef(weapon->projectileclass))
            report(entry.second, "weapon " + std::to_string(weapon->id) + " names unknown projectileclass " +
                                         std::to_string(weapon->projectileclass));
    }
}

void DataChecker::checkMaps()
{
    std::error_code error;
    std::vector<std::string> maps;
    for (const fs::directory_entry& entry : fs::directory_iterator(folder_, error)) {
        if (entry.is_regular_file() && entry.path().extension() == ".map")
            maps.push_back(entry.path().string());
    }
    std::sort(maps.begin(), maps.end());
    for (const std::string& path : maps) {
        MapFileData map;
        std::string message;
        if (MapFileFormat::read(path, map, message)) {
            // Records the game would mend or leave out are faults of the map all the same.
            for (const std::string& note : map.notes)
                report({path, 0}, note.substr(std::min(note.size(), path.size() + 2)));
            checkMapIds(path, map);
            checkDoorways(path, map);
        } else
            report({path, 0}, message.substr(std::min(message.size(), path.size() + 2)));
    }
}

void DataChecker::checkMapIds(const std::string& path, const MapFileData& map)
{
    UnknownIds floors, overlays, objects;
    for (int y = 0; y < map.height; ++y) {
        for (int x = 0; x < map.width; ++x) {
            const MapCellRecord& cell = map.cell(x, y);
            const std::string where = cellName(x, y);
            if (!store_.getTileDef(cell.floorId))
                floors.add(cell.floorId, where);
            if (cell.overlayId != -1 && !store_.getTileDef(cell.overlayId))
                overlays.add(cell.overlayId, where);
        }
    }
    for (size_t i = 0; i < map.objects.size(); ++i) {
        if (!store_.getObjectDef(map.objects[i].defId))
            objects.add(map.objects[i].defId, "object " + std::to_string(i + 1));
    }
    const std::pair<const char*, const UnknownIds*> kinds[] = {
        {"floor tile", &floors}, {"overlay tile", &overlays}, {"object", &objects}};
    for (const auto& kind : kinds) {
        for (const auto& id : kind.second->ids)
            report({path, 0}, "unknown " + std::string(kind.first) + " id " + std::to_string(id.first) + " used " +
                                  std::to_string(id.second.count) + " time(s), first at " + id.second.first);
    }
}

// Such a doorway is drawn open but leads nowhere; the map still plays, so it
// is a warning, not an error.
void DataChecker::checkDoorways(const std::string& path, const MapFileData& map)
{
    const MapDoorways doorways(map, store_);
    for (const MapDoorways::Doorway& d : doorways.dead()) {
        const int x = d.acrossX(), y = d.acrossY();
        const std::string across =
            doorways.contains(x, y) ? "onto a wall or a building at " + cellName(x, y) : "past the map's edge";
        report({path, 0},
               "doorway of building " + std::to_string(d.buildingId) + " at " + cellName(d.x, d.y) + " opens " +
                   MapDoorways::sideName(d.side) + " " + across,
               DataFileProblem::Warning);
    }
}

void DataChecker::checkSettings()
{
    for (int zone = 0; zone < GameData::kZoneCount; ++zone) {
        const std::string path = pathOf(GameData::levelName(zone) + ".txt");
        if (!std::ifstream(path))
            continue;
        std::vector<DataFileProblem> found;
        readLevelSettings(path, &found);
        problems_.insert(problems_.end(), found.begin(), found.end());
    }
}
