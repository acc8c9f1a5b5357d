#include "app/HighScores.h"

#include "app/ByteReader.h"
#include "app/ByteWriter.h"
#include "app/FileNotices.h"
#include "app/GameFolders.h"
#include "app/GameInterface.h"
#include "app/SavedFile.h"
#include "app/StringHelpers.h"
#include "platform/GamePaths.h"

#include <algorithm>
#include <cstdio>
#include <limits>

namespace {

constexpr size_t kInitialsBytes = 4;
constexpr size_t kEntryBytes = kInitialsBytes + 2;
constexpr size_t kFileHeadBytes = 8;
// The older file: three blocks of ten entries, one per zone, no head.
constexpr size_t kOldFileBytes = 3 * HighScores::kEntriesPerTable * kEntryBytes;
constexpr int32_t kNormalMode = 0;
const char* const kLeftAlone = "it could not be read, so it is left as it is\nand new scores are not saved over it.";
HighScores* madeStore = nullptr;

std::string scorePath(const char* name)
{
    return savesFolder() + name;
}

// At most three characters up to the first NUL; a character that is not
// printable, or the colour mark, would garble the table and becomes a blank.
std::string cleanInitials(const std::string& raw)
{
    std::string initials;
    for (char c : raw)
    {
        if (c == '\0' || initials.size() == 3)
            break;
        const bool printable = c >= ' ' && c <= '~' && c != '`';
        initials += printable ? c : ' ';
    }
    return initials;
}

int16_t clampToStoredScore(int32_t score)
{
    return static_cast<int16_t>(std::clamp<int32_t>(score, std::numeric_limits<int16_t>::min(),
                                                    std::numeric_limits<int16_t>::max()));
}

bool readEntry(ByteReader& in, HighScoreEntry& entry)
{
    std::string raw;
    int16_t score = 0;
    if (!in.getFixed(kInitialsBytes, raw) || !in.getI16(score))
        return false;
    entry.initials = cleanInitials(raw);
    entry.score = score;
    return true;
}

}

HighScores::HighScores()
{
    load();
    madeStore = this;
}

HighScores* HighScores::existingInstance()
{
    return madeStore;
}

void HighScores::load()
{
    const std::string path = scorePath(kFileName);
    std::string bytes;
    bool haveTables = false;
    bool keptWhatReads = false;
    saveBlocked = false;
    switch (SavedFile::read(path, bytes))
    {
    case SavedFile::ReadResult::Read:
    {
        size_t badOffset = 0;
        std::string problem;
        haveTables = readTables(bytes, badOffset, problem);
        keptWhatReads = !haveTables && !tables.empty();
        if (!haveTables)
            keepDamagedFileAside(path, badOffset, problem);
        break;
    }
    case SavedFile::ReadResult::Unreadable:
        // Writing over scores we could not read would lose them.
        saveBlocked = true;
        FileNotices::getInstance()->readProblem(path, kLeftAlone);
        break;
    case SavedFile::ReadResult::Missing:
        break;
    }
    if (haveTables)
    {
        // The older file is imported once, into a new score file; with one in
        // place the import has been made, and the old file is left alone.
        if (GamePaths::fileExists(scorePath(kOldFileName)))
            std::fprintf(stderr, "Tallowind: %s is left as it is; its scores were taken over before\n",
                         kOldFileName);
        return;
    }
    if (keptWhatReads)
    {
        addMissingTables();
        save();
        return;
    }
    createDefaults();
    if (GamePaths::fileExists(scorePath(kOldFileName)))
        importOldFile();
    else
        save();
}

void HighScores::keepDamagedFileAside(const std::string& path, size_t badOffset, const std::string& problem)
{
    const std::string aside = SavedFile::rejectCorrupt(path, badOffset, problem);
    saveBlocked = aside.empty();
    const std::string kept = tables.empty() ? "it could not be read: the high scores start afresh,"
                                            : "it was damaged: the tables before the damage are kept,";
    FileNotices::getInstance()->readProblem(
        path, saveBlocked ? kLeftAlone : kept + "\nand the file as it was is kept as " + GamePaths::fileName(aside) + ".");
}

void HighScores::importOldFile()
{
    const std::string oldPath = scorePath(kOldFileName);
    std::string bytes;
    if (SavedFile::read(oldPath, bytes) != SavedFile::ReadResult::Read)
    {
        save();
        return;
    }
    if (!readOldFile(bytes))
    {
        SavedFile::rejectCorrupt(oldPath, std::min(bytes.size(), kOldFileBytes),
                                 formatString("the file is %zu bytes, not %zu", bytes.size(), kOldFileBytes));
        save();
        return;
    }
    // The old file goes only once its scores are safely in the new one.
    if (save())
        GamePaths::deleteFile(oldPath);
}

bool HighScores::readOldFile(const std::string& bytes)
{
    if (bytes.size() != kOldFileBytes)
        return false;
    ByteReader in(bytes);
    for (int32_t zone = 0; zone < kZones; ++zone)
    {
        HighScoreTable* table = findTable(zone, 0, 0);
        if (!table)
            break;
        for (HighScoreEntry& entry : table->entries)
            readEntry(in, entry);
    }
    return true;
}

