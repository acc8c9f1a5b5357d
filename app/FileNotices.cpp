#include "app/FileNotices.h"

#include "app/GameInterface.h"

#include "platform/GamePaths.h"

#include <cstdio>

void FileNotices::saveFailed(const std::string& path, const std::string& what, const std::string& reason)
{
    if (!failing.insert(path).second)
        return;
    std::fprintf(stderr, "Tallowind: %s: not saved: %s\n", path.c_str(), reason.c_str());
    pendingSaves.push_back({GamePaths::fileName(path), what, reason});
}

void FileNotices::saved(const std::string& path)
{
    failing.erase(path);
}

bool FileNotices::saveResult(const std::string& path, const std::string& what, const SafeFileWriter::Result& result)
{
    if (result)
        saved(path);
    else
        saveFailed(path, what, result.reason);
    return result.written;
}

void FileNotices::readProblem(const std::string& path, const std::string& detail)
{
    if (!told.insert(path).second)
        return;
    pendingReads.push_back("`@Trouble with " + GamePaths::fileName(path) + ":`7\n" + detail);
}

void FileNotices::composePending()
{
    while (!pendingSaves.empty())
    {
        const std::string reason = pendingSaves.front().reason;
        std::string text = "`@Not saved (" + reason + "):`7";
        for (auto it = pendingSaves.begin(); it != pendingSaves.end();)
        {
            if (it->reason != reason)
            {
                ++it;
                continue;
            }
            text += "\n" + it->what + " (" + it->fileName + ")";
            it = pendingSaves.erase(it);
        }
        ready.push_back(text);
    }
    ready.insert(ready.end(), pendingReads.begin(), pendingReads.end());
    pendingReads.clear();
}

void FileNotices::showNext()
{
    composePending();
    if (ready.empty())
        return;
    given.insert(ready.front());
    GameInterface::getInstance()->queueMessage(ready.front(), true);
    ready.pop_front();
}
