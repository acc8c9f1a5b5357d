// Feeds arbitrary bytes to the saved game state reader as "gamestate.dat" in
// a scratch saves folder, on a fresh profile each time. A state it takes must
// save and read back as the same state.
#include <cstdint>
#include <cstdlib>
#include <vector>

#include "FuzzFolder.h"
#include "app/Achievements.h"
#include "app/GameInterface.h"
#include "app/StatEngine.h"
#include "platform/StatsStore.h"
#include "ui/menus/TutorialEngine.h"

namespace {

const FuzzFolder& folder()
{
    static const FuzzFolder scratch("tallowind-fuzz-gamestate");
    return scratch;
}

struct Progress
{
    int character;
    bool tutorials;
    bool alternate;
    std::vector<bool> unlocked;

    bool operator==(const Progress& other) const
    {
        return character == other.character && tutorials == other.tutorials && alternate == other.alternate &&
               unlocked == other.unlocked;
    }
};

Progress current()
{
    Progress progress{GameInterface::getInstance()->playerCharacter, TutorialEngine::getInstance()->enabled,
                      GameInterface::getInstance()->alternateMovement, {}};
    for (const UnlockEntry& entry : Achievements::getInstance()->unlockList())
        progress.unlocked.push_back(entry.unlocked);
    return progress;
}

void forgetProgress()
{
    StatEngine::getInstance()->reset();
    Achievements::getInstance()->reset();
    GameInterface::getInstance()->playerCharacter = -1;
    GameInterface::getInstance()->alternateMovement = false;
}

}  // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***)
{
    folder().useAsSavesFolder();
    // No statistics store: saves write only the game state.
    StatsStore::getInstance()->shutdown();
    GameInterface::getInstance();
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    folder().empty();
    forgetProgress();
    folder().write(StatEngine::kFileName, data, size);
    StatEngine* stats = StatEngine::getInstance();
    stats->loadGameState();
    const Progress loaded = current();

    // Whatever was read is what the next save keeps and the next start reads.
    stats->saveGameState();
    forgetProgress();
    stats->loadGameState();
    if (!(current() == loaded))
        std::abort();
    return 0;
}
