#pragma once
#include "app/Singleton.h"
#include "cocos2d.h"

// The choice between the two protagonists on a first start.
// One node, made on first use and kept for the whole run.
class CharSelectScreen : public cocos2d::Node, public Singleton<CharSelectScreen>
{
private:
    friend class Singleton<CharSelectScreen>;
    CharSelectScreen();
};
