#include "JourneyReport.h"

#include <cstdio>
#include <cstdlib>
#include <utility>

JourneyReport::JourneyReport(std::string name) : _name(std::move(name))
{
}

void JourneyReport::note(const std::string& text)
{
    // One line a note, whatever the game's texts hold.
    std::string line = text;
    for (char& c : line)
        if (c == '\n')
            c = '|';
    std::printf("[%s] %s\n", _name.c_str(), line.c_str());
    std::fflush(stdout);
}

bool JourneyReport::check(bool condition, const std::string& problem)
{
    if (!condition)
    {
        _problems.push_back(problem);
        note("PROBLEM: " + problem);
    }
    return condition;
}

bool JourneyReport::require(bool condition, const std::string& problem)
{
    if (!check(condition, problem))
        _stopped = true;
    return condition;
}

void JourneyReport::runAndExit(const std::string& name, const std::function<void(JourneyReport&)>& journey)
{
    int code = 0;
    {
        JourneyReport report(name);
        journey(report);
        for (const std::string& problem : report.problems())
            std::fprintf(stderr, "%s: %s\n", name.c_str(), problem.c_str());
        if (report.stopped())
            std::fprintf(stderr, "%s: the journey stopped early\n", name.c_str());
        code = report.passed() ? 0 : 1;
    }
    std::fflush(stdout);
    std::fflush(stderr);
    // A normal exit, as when the player closes the game: the process-wide
    // managers' own clean-up runs too.
    std::exit(code);
}
