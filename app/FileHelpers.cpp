#include "app/FileHelpers.h"

#include "cocos2d.h"
#include "platform/GamePaths.h"

#include <cstdio>
#include <fstream>

std::vector<std::string> readLines(const std::string& path)
{
    // Files of the saves and assets folders are found wherever those folders
    // are; any other name goes through the engine's search paths.
    const std::string source = GamePaths::fileExists(path) ? GamePaths::resolve(path) : path;
    const std::string data = cocos2d::FileUtils::getInstance()->getStringFromFile(source);
    return splitTextLines(data);
}

std::vector<std::string> splitTextLines(const std::string& data)
{
    std::vector<std::string> lines;
    std::string line;
    bool started = false;
    bool comment = false;

    auto endLine = [&]() {
        if (!line.empty() && !comment)
            lines.push_back(line);
        line.clear();
        started = false;
        comment = false;
    };

    for (char c : data)
    {
        if (c == '\n')
        {
            endLine();
            continue;
        }
        if (!started)
        {
            if (c == ' ' || c == '\t')
                continue;
            started = true;
        }
        if (comment)
            continue;
        if (c == '#' && line.empty())
        {
            comment = true;
            continue;
        }
        line += c;
    }
    endLine();
    return lines;
}

bool writeFileAtomically(const std::string& path, const std::string& text)
{
    const std::string target = GamePaths::resolve(path);
    const std::string temporary = target + ".tmp";
    {
        std::ofstream out(temporary, std::ios::binary | std::ios::trunc);
        if (!out)
            return false;
        out << text;
        out.flush();
        if (!out)
        {
            out.close();
            std::remove(temporary.c_str());
            return false;
        }
    }
    if (std::rename(temporary.c_str(), target.c_str()) != 0)
    {
        std::remove(temporary.c_str());
        return false;
    }
    return true;
}
