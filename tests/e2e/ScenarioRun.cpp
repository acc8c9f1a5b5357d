#include "ScenarioRun.h"

#include "GameLaunch.h"
#include "JourneyReport.h"

#include "actors/Player.h"
#include "app/GameCamera.h"
#include "app/GameInterface.h"
#include "app/RandomSeed.h"
#include "app/StatEngine.h"
#include "app/WeatherEngine.h"
#include "ui/hud/GameHUD.h"
#include "world/GameData.h"
#include "world/WorldMap.h"

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>

USING_NS_CC;

namespace fs = std::filesystem;

namespace {

using Kind = ScenarioInput::Kind;

std::string seconds(int frame)
{
    char text[32];
    std::snprintf(text, sizeof text, "%.2f s", frame * static_cast<double>(GameLaunch::kFrame));
    return text;
}

std::string point(Vec2 at)
{
    char text[64];
    std::snprintf(text, sizeof text, "(%.3f, %.3f)", at.x, at.y);
    return text;
}

}

ScenarioRun::ScenarioRun(const Scenario& scenario, const std::string& folder)
    : _scenario(scenario), _folder(folder)
{
    _folders.saves = folder + "/saves";
    _folders.assets = scenario.assetsCopy ? folder + "/assets" : GameLaunch::treeAssets();
}

std::string ScenarioRun::endStatePath(const std::string& folder)
{
    return folder + "/end-state.txt";
}

std::string ScenarioRun::where(int line) const
{
    return fs::path(_scenario.file).filename().string() + ":" + std::to_string(line);
}

void ScenarioRun::playAndExit()
{
    JourneyReport::runAndExit(fs::path(_scenario.file).stem().string(), [this](JourneyReport& r) { play(r); });
}

bool ScenarioRun::prepareFolders(JourneyReport& report)
{
    std::error_code error;
    fs::remove_all(_folder, error);
    fs::create_directories(_folders.saves, error);
    if (!report.require(!error, "cannot make the run's folder " + _folder + ": " + error.message()))
        return false;
    if (!_scenario.assetsCopy)
        return true;
    // The run may save maps: it gets its own copy, never the tree's assets.
    fs::copy(GameLaunch::treeAssets(), _folders.assets, fs::copy_options::recursive, error);
    return report.require(!error, "cannot copy the assets to " + _folders.assets + ": " + error.message());
}

void ScenarioRun::play(JourneyReport& report)
{
    if (!prepareFolders(report))
        return;
    RandomSeed::fix(_scenario.seed);
    GameLaunch game(_folders.saves, _folders.assets);
    if (_scenario.editor)
        game.requestEditor();
    if (!report.require(game.startHeadless(), "the game did not start: " + game.error()))
        return;
    report.note("seed " + std::to_string(_scenario.seed) + ", " + std::to_string(_scenario.inputs.size()) +
                " inputs, " + seconds(_scenario.endFrame));
    auto next = _scenario.inputs.begin();
    for (int frame = 0; frame < _scenario.endFrame; ++frame)
    {
        noteChanges(report, frame);
        for (; next != _scenario.inputs.end() && next->frame == frame; ++next)
            feed(game, *next, report);
        game.step(1);
    }
    noteChanges(report, _scenario.endFrame);
    checkExpectations(report);
    writeEndState(report);
}

void ScenarioRun::feed(GameLaunch& game, const ScenarioInput& input, JourneyReport& report)
{
    using KeyCode = GameLaunch::KeyCode;
    switch (input.kind)
    {
    case Kind::KeyDown:
        game.press(static_cast<KeyCode>(input.code));
        break;
    case Kind::KeyUp:
        game.release(static_cast<KeyCode>(input.code));
        break;
    case Kind::MouseMove:
        game.moveMouse(input.x, input.y);
        break;
    case Kind::MouseDown:
        game.pressMouse(input.code);
        break;
    case Kind::MouseUp:
        game.releaseMouse(input.code);
        break;
    case Kind::PadDown:
        game.pressPad(input.code);
        break;
    case Kind::PadUp:
        game.releasePad(input.code);
        break;
    case Kind::PlacePlayer:
    case Kind::GiveCredits:
    case Kind::GiveItem:
        setUp(input, report);
        break;
    }
}

