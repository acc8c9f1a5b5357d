#include "world/GameData.h"

#include <cstdio>
#include <fstream>
#include <sstream>

#include "platform/GamePaths.h"
#include "world/DataFileReader.h"

namespace {

const char* const kObjectFiles[] = {"objects.txt", "otherobjects.txt"};
const char* const kTileFile = "tiles.txt";
const char* const kAnimationFile = "animations.txt";
const char* const kWeaponFile = "weapons.txt";

template <class Def>
Def* findById(const std::vector<Def*>& defs, int id)
{
    for (Def* def : defs) {
        if (def->id == id)
            return def;
    }
    return nullptr;
}

template <class Def>
void deleteAll(std::vector<Def*>& defs)
{
    for (Def* def : defs)
        delete def;
    defs.clear();
}

}  // namespace

GameData* GameData::getInstance()
{
    static GameData* instance = [] {
        GameData* data = new GameData(GamePaths::assetsDir());
        for (const DataFileProblem& problem : data->problems())
            std::fprintf(stderr, "%s\n", problem.describe().c_str());
        return data;
    }();
    return instance;
}

GameData::GameData() = default;

GameData::GameData(const std::string& folder)
{
    load(folder);
}

GameData::~GameData()
{
    deleteAll(tileDefs);
    deleteAll(objectDefs);
    deleteAll(ammoDefs);
    deleteAll(mobDefs);
    deleteAll(effectDefs);
    deleteAll(weaponDefs);
}

void GameData::load(const std::string& folder)
{
    setFolder(folder);
    loadAllObjects();
    loadTiles();
    loadAnimations();
    loadWeapons();
}

void GameData::setFolder(const std::string& folder)
{
    folder_ = folder;
    if (!folder_.empty() && folder_.back() != '/')
        folder_ += '/';
}

void GameData::loadAllObjects()
{
    for (const char* file : kObjectFiles)
        loadObjects(file);
}

void GameData::loadObjects(const std::string& fileName)
{
    const std::string text = readText(fileName);
    DataFileReader reader(pathOf(fileName));
    std::vector<std::unique_ptr<ObjectDef>> defs = reader.readObjects(text);
    keepProblems(reader.problems());
    for (std::unique_ptr<ObjectDef>& def : defs) {
        // An animated object's frames come from its own sheet, which must be
        // in the cache before animations.txt names them.
        if (def->animated)
            def->loadSpriteSheet();
        fileObjectDef(def.release());
    }
}

void GameData::loadTiles()
{
    const std::string text = readText(kTileFile);
    DataFileReader reader(pathOf(kTileFile));
    for (std::unique_ptr<TileDef>& def : reader.readTiles(text))
        fileTileDef(def.release());
    keepProblems(reader.problems());
}

void GameData::loadAnimations()
{
    const std::string text = readText(kAnimationFile);
    DataFileReader reader(pathOf(kAnimationFile));
    for (const AnimationLine& line : reader.readAnimations(text)) {
        ObjectDef* def = getObjectDef(line.objectId);
        if (!def) {
            reader.report(line.line, "animation of unknown object id " + std::to_string(line.objectId) + "; skipped");
            continue;
        }
        def->addAnimation(line.animationId, line.frameCount, line.mode, line.prefix, line.duration);
    }
    keepProblems(reader.problems());
}

void GameData::loadWeapons()
{
    const std::string text = readText(kWeaponFile);
    DataFileReader reader(pathOf(kWeaponFile));
    for (std::unique_ptr<WeaponDef>& def : reader.readWeapons(text))
        fileWeaponDef(def.release());
    keepProblems(reader.problems());
}

TileDef* GameData::getTileDef(int id) const
{
    return findById(tileDefs, id);
}

ObjectDef* GameData::getObjectDef(int id) const
{
    for (const std::vector<ObjectDef*>* list : {&objectDefs, &ammoDefs, &mobDefs, &effectDefs}) {
        if (ObjectDef* def = findById(*list, id))
            return def;
    }
    return nullptr;
}

WeaponDef* GameData::getWeaponDef(int id) const
{
    return findById(weaponDefs, id);
}

void GameData::fileObjectDef(ObjectDef* def)
{
    if (def->ammo)
        ammoDefs.push_back(def);
    else if (def->mob)
        mobDefs.push_back(def);
    else if (def->effect)
        effectDefs.push_back(def);
    else
        objectDefs.push_back(def);
}

void GameData::fileTileDef(TileDef* def)
{
    tileDefs.push_back(def);
}

void GameData::fileWeaponDef(WeaponDef* def)
{
    weaponDefs.push_back(def);
}

std::string GameData::levelName(int zone)
{
    static const char* const kLevelNames[kZoneCount] = {"tallowind_levelOne", "tallowind_levelTwo",
                                                        "tallowind_levelThree"};
    if (zone < 0 || zone >= kZoneCount)
        return std::string();
    return kLevelNames[zone];
}

std::string GameData::getLevelSettingsPath() const
{
    const std::string name = levelName(currentZone);
    return name.empty() ? name : folder_ + name + ".txt";
}

std::string GameData::getLevelMapPath() const
{
    const std::string name = levelName(currentZone);
    return name.empty() ? name : folder_ + name + ".map";
}

const std::vector<std::string>& GameData::dataFileNames()
{
    static const std::vector<std::string> names = {kObjectFiles[0], kObjectFiles[1], kTileFile, kAnimationFile,
                                                   kWeaponFile};
    return names;
}

bool GameData::folderHasDataFiles(const std::string& folder)
{
    const std::string prefix = folder.empty() || folder.back() == '/' ? folder : folder + "/";
    for (const std::string& name : dataFileNames()) {
        if (std::ifstream(prefix + name))
            return true;
    }
    return false;
}

std::string GameData::pathOf(const std::string& fileName) const
{
    return folder_ + fileName;
}

std::string GameData::readText(const std::string& fileName)
{
    std::ifstream file(pathOf(fileName), std::ios::binary);
    if (!file) {
        problems_.push_back({pathOf(fileName), 0, "data file cannot be read; it defines nothing", DataFileProblem::Error});
        return std::string();
    }
    std::ostringstream text;
    text << file.rdbuf();
    return text.str();
}

void GameData::keepProblems(const std::vector<DataFileProblem>& problems)
{
    problems_.insert(problems_.end(), problems.begin(), problems.end());
}
