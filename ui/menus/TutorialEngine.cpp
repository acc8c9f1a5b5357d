#include "ui/menus/TutorialEngine.h"

#include "actors/GameMob.h"
#include "app/GameState.h"
#include "ui/menus/TutorialWorld.h"

namespace {

struct TutorialRow
{
    const char* image;
    int prerequisite;
};

// The tutorials in id order: the id is the index.
constexpr TutorialRow kTutorials[TutorialEngine::kEntryCount] = {
    {"Tutorial_01.png", -1}, // moving: the first free check of a run
    {"Tutorial_02.png", 0},  // the player has moved
    {"Tutorial_03.png", 1},  // a contract target is described
    {"Tutorial_04.png", -1}, // asked for: an NPC killed by the player
    {"Tutorial_05.png", -1}, // the police pursue the player
    {"Tutorial_06.png", -1}, // money to spend and a contact described
    {"Tutorial_07.png", -1}, // asked for: items bought, 7 to 13
    {"Tutorial_08.png", -1},
    {"Tutorial_09.png", -1},
    {"Tutorial_10.png", -1},
    {"Tutorial_11.png", -1},
    {"Tutorial_12.png", -1},
    {"Tutorial_13.png", -1},
    {"Tutorial_14.png", -1}, // the zone is The Docks
};

const char* const kFirstImage = "Tutorial_01.png";
const char* const kFirstImageAlternate = "Tutorial_01a.png";

constexpr int kMoveFirst = 0;
constexpr int kMoved = 1;
constexpr int kTargetDescribed = 2;
constexpr int kPolicePursuing = 4;
constexpr int kRichNearContact = 5;
constexpr int kTheDocks = 13;
constexpr int kDocksZone = 1;

}

TutorialEngine::TutorialEngine() : world(std::make_unique<TutorialWorld>())
{
    for (int id = 0; id < kEntryCount; ++id)
    {
        auto tutorial = std::make_unique<TutorialEntry>();
        tutorial->id = id;
        tutorial->prerequisite = kTutorials[id].prerequisite;
        tutorial->image = kTutorials[id].image;
        entries.push_back(std::move(tutorial));
    }
}

TutorialEngine::~TutorialEngine() = default;

void TutorialEngine::setWorld(std::unique_ptr<TutorialWorld> newWorld)
{
    if (newWorld)
        world = std::move(newWorld);
}

TutorialEntry* TutorialEngine::entry(int id) const
{
    if (id < 0 || id >= static_cast<int>(entries.size()))
        return nullptr;
    return entries[id].get();
}

bool TutorialEngine::isFree(const GameMob* player)
{
    return player && !player->weaponRaised && !player->carriedBody;
}

void TutorialEngine::request(int id)
{
    TutorialEntry* tutorial = entry(id);
    if (!enabled || !tutorial || tutorial->shown)
        return;
    const GameMob* player = world->player();
    if ((!player || isFree(player)) && !world->interactionWindowOpen())
        show(id);
    else
        tutorial->pending = true;
}

void TutorialEngine::show(int id)
{
    TutorialEntry* tutorial = entry(id);
    if (!enabled || !tutorial)
        return;
    tutorial->pending = false;
    cooldown = kShowCooldown;
    tutorial->shown = true;
    currentEntry = id;
    world->showPopup(tutorial->image);
}

void TutorialEngine::update(float dt)
{
    if (!enabled || world->gameState() != GameState::Playing || world->interactionWindowOpen())
        return;
    const GameMob* player = world->player();
    if (!player || player->health <= 0)
        return;
    if (cooldown > 0.0f)
    {
        cooldown -= dt;
        if (cooldown > 0.0f)
            return;
    }
    if (!isFree(player))
        return;
    for (const auto& tutorial : entries)
    {
        if (tutorial->shown)
            continue;
        const TutorialEntry* before = entry(tutorial->prerequisite);
        if (tutorial->prerequisite != TutorialEntry::kNoPrerequisite && (!before || !before->shown))
            continue;
        if (checkEntry(*tutorial, *player))
            return;
    }
}

bool TutorialEngine::checkEntry(TutorialEntry& tutorial, const GameMob& player)
{
    if (tutorial.pending || tutorial.id == kMoveFirst)
    {
        show(tutorial.id);
        return true;
    }
    if (tutorial.id == kMoved)
    {
        // The first look only notes where the player stands.
        if (firstPosition.x == -1.0f)
        {
            firstPosition = player.getPosition();
            return false;
        }
        if (player.getPosition() == firstPosition)
            return false;
        show(tutorial.id);
        return true;
    }
    if (!conditionHolds(tutorial.id))
        return false;
    show(tutorial.id);
    return true;
}

bool TutorialEngine::conditionHolds(int id)
{
    switch (id)
    {
    case kTargetDescribed:
        return world->targetDescribed();
    case kPolicePursuing:
        return world->policePursuing();
    case kRichNearContact:
        return world->richNearContact();
    case kTheDocks:
        return world->currentZone() == kDocksZone;
    default:
        // The others are shown only when asked for.
        return false;
    }
}

void TutorialEngine::reset()
{
    for (const auto& tutorial : entries)
        tutorial->shown = false;
}

void TutorialEngine::setAlternateImages(bool alternate)
{
    entries[kMoveFirst]->image = alternate ? kFirstImageAlternate : kFirstImage;
}

void TutorialEngine::markNotShown(int id)
{
    if (TutorialEntry* tutorial = entry(id))
        tutorial->shown = false;
}
