#pragma once

#include <map>
#include <memory>
#include <string>
#include <vector>

#include "SpriteSheetIndex.h"
#include "world/DataFileProblem.h"
#include "world/DataFileReader.h"
#include "world/GameData.h"

struct MapFileData;

// Loads the data files, maps and zone settings of an assets folder and
// collects every fault: bad lines, and references to weapons, objects,
// animations, tiles and sprite frames that do not exist. A doorway that
// opens onto no street is warned of.
class DataChecker {
public:
    explicit DataChecker(std::string folder);

    // Whether the folder holds any data file; a folder without one has
    // nothing to check.
    bool hasDataFiles() const;
    void run();

    const std::vector<DataFileProblem>& problems() const { return problems_; }
    int errorCount() const;

private:
    // Where a record came from, for messages.
    struct Origin {
        std::string file;
        int line = 0;
    };

    std::string pathOf(const std::string& name) const;
    bool readFile(const std::string& name, std::string& text);
    void report(const Origin& origin, const std::string& message,
                DataFileProblem::Severity severity = DataFileProblem::Error);
    void keep(const DataFileReader& reader);

    void readObjects(const std::string& name);
    void readTiles();
    void readWeapons();
    void readAnimations();
    void loadSheets();
    void checkObjects();
    void checkWeapons();
    void checkAnimationFrames(const AnimationLine& line, const Origin& origin);
    void checkMaps();
    void checkMapIds(const std::string& path, const MapFileData& map);
    void checkDoorways(const std::string& path, const MapFileData& map);
    void checkSettings();

    std::string folder_;
    GameData store_;
    SpriteSheetIndex sheets_;
    // Records in file order with the line that opened them.
    std::vector<std::pair<const ObjectDef*, Origin>> objects_;
    std::vector<std::pair<const WeaponDef*, Origin>> weapons_;
    // Animation ids of each object, as the game attaches them.
    std::map<const ObjectDef*, std::vector<int>> animationIds_;
    std::vector<DataFileProblem> problems_;
};
