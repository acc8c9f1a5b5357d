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
    std::string text;
    const bool readable = readText(fileName, text);
    DataFileReader reader(pathOf(fileName));
    std::vector<std::unique_ptr<ObjectDef>> defs = reader.readObjects(text);
    keepProblems(reader.problems());
    if (readable)
        expectDefinitions(fileName, defs.size(), "objects");
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
    std::string text;
    const bool readable = readText(kTileFile, text);
    DataFileReader reader(pathOf(kTileFile));
    std::vector<std::unique_ptr<TileDef>> defs = reader.readTiles(text);
    keepProblems(reader.problems());
    if (readable)
        expectDefinitions(kTileFile, defs.size(), "tiles");
    for (std::unique_ptr<TileDef>& def : defs)
        fileTileDef(def.release());
}

void GameData::loadAnimations()
{
    std::string text;
    const bool readable = readText(kAnimationFile, text);
    DataFileReader reader(pathOf(kAnimationFile));
    const std::vector<AnimationLine> lines = reader.readAnimations(text);
    if (readable)
        expectDefinitions(kAnimationFile, lines.size(), "animations");
    for (const AnimationLine& line : lines) {
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
    std::string text;
    const bool readable = readText(kWeaponFile, text);
    DataFileReader reader(pathOf(kWeaponFile));
    std::vector<std::unique_ptr<WeaponDef>> defs = reader.readWeapons(text);
    keepProblems(reader.problems());
    if (readable)
        expectDefinitions(kWeaponFile, defs.size(), "weapons");
    for (std::unique_ptr<WeaponDef>& def : defs)
        fileWeaponDef(def.release());
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

bool GameData::readText(const std::string& fileName, std::string& text)
{
    std::ifstream file(pathOf(fileName), std::ios::binary);
    if (!file) {
        problems_.push_back({pathOf(fileName), 0, "data file cannot be read; it defines nothing", DataFileProblem::Error});
        return false;
    }
    std::ostringstream read;
    read << file.rdbuf();
    text = read.str();
    return true;
}

void GameData::expectDefinitions(const std::string& fileName, size_t count, const std::string& kind)
{
    // An emptied file reads without a single bad line, yet the game would go
    // on without any of its definitions.
    if (count == 0)
        problems_.push_back({pathOf(fileName), 0, "the file defines no " + kind + "; the game goes on without them",
                             DataFileProblem::Error});
}

void GameData::keepProblems(const std::vector<DataFileProblem>& problems)
{
    problems_.insert(problems_.end(), problems.begin(), problems.end());
}
