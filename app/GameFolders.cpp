#include "app/GameFolders.h"

#include "platform/GamePaths.h"

std::string assetsFolder()
{
    return GamePaths::assetsDir();
}

std::string assetPath(const std::string& fileName)
{
    return assetsFolder() + fileName;
}

std::string savesFolder()
{
    return GamePaths::ensureSavesDir();
}
