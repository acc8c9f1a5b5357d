#pragma once
#include <string>
#include <vector>

// The three lists of given names and surnames that citizens are named from,
// read from the "names" folder of the assets. The game cannot name anyone
// without them, so a missing or short list is a start-up failure (problem()).
class NameTables
{
public:
    // The fewest names each list must hold: the citizens' odds were tuned on
    // lists of exactly these sizes (a longer list is read whole).
    static constexpr int kMaleFirstNames = 1224;
    static constexpr int kFemaleFirstNames = 4275;
    static constexpr int kLastNames = 9972;

    static constexpr const char* kMaleFile = "male_first_names.txt";
    static constexpr const char* kFemaleFile = "female_first_names.txt";
    static constexpr const char* kLastFile = "last_names.txt";

    // The game's lists, read from the assets folder on first use.
    static NameTables* getInstance();

    // Lists read from the given folder (ending in '/' or not).
    explicit NameTables(const std::string& folder);

    // Empty when all three lists were read whole; otherwise what is wrong,
    // one fault a line ("file: ...").
    const std::string& problem() const { return problem_; }

    const std::vector<std::string>& maleFirstNames() const { return male_; }
    const std::vector<std::string>& femaleFirstNames() const { return female_; }
    const std::vector<std::string>& lastNames() const { return last_; }

    // A name drawn with rand() over the list's own size; empty for an empty list.
    static const std::string& draw(const std::vector<std::string>& list);

private:
    // The names of one list, one a line (blank lines skipped, a trailing
    // carriage return dropped); notes a fault when the file is missing or short.
    std::vector<std::string> readList(const std::string& folder, const char* file, int needed);

    std::vector<std::string> male_;
    std::vector<std::string> female_;
    std::vector<std::string> last_;
    std::string problem_;
};
