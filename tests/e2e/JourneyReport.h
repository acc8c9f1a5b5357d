#pragma once
#include <functional>
#include <string>
#include <vector>

// What one play-through saw. Each journey runs in a child process of its own
// (the game's managers live for the whole process), so it cannot use the
// test framework's assertions: it writes what it saw to standard output,
// gathers every problem instead of stopping at the first, and ends the
// process with 0 when nothing went wrong, 1 otherwise (the problems go to
// standard error, where the test shows them).
class JourneyReport
{
public:
    explicit JourneyReport(std::string name);

    // One line of what the player would see.
    void note(const std::string& text);
    // A problem when the condition is false; the journey goes on.
    bool check(bool condition, const std::string& problem);
    // A problem that makes the rest of the journey meaningless.
    bool require(bool condition, const std::string& problem);

    bool stopped() const { return _stopped; }
    bool passed() const { return _problems.empty(); }
    const std::vector<std::string>& problems() const { return _problems; }

    // Runs the journey, then ends the process with its verdict. The journey's
    // own locals (a private X server, say) are gone before the process ends.
    [[noreturn]] static void runAndExit(const std::string& name, const std::function<void(JourneyReport&)>& journey);

private:
    std::string _name;
    std::vector<std::string> _problems;
    bool _stopped = false;
};
