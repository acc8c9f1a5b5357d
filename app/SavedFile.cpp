#include "app/SavedFile.h"

#include "app/DisplaySettings.h"
#include "app/FileHelpers.h"
#include "app/HighScores.h"
#include "app/StatEngine.h"
#include "platform/GamePaths.h"
#include "platform/StatsStore.h"

#include <cstdio>
#include <fstream>
#include <sstream>

namespace {

constexpr const char* kAsideSuffix = ".corrupt";

}

SavedFile::ReadResult SavedFile::read(const std::string& path, std::string& bytes)
{
    if (!GamePaths::fileExists(path))
        return ReadResult::Missing;
    std::ifstream in(GamePaths::resolve(path), std::ios::binary);
    if (!in)
    {
        std::fprintf(stderr, "Tallowind: %s: cannot be opened for reading\n", path.c_str());
        return ReadResult::Unreadable;
    }
    std::ostringstream buffer;
    buffer << in.rdbuf();
    if (in.bad())
    {
        std::fprintf(stderr, "Tallowind: %s: read error\n", path.c_str());
        return ReadResult::Unreadable;
    }
    bytes = buffer.str();
    return ReadResult::Read;
}

SafeFileWriter::Result SavedFile::write(const std::string& path, const std::string& bytes)
{
    return writeFileAtomically(path, bytes);
}

std::string SavedFile::rejectCorrupt(const std::string& path, size_t offset, const std::string& problem)
{
    const std::string real = GamePaths::resolve(path);
    const std::string aside = freeAsideName(real);
    if (std::rename(real.c_str(), aside.c_str()) != 0)
    {
        std::fprintf(stderr, "Tallowind: %s: offset %zu: %s; it could not be moved aside and is left as it is\n",
                     path.c_str(), offset, problem.c_str());
        return std::string();
    }
    std::fprintf(stderr, "Tallowind: %s: offset %zu: %s; the file is kept as %s\n", path.c_str(), offset,
                 problem.c_str(), aside.c_str());
    return aside;
}

std::string SavedFile::copyAside(const std::string& path)
{
    const std::string aside = freeAsideName(GamePaths::resolve(path));
    // The copy is the only one of what the file held: it is on the disk before
    // the save that follows replaces the file.
    std::string bytes;
    SafeFileWriter::Result copied;
    if (read(path, bytes) == ReadResult::Read)
        copied = SafeFileWriter::write(aside, bytes);
    else
        copied.reason = "it could not be read";
    if (!copied)
    {
        std::fprintf(stderr, "Tallowind: %s: could not be copied aside to %s (%s); it is not written over\n",
                     path.c_str(), aside.c_str(), copied.reason.c_str());
        return std::string();
    }
    std::fprintf(stderr, "Tallowind: %s: the file as it was is kept as %s\n", path.c_str(), aside.c_str());
    return aside;
}

std::string SavedFile::freeAsideName(const std::string& path)
{
    const std::string base = path + kAsideSuffix;
    std::string name = base;
    for (int number = 2; GamePaths::fileExists(name) || GamePaths::folderExists(name); ++number)
        name = base + std::to_string(number);
    return name;
}

bool SavedFile::isSavesFile(const std::string& fileName)
{
    for (const char* saved : {kSettingsFileName, StatEngine::kFileName, HighScores::kFileName, StatsStore::kFileName})
    {
        const std::string aside = std::string(saved) + kAsideSuffix;
        if (fileName == saved)
            return true;
        // The copies aside are numbered once the first name is taken.
        if (fileName.compare(0, aside.size(), aside) == 0 &&
            fileName.find_first_not_of("0123456789", aside.size()) == std::string::npos)
            return true;
    }
    return false;
}

void SavedFile::removeLeftovers(const std::string& savesFolder)
{
    SafeFileWriter::removeLeftovers(savesFolder, isSavesFile);
}
