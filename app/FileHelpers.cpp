#include "app/FileHelpers.h"

#include "cocos2d.h"
#include "platform/GamePaths.h"

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

SafeFileWriter::Result writeFileAtomically(const std::string& path, const std::string& text)
{
    return SafeFileWriter::write(GamePaths::resolve(path), text);
}
