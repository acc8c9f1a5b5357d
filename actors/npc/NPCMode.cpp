#include "actors/npc/NPCMode.h"

namespace {
const char* const kActivityNames[] = {"None", "Look", "Hear", "Smoke", "Read"};
const char* const kModeNames[] = {"Travel", "Activity", "Idle", "Combat", "Flee", "Investigation"};
const char* const kRoleNames[] = {"[nobody]",       "Police Drone",         "player",    "gangmember",
                                  "fellow citizen", "assassination target", "bodyguard", "hunter"};
const char* const kBubbleImages[] = {"",
                                     "Thought_See.png",
                                     "Thought_Hear.png",
                                     "Thought_Scared.png",
                                     "Thought_Crime.png",
                                     "Thought_Chat.png"};

template <typename T, int N>
const char* lookUp(const T (&table)[N], int32_t index, const char* fallback)
{
    return index >= 0 && index < N ? table[index] : fallback;
}
}

const char* activityName(int32_t activity)
{
    return lookUp(kActivityNames, activity, "?");
}

const char* modeName(int32_t mode)
{
    return lookUp(kModeNames, mode, "?");
}

const char* roleName(int32_t role)
{
    return lookUp(kRoleNames, role, "?");
}

const char* bubbleImage(int32_t bubble)
{
    return lookUp(kBubbleImages, bubble, "");
}
