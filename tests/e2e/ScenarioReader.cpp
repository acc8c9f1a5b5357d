#include "ScenarioReader.h"

#include "InputNames.h"
#include "ScenarioChecks.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <fstream>
#include <initializer_list>
#include <sstream>

namespace {

using Kind = ScenarioInput::Kind;

constexpr double kFramesPerSecond = 60.0;
// A scenario is a short stretch of play, not a soak run; no window is wider.
constexpr double kLargest = 3600.0;

// The release that ends a press of each kind.
Kind releaseOf(Kind press)
{
    switch (press)
    {
    case Kind::MouseDown:
        return Kind::MouseUp;
    case Kind::PadDown:
        return Kind::PadUp;
    default:
        return Kind::KeyUp;
    }
}

std::vector<std::string> wordsOf(const std::string& line)
{
    std::istringstream in(line.substr(0, line.find('#')));
    std::vector<std::string> words;
    for (std::string word; in >> word;)
        words.push_back(word);
    return words;
}

// Reads one file's statements into a scenario, gathering every problem.
class Reading
{
public:
    Reading(const std::string& path, Scenario& scenario, std::vector<DataFileProblem>& problems)
        : _path(path), _scenario(scenario), _problems(problems)
    {
    }

    void statement(const std::vector<std::string>& words, int line, const std::string& text);
    void finish();

private:
    void problem(const std::string& message) { _problems.push_back({_path, _line, message, DataFileProblem::Error}); }
    bool number(const std::string& word, const char* what, double& value);
    bool seconds(const std::string& word, double& value) { return number(word, "time in seconds", value); }
    bool wordCount(const std::vector<std::string>& words, size_t count, const char* usage);
    // A two-word setting such as "start editor": true when written so.
    bool setting(const std::vector<std::string>& words, const char* second, const char* usage);
    void readSeed(const std::vector<std::string>& words);
    void readEnd(const std::vector<std::string>& words);
    void readInput(const std::vector<std::string>& words);
    void readAction(const std::vector<std::string>& action);
    // Set-up statements: a situation brought about, not played.
    void readSetup(const std::vector<std::string>& action);
    void readHeld(const std::vector<std::string>& action, bool press, bool release, const std::string& usage);
    void readExpectation(const std::vector<std::string>& words, const std::string& text);
    // The press and code of a key (device and name the key's name), a mouse
    // button or a pad button; false when the name is unknown.
    bool inputCode(const std::string& device, const std::string& name, Kind& down, int& code);
    void add(Kind kind, int frame, int code, float x = 0.0f, float y = 0.0f);

