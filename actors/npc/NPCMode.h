#pragma once
#include <cstdint>

// The walking NPC's behaviour machine. Each mode lives in a file of its own
// (NPCTravelMode.cpp, NPCActivityMode.cpp, ...) as three GameNPC members,
// enter, update and leave, all virtual so that the roles (bodyguard,
// contact, hunter) replace the ones they change. Every enter first leaves the
// current mode (GameNPC::leaveCurrentMode) and then sets the new one; the
// NPC's update runs the current mode's update once a frame.
enum NPCMode : int32_t
{
    ModeTravel = 0,
    ModeActivity = 1,
    ModeIdle = 2,
    ModeCombat = 3,
    ModeFlee = 4,
    ModeInvestigation = 5,
};

// What an NPC does while it pauses in activity mode. None lets the NPC choose.
enum ActivityKind : int32_t
{
    ActivityNone = 0,
    ActivityLook = 1,
    ActivityHear = 2,
    ActivitySmoke = 3,
    ActivityRead = 4,
};

// The picture floating above an NPC's head.
enum ThoughtBubble : int32_t
{
    BubbleNone = 0,
    BubbleSee = 1,
    BubbleHear = 2,
    BubbleScared = 3,
    BubbleCrime = 4,
    BubbleChat = 5,
};

// The role code an actor's shots carry, and so the killer code of a victim.
enum MobRole : int32_t
{
    RoleNobody = 0,
    RolePoliceDrone = 1,
    RolePlayer = 2,
    RoleGangMember = 3,
    RoleCitizen = 4,
    RoleTarget = 5,
    RoleBodyguard = 6,
    RoleHunter = 7,
};

const char* activityName(int32_t activity);
const char* modeName(int32_t mode);
const char* roleName(int32_t role);
// The bubble's image file; empty for none.
const char* bubbleImage(int32_t bubble);
