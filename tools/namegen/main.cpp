// namegen: makes the citizens' name tables from public name lists shipped in
// npm packages (see assets/names/NOTICE.md). It keeps the names that the
// interface font can draw (plain letters, 2 to 12 of them), drops duplicates,
// sorts them and takes exactly the number the game draws from, spread evenly
// over the alphabet, one name a line.
// Usage: namegen <male list> <female list> <surname list> <output folder>
#include "OutputFolder.h"
#include <algorithm>
#include <cctype>
#include <cstdio>
#include <fstream>
#include <set>
#include <string>
#include <vector>

namespace
{
const size_t kMaleCount = 1224;
const size_t kFemaleCount = 4275;
const size_t kSurnameCount = 9972;

bool plainName(const std::string& s)
{
    if (s.size() < 2 || s.size() > 12 || !std::isupper(static_cast<unsigned char>(s[0])))
        return false;
    return std::all_of(s.begin(), s.end(), [](char c) { return std::isalpha(static_cast<unsigned char>(c)) != 0; });
}

bool readList(const std::string& path, std::vector<std::string>& out)
{
    std::ifstream in(path, std::ios::binary);
    if (!in)
    {
        std::fprintf(stderr, "cannot read %s\n", path.c_str());
        return false;
    }
    std::set<std::string> unique;
    std::string line;
    while (std::getline(in, line))
    {
        while (!line.empty() && (line.back() == '\r' || line.back() == ' '))
            line.pop_back();
        if (plainName(line))
            unique.insert(line);
    }
    out.assign(unique.begin(), unique.end());
    return true;
}

bool writeTable(const std::vector<std::string>& names, size_t count, const std::string& path)
{
    if (names.size() < count)
    {
        std::fprintf(stderr, "%s: only %zu usable names, %zu needed\n", path.c_str(), names.size(), count);
        return false;
    }
    std::string text;
    for (size_t i = 0; i < count; ++i)
        text += names[i * names.size() / count] + "\n";
    return writeTextFile(path, text);
}
}

int main(int argc, char** argv)
{
    if (argc != 5)
    {
        std::fprintf(stderr, "usage: namegen <male list> <female list> <surname list> <output folder>\n");
        return 2;
    }
    std::vector<std::string> male, female, surnames;
    if (!readList(argv[1], male) || !readList(argv[2], female) || !readList(argv[3], surnames))
        return 1;
    std::string out = joinPath(argv[4], "names");
    if (!makeFolders(out))
        return 1;
    bool ok = writeTable(male, kMaleCount, joinPath(out, "male_first_names.txt")) &&
              writeTable(female, kFemaleCount, joinPath(out, "female_first_names.txt")) &&
              writeTable(surnames, kSurnameCount, joinPath(out, "last_names.txt"));
    return ok ? 0 : 1;
}
