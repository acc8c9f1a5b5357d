#pragma once
#include "app/Singleton.h"
#include "cocos2d.h"

// The credits, opened from the menu.
// One node, made on first use and kept for the whole run.
class CreditScreen : public cocos2d::Node, public Singleton<CreditScreen>
{
private:
    friend class Singleton<CreditScreen>;
    CreditScreen();
};
