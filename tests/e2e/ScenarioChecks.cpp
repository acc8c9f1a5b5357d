#include "ScenarioChecks.h"

#include "actors/Player.h"
#include "actors/police/Checkpoint.h"
#include "actors/police/PoliceManager.h"
#include "app/GameInterface.h"
#include "app/GameState.h"
#include "app/StatEngine.h"
#include "world/GameData.h"
#include "world/MapTile.h"
#include "world/TileDef.h"
#include "world/WorldMap.h"

#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <functional>
#include <optional>
#include <utility>

namespace {

using Arguments = std::vector<std::string>;
using Check = std::function<std::string(const Arguments&, const ScenarioFolders&)>;

struct CheckKind
{
    const char* name;
    // One word per argument: "int" a whole number, "state" a game state's
    // name, "player" alive, dead or none, "layer" floor or overlay, "yesno"
    // yes or no, "name" any word (a file name).
    std::vector<std::string> arguments;
    const char* usage;
    Check check;
};

const std::vector<std::pair<std::string, int>>& stateNames()
{
    static const std::vector<std::pair<std::string, int>> names = {
        {"Intro", GameState::Intro},   {"NotSpawned", GameState::NotSpawned},
        {"Playing", GameState::Playing}, {"Paused", GameState::Paused},
        {"Dead", GameState::Dead},     {"Menu", GameState::Menu},
        {"Edit", GameState::Edit},     {"TutorialPanes", GameState::TutorialPanes},
        {"InfoPages", GameState::InfoPages},
    };
    return names;
}

std::optional<int> stateNamed(const std::string& name)
{
    for (const auto& [stateName, state] : stateNames())
        if (stateName == name)
            return state;
    return std::nullopt;
}

bool isInteger(const std::string& text)
{
    const size_t digits = !text.empty() && text[0] == '-' ? 1 : 0;
    return text.size() > digits && text.size() < digits + 10 &&
           std::all_of(text.begin() + static_cast<long>(digits), text.end(), ::isdigit);
}

int integer(const std::string& text)
{
    return std::atoi(text.c_str());
}

bool fits(const std::string& kind, const std::string& argument)
{
    if (kind == "int")
        return isInteger(argument);
    if (kind == "state")
        return stateNamed(argument).has_value();
    if (kind == "player")
        return argument == "alive" || argument == "dead" || argument == "none";
    if (kind == "layer")
        return argument == "floor" || argument == "overlay";
    if (kind == "yesno")
        return argument == "yes" || argument == "no";
    return !argument.empty();
}

std::string compare(long found, const std::string& wanted, const std::string& what)
{
    if (found == integer(wanted))
        return "";
    return what + " is " + std::to_string(found);
}

GameInterface* driver()
{
    return GameInterface::getInstance();
}

std::string checkState(const Arguments& a, const ScenarioFolders&)
{
    const int state = driver()->state;
    if (state == *stateNamed(a[0]))
        return "";
    return "the state is " + ScenarioChecks::stateName(state);
}

std::string checkPlayer(const Arguments& a, const ScenarioFolders&)
{
    const Player* player = driver()->player;
    const std::string found = !player ? "none" : player->health > 0 ? "alive" : "dead";
    return found == a[0] ? "" : "the player is " + found;
}

std::string checkMoney(const Arguments& a, const ScenarioFolders&)
{
    const Player* player = driver()->player;
    if (!player)
        return "there is no player";
    return compare(player->credits, a[0], "the player's money");
}

std::string checkWanted(const Arguments& a, const ScenarioFolders&)
{
    const bool wanted = PoliceManager::getInstance()->isWanted(driver()->player);
    return wanted == (a[0] == "yes") ? "" : std::string("the police ") + (wanted ? "want" : "do not want") + " the player";
}

// A checkpoint keeps a record of each person it scanned for 30 s.
std::string checkScanned(const Arguments& a, const ScenarioFolders&)
{
    const cocos2d::Vec2 cell(static_cast<float>(integer(a[0])), static_cast<float>(integer(a[1])));
    for (const Checkpoint* checkpoint : PoliceManager::getInstance()->getCheckpoints())
    {
        if (checkpoint->cell != cell)
            continue;
        const bool scanned = checkpoint->hasRecordOf(driver()->player);
        return scanned == (a[2] == "yes") ? "" : std::string("the checkpoint has ") + (scanned ? "" : "not ") +
                                                     "scanned the player";
    }
    return "there is no checkpoint at that cell";
}

std::string checkStat(const Arguments& a, const ScenarioFolders&)
{
    const StatRecord* record = StatEngine::getInstance()->find(integer(a[0]));
    return compare(record ? record->run : 0, a[1], "statistic " + a[0] + " in this run");
}

std::string checkTotal(const Arguments& a, const ScenarioFolders&)
{
    return compare(StatEngine::getInstance()->totalOf(integer(a[0])), a[1], "statistic " + a[0] + " in all");
}

std::string checkFile(const std::string& folder, const std::string& name, const char* where)
{
    if (std::filesystem::exists(std::filesystem::path(folder) / name))
        return "";
    return std::string("there is no ") + name + " in " + where + " (" + folder + ")";
}

std::string checkTile(const Arguments& a, const ScenarioFolders&)
{
    const MapTile* tile = WorldMap::getInstance()->getTile(integer(a[0]), integer(a[1]));
    if (!tile)
        return "the cell is off the map";
    const TileDef* def = a[2] == "floor" ? tile->floor : tile->overlay;
    return compare(def ? def->id : -1, a[3], "its " + a[2] + " tile");
}

const std::vector<CheckKind>& kinds()
{
    static const std::vector<CheckKind> table = {
        {"state", {"state"}, "expect state <Intro|NotSpawned|Playing|Paused|Dead|Menu|Edit|...>", checkState},
        {"player", {"player"}, "expect player <alive|dead|none>", checkPlayer},
        {"character", {"int"}, "expect character <object id>",
         [](const Arguments& a, const ScenarioFolders&) {
             return compare(driver()->playerCharacter, a[0], "the chosen character");
         }},
        {"zone", {"int"}, "expect zone <0, 1 or 2>",
         [](const Arguments& a, const ScenarioFolders&) {
             return compare(GameData::getInstance()->currentZone, a[0], "the zone");
         }},
        {"money", {"int"}, "expect money <credits the player holds>", checkMoney},
        {"credits", {"int"}, "expect credits <credits earned in the run>",
         [](const Arguments& a, const ScenarioFolders&) {
             return compare(driver()->creditsEarned, a[0], "the credits earned");
         }},
        {"wanted", {"yesno"}, "expect wanted <yes|no> (a crime scene names the player, or a witness is on the way)",
         checkWanted},
        {"police-level", {"int"}, "expect police-level <0 to 5>",
         [](const Arguments& a, const ScenarioFolders&) {
             return compare(PoliceManager::getInstance()->policeLevel, a[0], "the police level");
         }},
        {"crime-scenes", {"int"}, "expect crime-scenes <open crime scenes>",
         [](const Arguments& a, const ScenarioFolders&) {
             return compare(static_cast<long>(PoliceManager::getInstance()->getCrimeScenes().size()), a[0],
                            "the open crime scenes");
         }},
        {"pursuers", {"int"}, "expect pursuers <police droids sent after the player>",
         [](const Arguments& a, const ScenarioFolders&) {
             return compare(PoliceManager::getInstance()->countPursuingDroids(), a[0], "the droids after the player");
         }},
        {"scanned", {"int", "int", "yesno"}, "expect scanned <checkpoint cell x> <y> <yes|no>", checkScanned},
        {"stat", {"int", "int"}, "expect stat <statistic id> <count in this run>", checkStat},
        {"total", {"int", "int"}, "expect total <statistic id> <count over every run>", checkTotal},
        {"file", {"name"}, "expect file <name in the saves folder>",
         [](const Arguments& a, const ScenarioFolders& f) { return checkFile(f.saves, a[0], "the saves folder"); }},
        {"asset", {"name"}, "expect asset <name in the run's assets folder>",
         [](const Arguments& a, const ScenarioFolders& f) { return checkFile(f.assets, a[0], "the assets folder"); }},
        {"tile", {"int", "int", "layer", "int"}, "expect tile <x> <y> <floor|overlay> <tile id>", checkTile},
    };
    return table;
}

const CheckKind* kindNamed(const std::string& name)
{
    for (const CheckKind& kind : kinds())
        if (name == kind.name)
            return &kind;
    return nullptr;
}

}

std::string ScenarioChecks::validate(const std::string& kind, const std::vector<std::string>& arguments)
{
    const CheckKind* found = kindNamed(kind);
    if (!found)
    {
        std::string known;
        for (const CheckKind& each : kinds())
            known += std::string(known.empty() ? "" : ", ") + each.name;
        return "no check is called '" + kind + "' (there are " + known + ")";
    }
    bool fit = arguments.size() == found->arguments.size();
    for (size_t i = 0; fit && i < arguments.size(); ++i)
        fit = fits(found->arguments[i], arguments[i]);
    return fit ? "" : std::string("write it as: ") + found->usage;
}

std::string ScenarioChecks::check(const ScenarioExpectation& expectation, const ScenarioFolders& folders)
{
    const CheckKind* kind = kindNamed(expectation.kind);
    if (!kind)
        return "no check is called '" + expectation.kind + "'";
    return kind->check(expectation.arguments, folders);
}

std::string ScenarioChecks::stateName(int state)
{
    for (const auto& [name, value] : stateNames())
        if (value == state)
            return name;
    return std::to_string(state);
}
