#pragma once
#include <string>

// The small binary files of the saves folder ("gamestate.dat", the high-score
// tables). They are the player's progress, so:
//  - every write goes to a temporary file that is renamed over the old one;
//  - a file that cannot be understood is reported and renamed aside (to
//    NAME.corrupt, or NAME.corrupt2 ... when that exists), never overwritten;
//  - a file only partly understood is copied aside before it is replaced.
class SavedFile
{
public:
    enum class ReadResult
    {
        Missing,    // no such file: the defaults apply
        Read,       // bytes holds the whole file
        Unreadable, // it exists but could not be read (reported)
    };

    static ReadResult read(const std::string& path, std::string& bytes);
    // False when the file could not be written; the old file is then untouched.
    static bool write(const std::string& path, const std::string& bytes);
    // Reports "path: offset N: problem", renames the file aside and returns the
    // new name (empty when it could not be moved; it is then left in place).
    static std::string rejectCorrupt(const std::string& path, size_t offset, const std::string& problem);

    // Copies the file aside (under the same names as rejectCorrupt) and
    // leaves it in place; returns the copy's name, empty when it failed.
    static std::string copyAside(const std::string& path);

private:
    static std::string freeAsideName(const std::string& path);
};
