#pragma once
#include "actors/CleaningUnit.h"
#include "actors/FlyingMob.h"
#include "actors/MobSoundPlatform.h"
#include <cstdint>

// A droid that keeps the streets clean: it wanders until it finds litter,
// remains or a corpse within reach, flies over it, hovers there for six
// seconds with its announcements and takes it away. A corpse is reported to
// the police on the first hovering frame and leaves ashes behind; a citizen
// the player killed goes into the run's murder list when it is cleaned away.
// A body someone carries, or one sinking in water, is not for the cleaner.
class CleanerDroid : public FlyingMob, public MobSoundPlatform, public CleaningUnit
{
public:
    static constexpr int DefinitionId = 50;
    static constexpr float CleaningSeconds = 6.0f;
    static constexpr float SearchRadius = 640.0f;
    static constexpr float AnnouncementInterval = 5.0f;

    CleanerDroid();
    ~CleanerDroid() override;

    void update(float dt) override;
    virtual void updateSearching(float dt);
    virtual void updateCleaning(float dt);

    // The nearest thing to clean within reach that no other cleaner has taken, or null.
    GameObject* findNextTarget() const;
    // Whether the droid may take the object on (or go on with it).
    static bool isCleanable(const GameObject* object);

    float cleaningTime = 0.0f;
    int32_t serialNumber = 0;
    // 0 searching, 1 cleaning.
    int32_t cleaning = 0;

private:
    void takeTarget(GameObject* target);
    void finishCleaning();
    void cleanAwayBody(GameObject* body);
    bool isOverTarget() const;
};