bool HighScores::readTables(const std::string& bytes, size_t& badOffset, std::string& problem)
{
    // Each whole table is taken as it is read, so a file damaged further on
    // keeps every table before the damage.
    tables.clear();
    ByteReader in(bytes);
    uint32_t version = 0;
    uint32_t count = 0;
    if (!in.getU32(version) || !in.getU32(count))
    {
        problem = formatString("the file is %zu bytes, shorter than its %zu-byte head", bytes.size(), kFileHeadBytes);
        return false;
    }

    for (uint32_t t = 0; t < count; ++t)
    {
        badOffset = in.offset();
        uint32_t difficulty = 0, zone = 0, mode = 0, entries = 0;
        if (!in.getU32(difficulty) || !in.getU32(zone) || !in.getU32(mode) || !in.getU32(entries))
        {
            problem = formatString("table %u of %u is cut short", t + 1, count);
            return false;
        }
        if (difficulty >= kDifficulties || zone >= kZones || mode >= kModeIndices)
        {
            problem = formatString("table %u has the unknown keys %u/%u/%u", t + 1, difficulty, zone, mode);
            return false;
        }
        if (entries > in.remaining() / kEntryBytes)
        {
            problem = formatString("table %u claims %u entries, more than the file holds", t + 1, entries);
            return false;
        }
        HighScoreTable table;
        table.keyDifficulty = static_cast<int32_t>(difficulty);
        table.keyZone = static_cast<int32_t>(zone);
        table.keyMode = static_cast<int32_t>(mode);
        table.entries.resize(entries);
        for (HighScoreEntry& entry : table.entries)
            readEntry(in, entry);
        // Ranking and display read exactly ten lines: the best ten are kept,
        // and a short table is filled with empty lines.
        table.entries.resize(kEntriesPerTable);
        tables.push_back(table);
    }
    if (in.remaining() != 0)
    {
        badOffset = in.offset();
        problem = formatString("%zu bytes follow the last table", in.remaining());
        return false;
    }
    return true;
}

void HighScores::createDefaults()
{
    tables.clear();
    addMissingTables();
}

void HighScores::addMissingTables()
{
    for (int32_t zone = 0; zone < kZones; ++zone)
    {
        for (int32_t mode = 0; mode < kModeIndices; ++mode)
        {
            for (int32_t difficulty = 0; difficulty < kDifficulties; ++difficulty)
            {
                if (findTable(zone, difficulty, mode))
                    continue;
                HighScoreTable table;
                table.keyZone = zone;
                table.keyMode = mode;
                table.keyDifficulty = difficulty;
                table.entries.resize(kEntriesPerTable);
                tables.push_back(table);
            }
        }
    }
}

std::string HighScores::encodeTables() const
{
    ByteWriter out;
    out.putU32(kFileVersion);
    out.putU32(static_cast<uint32_t>(tables.size()));
    for (const HighScoreTable& table : tables)
    {
        out.putU32(static_cast<uint32_t>(table.keyDifficulty));
        out.putU32(static_cast<uint32_t>(table.keyZone));
        out.putU32(static_cast<uint32_t>(table.keyMode));
        out.putU32(static_cast<uint32_t>(table.entries.size()));
        for (const HighScoreEntry& entry : table.entries)
        {
            out.putFixed(entry.initials.substr(0, 3), kInitialsBytes);
            out.putI16(entry.score);
        }
    }
    return out.bytes();
}

bool HighScores::save()
{
    if (saveBlocked)
        return false;
    const std::string path = scorePath(kFileName);
    unsaved = !FileNotices::getInstance()->saveResult(path, "your high scores", SavedFile::write(path, encodeTables()));
    return !unsaved;
}

void HighScores::saveIfUnsaved()
{
    if (unsaved)
        save();
}

HighScoreTable* HighScores::findTable(int32_t zone, int32_t difficulty, int32_t modeIndex)
{
    HighScoreTable* found = nullptr;
    for (HighScoreTable& table : tables)
    {
        if (table.keyDifficulty == difficulty && table.keyZone == zone && table.keyMode == modeIndex)
            found = &table;
    }
    return found;
}

HighScoreTable* HighScores::currentTable(int32_t zone)
{
    const GameInterface* game = GameInterface::getInstance();
    return findTable(zone, game->difficulty, game->mode - 1);
}

int32_t HighScores::rankOf(int32_t zone, int32_t score)
{
    const HighScoreTable* table = currentTable(zone);
    if (!table)
        return -1;
    for (size_t i = 0; i < table->entries.size(); ++i)
    {
        if (static_cast<int32_t>(table->entries[i].score) < score)
            return static_cast<int32_t>(i);
    }
    return -1;
}

bool HighScores::qualifies(int32_t zone, int32_t score)
{
    return rankOf(zone, score) != -1;
}

void HighScores::insertScore(int32_t zone, int32_t rank, int32_t score)
{
    if (GameInterface::getInstance()->mode == kNormalMode)
        return;
    HighScoreTable* table = currentTable(zone);
    if (!table || rank < 0 || rank >= static_cast<int32_t>(table->entries.size()))
        return;
    HighScoreEntry entry;
    entry.initials = cleanInitials(typedInitials);
    entry.initials.resize(3, ' ');
    entry.score = clampToStoredScore(score);
    table->entries.insert(table->entries.begin() + rank, entry);
    table->entries.pop_back();
    save();
}