void ScenarioRun::setUp(const ScenarioInput& input, JourneyReport& report)
{
    const std::string line = seconds(input.frame) + ": " + where(input.line) + ": set-up: ";
    Player* player = GameInterface::getInstance()->player;
    if (!report.check(player != nullptr, line + "there is no player to set up"))
        return;
    switch (input.kind)
    {
    case Kind::PlacePlayer:
        player->setPosition(WorldMap::gridToPixel(input.x + 0.5f, input.y + 0.5f));
        report.note(line + "the player placed at " + point(player->getPosition()));
        break;
    case Kind::GiveCredits:
        // In the pocket only: nothing earned, no statistic.
        player->credits += input.code;
        GameHUD::getInstance()->refresh(true);
        report.note(line + std::to_string(input.code) + " credits given");
        break;
    default:
        report.check(player->addItem(input.code), line + "item " + std::to_string(input.code) + " cannot be carried");
        GameHUD::getInstance()->refresh(true);
        break;
    }
}

void ScenarioRun::noteChanges(JourneyReport& report, int frame)
{
    const GameInterface* driver = GameInterface::getInstance();
    // The intro's steps are worth a line only while the intro shows.
    const int introStep = driver->state == GameState::Intro ? driver->introStep : -1;
    if (driver->state == _state && introStep == _introStep && driver->runEndStep == _runEndStep)
        return;
    _state = driver->state;
    _introStep = introStep;
    _runEndStep = driver->runEndStep;
    std::string text = seconds(frame) + ": state " + ScenarioChecks::stateName(_state);
    if (_introStep != -1)
        text += ", intro step " + std::to_string(_introStep);
    // The screens after a death or a finished zone go by steps.
    if (_runEndStep != 0)
        text += ", run end step " + std::to_string(_runEndStep);
    report.note(text);
}

void ScenarioRun::checkExpectations(JourneyReport& report)
{
    for (const ScenarioExpectation& expectation : _scenario.expectations)
    {
        const std::string found = ScenarioChecks::check(expectation, _folders);
        const std::string line = where(expectation.line) + ": " + expectation.text;
        if (report.check(found.empty(), line + ": " + found))
            report.note(line + ": holds");
    }
}

void ScenarioRun::writeEndState(JourneyReport& report)
{
    const GameInterface* driver = GameInterface::getInstance();
    const WorldMap* map = WorldMap::getInstance();
    std::string text;
    text += "state " + ScenarioChecks::stateName(driver->state) + ", intro step " +
            std::to_string(driver->introStep) + ", run end step " + std::to_string(driver->runEndStep) + "\n";
    text += "zone " + std::to_string(GameData::getInstance()->currentZone) + ", character " +
            std::to_string(driver->playerCharacter) + ", credits " + std::to_string(driver->creditsEarned) + "\n";
    if (const Player* player = driver->player)
        text += "player at " + point(player->getPosition()) + ", health " + std::to_string(player->health) + "\n";
    text += "view at " + point(map->cameraPoint) + ", camera at " + point(GameCamera::getInstance()->position) + "\n";
    text += "objects " + std::to_string(map->solidObjects.size()) + " solid, " +
            std::to_string(map->passableObjects.size()) + " passable, " + std::to_string(map->allMarkers.size()) +
            " markers, " + std::to_string(map->worldNode ? map->worldNode->getChildrenCount() : 0) +
            " world nodes, " + std::to_string(WeatherEngine::getInstance()->dropCount) + " rain drops\n";
    const StatEngine* stats = StatEngine::getInstance();
    for (int32_t id = StatEngine::kFirstStat; id <= StatEngine::kLastStat; ++id)
        if (const StatRecord* record = stats->find(id); record && (record->run || record->total))
            text += "stat " + std::to_string(id) + ": " + std::to_string(record->run) + " this run, " +
                    std::to_string(record->total) + " in all\n";
    // How far the random numbers have come: any draw more or less shows here.
    text += "next random number " + std::to_string(std::rand()) + "\n";
    std::ofstream(endStatePath(_folder)) << text;
    report.note("end state:");
    for (size_t start = 0, end; (end = text.find('\n', start)) != std::string::npos; start = end + 1)
        report.note("  " + text.substr(start, end - start));
}
