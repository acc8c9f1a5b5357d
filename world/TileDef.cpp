#include "world/TileDef.h"

TileDef::TileDef() : files{"white.png"} {}

bool TileDef::addFile(const std::string& fileName)
{
    if (fileCount >= kMaxFiles)
        return false;
    if (fileCount < static_cast<int>(files.size()))
        files[fileCount] = fileName;
    else
        files.push_back(fileName);
    ++fileCount;
    return true;
}

const std::string& TileDef::file(int index) const
{
    static const std::string none;
    if (index < 0 || index >= static_cast<int>(files.size()))
        return none;
    return files[index];
}

bool TileDef::sideBlocked(int side) const
{
    switch (side) {
    case 1: return north_blocked;
    case 2: return south_blocked;
    case 3: return west_blocked;
    case 4: return east_blocked;
    default: return false;
    }
}