    const std::string& _path;
    Scenario& _scenario;
    std::vector<DataFileProblem>& _problems;
    int _line = 0;
    int _frame = 0;
    bool _seeded = false;
    int _endFrame = -1;
    int _endLine = 0;
};

bool Reading::number(const std::string& word, const char* what, double& value)
{
    char* end = nullptr;
    value = std::strtod(word.c_str(), &end);
    if (word.empty() || *end != '\0' || !std::isfinite(value) || value < 0.0 || value > kLargest)
    {
        problem("'" + word + "' is no " + what + " (0 to 3600)");
        return false;
    }
    return true;
}

bool Reading::wordCount(const std::vector<std::string>& words, size_t count, const char* usage)
{
    if (words.size() == count)
        return true;
    problem(std::string("write it as: ") + usage);
    return false;
}

void Reading::statement(const std::vector<std::string>& words, int line, const std::string& text)
{
    _line = line;
    const std::string& verb = words[0];
    if (verb == "seed")
        readSeed(words);
    else if (verb == "start")
        _scenario.editor = setting(words, "editor", "start editor") || _scenario.editor;
    else if (verb == "assets")
        _scenario.assetsCopy = setting(words, "copy", "assets copy") || _scenario.assetsCopy;
    else if (verb == "at")
        readInput(words);
    else if (verb == "end")
        readEnd(words);
    else if (verb == "expect")
        readExpectation(words, text);
    else
        problem("'" + verb + "' starts no statement (seed, start editor, assets copy, at, end, expect)");
}

bool Reading::setting(const std::vector<std::string>& words, const char* second, const char* usage)
{
    if (words.size() == 2 && words[1] == second)
        return true;
    problem(std::string("write it as: ") + usage);
    return false;
}

void Reading::readSeed(const std::vector<std::string>& words)
{
    if (!wordCount(words, 2, "seed <whole number>"))
        return;
    char* end = nullptr;
    const unsigned long seed = std::strtoul(words[1].c_str(), &end, 10);
    if (*end != '\0' || words[1][0] == '-' || seed > 0xffffffffUL)
    {
        problem("'" + words[1] + "' is no seed (a whole number from 0 to 4294967295)");
        return;
    }
    if (_seeded)
        problem("a second seed");
    _seeded = true;
    _scenario.seed = static_cast<unsigned>(seed);
}

void Reading::readEnd(const std::vector<std::string>& words)
{
    double value = 0.0;
    if (!wordCount(words, 2, "end <seconds>") || !seconds(words[1], value))
        return;
    _endFrame = static_cast<int>(std::lround(value * kFramesPerSecond));
    _endLine = _line;
}

void Reading::readInput(const std::vector<std::string>& words)
{
    double value = 0.0;
    if (words.size() < 3)
    {
        problem("write it as: at <seconds> <what is pressed, moved or done>");
        return;
    }
    if (!seconds(words[1], value))
        return;
    const int frame = static_cast<int>(std::lround(value * kFramesPerSecond));
    if (frame < _frame)
        problem("the time goes back (" + words[1] + " s comes after a later input)");
    _frame = std::max(_frame, frame);
    readAction(std::vector<std::string>(words.begin() + 2, words.end()));
}

void Reading::readAction(const std::vector<std::string>& action)
{
    const std::string& verb = action[0];
    if (verb == "tap" || verb == "click" || verb == "pad")
    {
        // "tap E", "click left" and "pad A" are a press for one frame.
        std::vector<std::string> held = action;
        if (verb != "tap")
            held.insert(held.begin() + 1, verb == "click" ? "mouse" : "pad");
        const char* usage = verb == "tap"     ? "tap <key>"
                            : verb == "click" ? "click <left | right | middle>"
                                              : "pad <button>";
        readHeld(held, true, true, usage);
    }
    else if (verb == "press" || verb == "release" || verb == "hold")
        readHeld(action, verb != "release", verb != "press",
                 verb + " <key | mouse <button> | pad <button>>" + (verb == "hold" ? " <seconds>" : ""));
    else if (verb == "mouse")
    {
        double x = 0.0;
        double y = 0.0;
        if (action.size() != 3)
        {
            problem("write it as: at <seconds> mouse <x> <y> (window pixels from the top left)");
            return;
        }
        if (!number(action[1], "window pixel", x) || !number(action[2], "window pixel", y))
            return;
        add(Kind::MouseMove, _frame, 0, static_cast<float>(x), static_cast<float>(y));
    }
    else if (verb == "setup")
        readSetup(action);
    else
        problem("'" + verb + "' is no input (tap, press, release, hold, mouse, click, pad, setup)");
}

void Reading::readSetup(const std::vector<std::string>& action)
{
    double a = 0.0;
    double b = 0.0;
    const auto is = [&action](std::initializer_list<const char*> words) {
        if (action.size() < words.size() + 1)
            return false;
        size_t i = 1;
        for (const char* word : words)
            if (action[i++] != word)
                return false;
        return true;
    };
    if (is({"place", "player", "at", "cell"}) && action.size() == 7)
    {
        if (number(action[5], "cell", a) && number(action[6], "cell", b))
            add(Kind::PlacePlayer, _frame, 0, static_cast<float>(a), static_cast<float>(b));
    }
    else if (is({"give", "credits"}) && action.size() == 4)
    {
        if (number(action[3], "number of credits", a))
            add(Kind::GiveCredits, _frame, static_cast<int>(a));
    }
    else if (is({"give", "item"}) && action.size() == 4)
    {
        if (number(action[3], "object definition id", a))
            add(Kind::GiveItem, _frame, static_cast<int>(a));
    }
    else
        problem("write it as: at <seconds> setup place player at cell <x> <y> | setup give credits <n> | "
                "setup give item <definition id>");
}

void Reading::readHeld(const std::vector<std::string>& action, bool press, bool release, const std::string& usage)
{
    // A hold says for how long; a tap is one frame.
    const bool hold = action[0] == "hold";
    const bool device = action.size() > 1 && (action[1] == "mouse" || action[1] == "pad");
    const size_t used = device ? 2 : 1;
    if (action.size() != 1 + used + (hold ? 1 : 0))
    {
        problem("write it as: at <seconds> " + usage);
        return;
    }
    Kind down = Kind::KeyDown;
    int code = -1;
    if (!inputCode(action[1], device ? action[2] : action[1], down, code))
        return;
    int frames = 1;
    if (hold)
    {
        double length = 0.0;
        if (!seconds(action.back(), length))
            return;
        frames = std::max(1, static_cast<int>(std::lround(length * kFramesPerSecond)));
    }
    const Kind up = releaseOf(down);
    if (press)
        add(down, _frame, code);
    if (release)
        add(up, press ? _frame + frames : _frame, code);
}

bool Reading::inputCode(const std::string& device, const std::string& name, Kind& down, int& code)
{
    if (device == "mouse" || device == "pad")
    {
        down = device == "mouse" ? Kind::MouseDown : Kind::PadDown;
        code = device == "mouse" ? InputNames::mouseButton(name) : InputNames::padButton(name);
        if (code == -1)
            problem("'" + name + "' is no " + device + " button");
        return code != -1;
    }
    down = Kind::KeyDown;
    code = InputNames::key(name);
    if (code == -1)
        problem("'" + name + "' is no key");
    return code != -1;
}

void Reading::add(Kind kind, int frame, int code, float x, float y)
{
    ScenarioInput input;
    input.frame = frame;
    input.kind = kind;
    input.code = code;
    input.x = x;
    input.y = y;
    input.line = _line;
    _scenario.inputs.push_back(input);
}

void Reading::readExpectation(const std::vector<std::string>& words, const std::string& text)
{
    if (words.size() < 2)
    {
        problem("write it as: expect <what> <value>");
        return;
    }
    ScenarioExpectation expectation;
    expectation.kind = words[1];
    expectation.arguments.assign(words.begin() + 2, words.end());
    expectation.line = _line;
    expectation.text = text;
    const std::string wrong = ScenarioChecks::validate(expectation.kind, expectation.arguments);
    if (!wrong.empty())
    {
        problem(wrong);
        return;
    }
    _scenario.expectations.push_back(expectation);
}

void Reading::finish()
{
    _line = 0;
    if (!_seeded)
        problem("no seed line");
    // Releases of holds may come after inputs written later: feed by frame.
    std::stable_sort(_scenario.inputs.begin(), _scenario.inputs.end(),
                     [](const ScenarioInput& a, const ScenarioInput& b) { return a.frame < b.frame; });
    const int lastInput = _scenario.inputs.empty() ? 0 : _scenario.inputs.back().frame;
    if (_endFrame == -1)
    {
        _scenario.endFrame = lastInput + static_cast<int>(kFramesPerSecond);
        return;
    }
    if (_endFrame <= lastInput)
    {
        _line = _endLine;
        problem("the run ends before its last input");
    }
    _scenario.endFrame = _endFrame;
}

}

bool ScenarioReader::read(const std::string& path, Scenario& scenario, std::vector<DataFileProblem>& problems)
{
    scenario = Scenario();
    scenario.file = path;
    const size_t before = problems.size();
    std::ifstream in(path);
    if (!in)
    {
        problems.push_back({path, 0, "cannot be read", DataFileProblem::Error});
        return false;
    }
    Reading reading(path, scenario, problems);
    std::string line;
    for (int number = 1; std::getline(in, line); ++number)
    {
        const std::vector<std::string> words = wordsOf(line);
        if (!words.empty())
        {
            std::string text = line.substr(0, line.find('#'));
            text.erase(text.find_last_not_of(" \t\r") + 1);
            text.erase(0, text.find_first_not_of(" \t"));
            reading.statement(words, number, text);
        }
    }
    reading.finish();
    return problems.size() == before;
}
