#pragma once
#include "app/Singleton.h"
#include "platform/SafeFileWriter.h"

#include <deque>
#include <set>
#include <string>
#include <vector>

// Tells the player on screen, in plain words and naming the file, when the game
// goes on without something on disk: a save that could not be written (said
// once, and again only after that file was written in between), or a file it
// could read only in part or not at all (said once a file). A player never
// reads stderr; the full paths still go there.
//
// Notices may come before anything can be shown (the settings are read before
// the window opens); they wait until the driver's frame shows them.
class FileNotices : public Singleton<FileNotices>
{
public:
    // A file of the player's was not written. what says whose it is ("your
    // high scores"); reason why, in plain words ("the disk is full").
    void saveFailed(const std::string& path, const std::string& what, const std::string& reason);
    // The file was written: a later failure is news again.
    void saved(const std::string& path);
    // saveFailed or saved, by how the write went; returns whether it worked.
    bool saveResult(const std::string& path, const std::string& what, const SafeFileWriter::Result& result);
    // A file the game goes on without, wholly or in part; detail says what it
    // does instead ("the zone is empty").
    void readProblem(const std::string& path, const std::string& detail);

    bool hasPending() const { return !pendingSaves.empty() || !pendingReads.empty() || !ready.empty(); }
    // Queues the oldest waiting notice as a centred pop-up of the game driver
    // (failed saves told together share one). One at a time, each when the
    // screen is free, so none plays on unseen behind a picture or a window.
    void showNext();
    // Whether a pop-up text is one of these notices.
    bool isNotice(const std::string& text) const { return given.count(text) > 0; }

private:
    friend class Singleton<FileNotices>;
    FileNotices() = default;

    // Turns what is waiting into pop-up texts at the end of ready.
    void composePending();

    struct FailedSave
    {
        std::string fileName;
        std::string what;
        std::string reason;
    };

    std::vector<FailedSave> pendingSaves;
    std::vector<std::string> pendingReads;
    std::deque<std::string> ready;
    // Paths whose last write failed, and paths whose reading was already told.
    std::set<std::string> failing;
    std::set<std::string> told;
    // The texts handed out as pop-ups.
    std::set<std::string> given;
};
