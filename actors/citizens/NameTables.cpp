#include "actors/citizens/NameTables.h"

#include "app/StringHelpers.h"
#include "platform/GamePaths.h"

#include <cstdlib>
#include <fstream>

NameTables* NameTables::getInstance()
{
    static NameTables* instance = new NameTables(GamePaths::assetsDir() + "names/");
    return instance;
}

NameTables::NameTables(const std::string& folder)
{
    std::string base = folder;
    if (!base.empty() && base.back() != '/')
        base += '/';
    male_ = readList(base, kMaleFile, kMaleFirstNames);
    female_ = readList(base, kFemaleFile, kFemaleFirstNames);
    last_ = readList(base, kLastFile, kLastNames);
}

const std::string& NameTables::draw(const std::vector<std::string>& list)
{
    static const std::string none;
    if (list.empty())
        return none;
    return list[static_cast<size_t>(std::rand()) % list.size()];
}

std::vector<std::string> NameTables::readList(const std::string& folder, const char* file, int needed)
{
    std::vector<std::string> names;
    const std::string path = folder + file;
    std::ifstream in(path);
    if (!in)
    {
        problem_ += formatString("%s: the name list cannot be read\n", path.c_str());
        return names;
    }
    std::string line;
    int lineNumber = 0;
    while (std::getline(in, line))
    {
        ++lineNumber;
        if (!line.empty() && line.back() == '\r')
            line.pop_back();
        if (!line.empty())
            names.push_back(line);
    }
    if (static_cast<int>(names.size()) < needed)
    {
        problem_ += formatString("%s:%d: the name list ends after %d names; it needs %d\n", path.c_str(), lineNumber,
                                 static_cast<int>(names.size()), needed);
    }
    return names;
}
