#pragma once
#include "Scenario.h"

#include <string>
#include <vector>

// Where one run of a scenario keeps its files.
struct ScenarioFolders
{
    std::string saves;
    std::string assets;
};

// The kinds of `expect` line and how each looks at the game when the run
// ends. A new kind is one row of the table in ScenarioChecks.cpp: its name,
// the arguments it takes and the function that reads the game.
class ScenarioChecks
{
public:
    // Empty when the runner knows the kind and the arguments fit it;
    // otherwise what is wrong, with the kind's usage.
    static std::string validate(const std::string& kind, const std::vector<std::string>& arguments);
    // Empty when the game holds the expectation; otherwise what it found.
    static std::string check(const ScenarioExpectation& expectation, const ScenarioFolders& folders);
    // The game state's name ("Playing"), or its number for one without a name.
    static std::string stateName(int state);
};
