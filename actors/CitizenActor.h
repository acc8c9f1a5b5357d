#pragma once
#include "cocos2d.h"

class CitizenRecord;
class GameMob;
class GameObject;

// What the actor manager asks of a walking citizen: its identity (the
// citizen record), a bodyguard's principal, and the references it keeps to
// other objects. The NPC class and its roles implement it; the manager finds
// it on any ground mob that has one.
class CitizenActor
{
public:
    // The citizen record's id, contact and gang-member flags, and its friends.
    virtual int citizenId() const = 0;
    virtual bool isContact() const = 0;
    virtual bool isGangMember() const = 0;
    virtual bool knowsCitizen(int id) const = 0;
    // The body is claimed by a cleaning droid.
    virtual bool isClaimedByCleaner() const = 0;
    // Who the citizen is (the murder list copies it) and whether it was the
    // target of a contract the player accepted.
    virtual const CitizenRecord* citizenRecord() const = 0;
    virtual bool isContractTarget() const = 0;

    // A bodyguard's principal (null for every other role) and its mode (0 guard, 1 combat).
    virtual GameMob* principal() const = 0;
    virtual int bodyguardMode() const = 0;
    virtual void followTo(cocos2d::Vec2 point) = 0;
    virtual void onHeardSound(int loudness, cocos2d::Vec2 point) = 0;

    // Drops every reference to an object leaving the game: the culprit of a
    // pending report and a bodyguard's principal. True when the principal
    // was the object (the bodyguard is then no longer needed).
    virtual bool forgetReferencesTo(const GameObject* object) = 0;
    // Destroys the current errand (the actor leaves the game).
    virtual void releaseRoutine() = 0;
    // Dead Trench Walking: the citizen's record is armed to the teeth, and a
    // citizen without a gun is given one.
    virtual void setArmedTrait(float armed) = 0;
    virtual void giveWeapon(int objectDefinitionId) = 0;

protected:
    ~CitizenActor() = default;
};
