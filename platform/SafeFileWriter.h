#pragma once
// The one way the game writes a file it must not lose (settings, game state, high scores,
// statistics, maps and their backups): after a crash, a kill or a power cut the file on disk is
// either the old one or the whole new one, never empty or half written.
//
//   1. stage():  the bytes go to a temporary file beside the target, under a name no other
//                process uses (the process id and a counter; created exclusively), and are
//                flushed to the disk (fsync);
//   2. commit(): the temporary file is renamed over the target and the folder is synced, so
//                the rename itself survives a power cut.
// A writer that is destroyed before commit() removes its temporary file. Splitting the two steps
// lets a caller stage two files and replace both only when both could be written.
//
// Every failure is kept with a reason in words a player understands ("the disk is full"); the
// target is then untouched.
#include <functional>
#include <string>

#include <sys/types.h>

class SafeFileWriter
{
public:
    struct Result
    {
        bool written = false;
        // Empty when written; otherwise what went wrong, in plain words.
        std::string reason;
        explicit operator bool() const { return written; }
    };

    explicit SafeFileWriter(std::string path);
    ~SafeFileWriter();
    SafeFileWriter(const SafeFileWriter&) = delete;
    SafeFileWriter& operator=(const SafeFileWriter&) = delete;

    // Writes the bytes to the temporary file and flushes them to the disk.
    bool stage(const std::string& bytes);
    // Renames the staged file over the target and syncs the folder.
    bool commit();
    const Result& result() const { return _result; }

    // stage() and commit() in one.
    static Result write(const std::string& path, const std::string& bytes);
    // Removes the temporary files that processes no longer running (killed half way through a
    // write) left in the folder for the files ours() names; those of running processes are
    // theirs and stay, and so does every file of another name, however much it looks like one.
    static void removeLeftovers(const std::string& folder, const std::function<bool(const std::string&)>& ours);

private:
    // The process that made a temporary file and the name of the file it was for, from the
    // temporary's name; 0 when the name is not a temporary's.
    static pid_t writerOf(const std::string& fileName, std::string& target);
    // The plain-words reason for an error number of a failed write.
    static std::string reasonFor(int errorNumber);
    bool fail(int errorNumber);
    void discardTemporary();
    static bool writeAll(int fd, const std::string& bytes);
    static void syncFolder(const std::string& folder);

    std::string _path;
    std::string _temporary;
    bool _staged = false;
    Result _result;
};
