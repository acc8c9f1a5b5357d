#pragma once
#include "app/Singleton.h"
#include "cocos2d.h"

// The comic-strip chapters, shown page by page.
// One node, made on first use and kept for the whole run.
class ComicEngine : public cocos2d::Node, public Singleton<ComicEngine>
{
private:
    friend class Singleton<ComicEngine>;
    ComicEngine();
};
