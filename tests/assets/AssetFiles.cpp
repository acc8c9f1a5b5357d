#include "AssetFiles.h"
#include <filesystem>
#include <fstream>
#include <sstream>

namespace AssetFiles
{
std::string assetsDir()
{
    return std::string(TALLOWIND_SOURCE_DIR) + "/assets";
}

std::string toolPath(const std::string& tool)
{
    return std::string(TALLOWIND_BINARY_DIR) + "/tools/" + tool + "/" + tool;
}

bool exists(const std::string& relative)
{
    return std::filesystem::is_regular_file(assetsDir() + "/" + relative);
}

std::string read(const std::string& path)
{
    std::ifstream in(path, std::ios::binary);
    std::ostringstream s;
    s << in.rdbuf();
    return s.str();
}

std::vector<std::string> lines(const std::string& relative)
{
    std::vector<std::string> out;
    std::istringstream in(read(assetsDir() + "/" + relative));
    std::string line;
    while (std::getline(in, line))
    {
        size_t start = line.find_first_not_of(" \t");
        if (start == std::string::npos || line[start] == '#')
            continue;
        out.push_back(line.substr(start));
    }
    return out;
}

std::string Record::first(const std::string& key) const
{
    auto it = values.find(key);
    return it == values.end() || it->second.empty() ? std::string() : it->second.front();
}

int Record::id() const
{
    return std::atoi(first("id").c_str());
}

std::vector<Record> records(const std::string& relative, const std::string& word)
{
    std::vector<Record> out;
    bool open = false;
    Record current;
    for (const std::string& line : lines(relative))
    {
        if (line == word)
        {
            current = Record();
            open = true;
        }
        else if (line == "end")
        {
            if (open)
                out.push_back(current);
            open = false;
        }
        else if (open)
        {
            size_t eq = line.find('=');
            std::string key = eq == std::string::npos ? line : line.substr(0, eq);
            std::string value = eq == std::string::npos ? std::string() : line.substr(eq + 1);
            current.values[key].push_back(value);
        }
    }
    return out;
}
}
