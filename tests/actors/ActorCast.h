#pragma once
// Walking citizens and flying robots for the actor-manager tests: real
// GameMob and FlyingMob actors with the citizen side that the NPC classes
// give them, recording what the manager asks of them.
#include "actors/CitizenActor.h"
#include "actors/CleaningUnit.h"
#include "actors/FlyingMob.h"
#include "actors/GameMob.h"
#include "actors/citizens/CitizenRecord.h"
#include <algorithm>
#include <memory>
#include <functional>
#include <vector>

class TestCitizen : public GameMob, public CitizenActor
{
public:
    explicit TestCitizen(ObjectDef* def, int id) : GameMob(def, true), record(id) {}
    ~TestCitizen() override
    {
        if (destroyed)
            *destroyed += 1;
    }

    void update(float dt) override
    {
        ++updates;
        if (onUpdate)
            onUpdate(this);
        GameMob::update(dt);
    }
    void onFlashbang(float duration) override { flashedFor = duration; }
    // As the NPC class has it: an actor's body is dead by its health.
    bool isDead() const override { return health < 1; }

    int citizenId() const override { return record; }
    bool isContact() const override { return contact; }
    bool isGangMember() const override { return gang; }
    bool knowsCitizen(int id) const override { return std::find(friends.begin(), friends.end(), id) != friends.end(); }
    bool isClaimedByCleaner() const override { return claimed; }
    const CitizenRecord* citizenRecord() const override { return identity.get(); }
    bool isContractTarget() const override { return contractTarget; }
    GameMob* principal() const override { return guarding; }
    int bodyguardMode() const override { return guardMode; }
    void followTo(cocos2d::Vec2 point) override { followed.push_back(point); }
    void onHeardSound(int loudness, cocos2d::Vec2 point) override
    {
        (void)loudness;
        heard.push_back(point);
    }
    bool forgetReferencesTo(const GameObject* object) override
    {
        if (culprit == object)
            culprit = nullptr;
        if (guarding != object)
            return false;
        guarding = nullptr;
        return true;
    }
    void releaseRoutine() override { routineReleased = true; }
    void setArmedTrait(float armed) override { armedTrait = armed; }
    void giveWeapon(int objectDefinitionId) override { givenWeapons.push_back(objectDefinitionId); }

    int record;
    // The citizen's identity, owned as the NPC owns its record; none unless a test gives one.
    std::unique_ptr<CitizenRecord> identity;
    bool contractTarget = false;
    bool contact = false;
    bool gang = false;
    std::vector<int> friends;
    bool claimed = false;
    GameMob* guarding = nullptr;
    int guardMode = 0;
    GameMob* culprit = nullptr;
    std::vector<cocos2d::Vec2> followed;
    std::vector<cocos2d::Vec2> heard;
    bool routineReleased = false;
    float armedTrait = 0.0f;
    std::vector<int> givenWeapons;
    float flashedFor = -1.0f;
    int updates = 0;
    int* destroyed = nullptr;
    std::function<void(TestCitizen*)> onUpdate;
};

class TestFlyer : public FlyingMob, public CleaningUnit
{
public:
    TestFlyer(ObjectDef* def, int type) : FlyingMob(def, true, 90.0f, 128.0f, 128.0f, 96.0f) { flyingType = type; }
    ~TestFlyer() override
    {
        if (destroyed)
            *destroyed += 1;
    }
    void update(float dt) override
    {
        ++updates;
        if (onUpdate)
            onUpdate(this);
        FlyingMob::update(dt);
    }

    int updates = 0;
    int* destroyed = nullptr;
    std::function<void(TestFlyer*)> onUpdate;
};
