#pragma once
#include <string>

#include "cocos2d.h"

// A game state known to the InterfaceManager by id, with optional calls made
// on the host node when the state is entered or left.
class GameMode : public cocos2d::Ref
{
public:
    GameMode(int modeId, std::string modeName);

    bool hasEnterCall() const;
    bool hasLeaveCall() const;
    // Make the enter or leave call at once, when there is one.
    void callEnter() const;
    void callLeave() const;

    int id;
    std::string name;
    cocos2d::Ref* enterTarget = nullptr;
    cocos2d::Ref* leaveTarget = nullptr;
    cocos2d::SEL_CallFunc enterSelector = nullptr;
    cocos2d::SEL_CallFunc leaveSelector = nullptr;
};
