// Feeds arbitrary bytes to the high-score reader in a scratch saves folder.
// The first byte picks the files: the score file "tallowind_hs.dat", the old
// "highscores.dat" to import, or both with the same bytes. Every table read
// must hold ten entries with keys and initials the screens can show, and the
// next start must read the same tables from what this one left behind.
#include <cstdint>
#include <cstdlib>
#include <vector>

#include "FuzzFolder.h"
#include "app/HighScores.h"

namespace {

const FuzzFolder& folder()
{
    static const FuzzFolder scratch("tallowind-fuzz-highscores");
    return scratch;
}

bool showable(const HighScoreTable& table)
{
    if (table.keyZone < 0 || table.keyZone >= HighScores::kZones || table.keyMode < 0 ||
        table.keyMode >= HighScores::kModeIndices || table.keyDifficulty < 0 ||
        table.keyDifficulty >= HighScores::kDifficulties ||
        table.entries.size() != static_cast<size_t>(HighScores::kEntriesPerTable))
        return false;
    for (const HighScoreEntry& entry : table.entries) {
        if (entry.initials.size() > 3)
            return false;
        for (char c : entry.initials) {
            if (c < ' ' || c > '~' || c == '`')
                return false;
        }
    }
    return true;
}

bool same(const std::vector<HighScoreTable>& a, const std::vector<HighScoreTable>& b)
{
    if (a.size() != b.size())
        return false;
    for (size_t t = 0; t < a.size(); ++t) {
        if (a[t].keyZone != b[t].keyZone || a[t].keyMode != b[t].keyMode ||
            a[t].keyDifficulty != b[t].keyDifficulty || a[t].entries.size() != b[t].entries.size())
            return false;
        for (size_t e = 0; e < a[t].entries.size(); ++e) {
            if (a[t].entries[e].initials != b[t].entries[e].initials || a[t].entries[e].score != b[t].entries[e].score)
                return false;
        }
    }
    return true;
}

}  // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***)
{
    folder().useAsSavesFolder();
    HighScores::getInstance();
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    if (size == 0)
        return 0;
    const int files = data[0] % 3;
    folder().empty();
    if (files != 1)
        folder().write(HighScores::kFileName, data + 1, size - 1);
    if (files != 0)
        folder().write(HighScores::kOldFileName, data + 1, size - 1);

    HighScores* scores = HighScores::getInstance();
    scores->load();
    const std::vector<HighScoreTable> first = scores->tableList();
    for (const HighScoreTable& table : first) {
        if (!showable(table))
            std::abort();
    }

    scores->load();
    if (!same(first, scores->tableList()))
        std::abort();
    return 0;
}
