#pragma once
#include <string>

// Before the editor saves a map over its file, the file on disk is kept as a
// backup beside it ("<map>.bak"), so a map maker can always go back one save.
// A backup only ever holds a map that reads: a file on disk that does not is
// neither kept over the backup nor written over. The messages are short and
// name files without their folder, as the editor shows them on screen.
class MapEditorBackup
{
public:
    // The backup's path for a map file.
    static std::string backupPath(const std::string& mapPath);
    // Copies the map file to its backup. True when there is nothing to keep
    // or the backup was written; otherwise false with a message in error, and
    // the map file and old backup untouched: the save must not go on.
    static bool keep(const std::string& mapPath, std::string& error);
    // Saves the bytes over the map file and keeps the map that was there as
    // the backup. The new map is on the disk before the backup is replaced,
    // and the backup before the map, so a save that fails (a full disk) leaves
    // both files as they were. False with a message in error on failure.
    static bool saveOver(const std::string& mapPath, const std::string& bytes, std::string& error);
    // Removes what a save killed half way left in the map folder: the
    // temporaries of the zones' maps and their backups, nothing else.
    static void removeLeftovers(const std::string& mapFolder);

private:
    // Whether a name is that of a zone's map or its backup.
    static bool isMapFile(const std::string& fileName);
};
