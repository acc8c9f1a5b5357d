#pragma once
#include "Scenario.h"
#include "ScenarioChecks.h"

#include <string>

class GameLaunch;
class JourneyReport;

// Plays one scenario in this process: the whole game started headless as a
// player starts it, the random seed fixed, one frame every 1/60 s, each input
// fed at the start of its frame. Along the way it logs when the game state
// and the intro step change (the times a scenario's author needs); at the end
// it checks every expectation and writes a description of the end state, so
// that two runs can be compared.
//
// A run keeps its files in a folder of its own: saves/, assets/ when the
// scenario plays on a copy, and end-state.txt.
class ScenarioRun
{
public:
    ScenarioRun(const Scenario& scenario, const std::string& folder);

    // Plays the scenario, then ends the process: 0 when every expectation
    // held, 1 otherwise (the game's managers live as long as the process).
    [[noreturn]] void playAndExit();

    static std::string endStatePath(const std::string& folder);

private:
    void play(JourneyReport& report);
    bool prepareFolders(JourneyReport& report);
    void feed(GameLaunch& game, const ScenarioInput& input, JourneyReport& report);
    void setUp(const ScenarioInput& input, JourneyReport& report);
    void noteChanges(JourneyReport& report, int frame);
    void checkExpectations(JourneyReport& report);
    void writeEndState(JourneyReport& report);
    std::string where(int line) const;

    const Scenario& _scenario;
    std::string _folder;
    ScenarioFolders _folders;
    int _state = -1;
    int _introStep = -1;
    int _runEndStep = 0;
};
