#include "world/MapEditorBackup.h"

#include "world/MapFileFormat.h"

#include <filesystem>
#include <system_error>

namespace fs = std::filesystem;

std::string MapEditorBackup::backupPath(const std::string& mapPath)
{
    return mapPath + ".bak";
}

bool MapEditorBackup::keep(const std::string& mapPath, std::string& error)
{
    std::error_code ec;
    if (!fs::is_regular_file(mapPath, ec))
        return true;
    const std::string backup = backupPath(mapPath);
    MapFileData onDisk;
    std::string unreadable;
    if (!MapFileFormat::read(mapPath, onDisk, unreadable))
    {
        error = unreadable + "; it is left as it is, and so is " + backup + ".";
        return false;
    }
    const std::string temporary = backup + ".tmp";
    fs::copy_file(mapPath, temporary, fs::copy_options::overwrite_existing, ec);
    if (!ec)
        fs::rename(temporary, backup, ec);
    if (ec)
    {
        std::error_code ignored;
        fs::remove(temporary, ignored);
        error = "the old map could not be kept as " + backup + " (" + ec.message() + ").";
        return false;
    }
    return true;
}
