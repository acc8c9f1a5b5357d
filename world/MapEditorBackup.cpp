#include "world/MapEditorBackup.h"

#include "platform/GamePaths.h"
#include "platform/SafeFileWriter.h"
#include "world/GameData.h"
#include "world/MapFileFormat.h"

#include <filesystem>
#include <fstream>
#include <sstream>
#include <system_error>

namespace fs = std::filesystem;

namespace {

std::string mapNotWritten(const SafeFileWriter& map)
{
    return "it could not be written:\n" + map.result().reason + ".";
}

}

std::string MapEditorBackup::backupPath(const std::string& mapPath)
{
    return mapPath + ".bak";
}

bool MapEditorBackup::keep(const std::string& mapPath, std::string& error)
{
    std::error_code ec;
    if (!fs::is_regular_file(mapPath, ec))
        return true;
    std::ifstream in(mapPath, std::ios::binary);
    std::ostringstream read;
    read << in.rdbuf();
    const std::string old = read.str();
    MapFileData onDisk;
    std::string unreadable;
    if (in.bad() || !MapFileFormat::parse(old, GamePaths::fileName(mapPath), onDisk, unreadable))
    {
        error = "the map on disk does not read as a map:\nit is left as it is, and so is its backup.";
        return false;
    }
    const SafeFileWriter::Result written = SafeFileWriter::write(backupPath(mapPath), old);
    if (!written)
        error = "its backup " + GamePaths::fileName(backupPath(mapPath)) + " could not be written:\n" +
                written.reason + ".";
    return written.written;
}

bool MapEditorBackup::saveOver(const std::string& mapPath, const std::string& bytes, std::string& error)
{
    // A save killed half way leaves its temporary files beside the map; the next save clears them.
    removeLeftovers(fs::path(mapPath).parent_path().string());
    SafeFileWriter map(mapPath);
    if (!map.stage(bytes))
    {
        error = mapNotWritten(map);
        return false;
    }
    // Not kept, the staged map goes with its writer.
    if (!keep(mapPath, error))
        return false;
    if (!map.commit())
    {
        error = mapNotWritten(map);
        return false;
    }
    return true;
}

void MapEditorBackup::removeLeftovers(const std::string& mapFolder)
{
    SafeFileWriter::removeLeftovers(mapFolder, isMapFile);
}

bool MapEditorBackup::isMapFile(const std::string& fileName)
{
    for (int zone = 0; zone < GameData::kZoneCount; ++zone)
    {
        const std::string map = GameData::levelName(zone) + ".map";
        if (fileName == map || fileName == backupPath(map))
            return true;
    }
    return false;
}
