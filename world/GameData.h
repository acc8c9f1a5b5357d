#pragma once

#include <memory>
#include <string>
#include <vector>

#include "world/AnimationDef.h"
#include "world/DataFileProblem.h"
#include "world/ObjectDef.h"
#include "world/TileDef.h"
#include "world/WeaponDef.h"

// The store of every definition read from the text data files, and the zone
// being played. Records are never freed while the store lives, so pointers to
// them stay valid.
class GameData {
public:
    static constexpr int kZoneCount = 3;

    // The store of the game, reading the data files of the assets folder on first use.
    static GameData* getInstance();

    // An empty store (tests and tools fill it with the file* operations or load()).
    GameData();
    // A store filled from the data files in the given folder.
    explicit GameData(const std::string& folder);
    ~GameData();
    GameData(const GameData&) = delete;
    GameData& operator=(const GameData&) = delete;

    // Reads objects.txt, otherobjects.txt, tiles.txt, animations.txt and
    // weapons.txt from the folder (an empty folder name reads from the
    // working directory). Faults are kept in problems(); the game's own
    // store logs them when it is made.
    void load(const std::string& folder);
    // The folder of the data, map and zone settings files (load sets it).
    void setFolder(const std::string& folder);
    void loadAllObjects();
    void loadObjects(const std::string& fileName);
    void loadTiles();
    void loadAnimations();
    void loadWeapons();

    TileDef* getTileDef(int id) const;
    ObjectDef* getObjectDef(int id) const;
    WeaponDef* getWeaponDef(int id) const;

    // Takes ownership and files the record in its list (an object by its
    // ammo, mob and effect flags).
    void fileObjectDef(ObjectDef* def);
    void fileTileDef(TileDef* def);
    void fileWeaponDef(WeaponDef* def);

    // "tallowind_levelOne", "tallowind_levelTwo", "tallowind_levelThree";
    // an empty name for any other zone.
    static std::string levelName(int zone);
    std::string getLevelSettingsPath() const;
    std::string getLevelMapPath() const;

    // Whether the folder holds any of the five data files (the data checker
    // passes a folder that holds none).
    static bool folderHasDataFiles(const std::string& folder);
    static const std::vector<std::string>& dataFileNames();

    const std::vector<DataFileProblem>& problems() const { return problems_; }
    const std::string& folder() const { return folder_; }

    int currentZone = 0;
    std::vector<TileDef*> tileDefs;
    std::vector<ObjectDef*> objectDefs;
    std::vector<ObjectDef*> ammoDefs;
    std::vector<ObjectDef*> mobDefs;
    std::vector<ObjectDef*> effectDefs;
    std::vector<WeaponDef*> weaponDefs;

private:
    std::string pathOf(const std::string& fileName) const;
    // The text of a data file; false (and a problem noted) when it cannot be read.
    bool readText(const std::string& fileName, std::string& text);
    // A readable file that defines nothing of its kind is a problem too.
    void expectDefinitions(const std::string& fileName, size_t count, const std::string& kind);
    void keepProblems(const std::vector<DataFileProblem>& problems);

    std::string folder_;
    std::vector<DataFileProblem> problems_;
};
