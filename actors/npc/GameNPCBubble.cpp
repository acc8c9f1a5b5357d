// The thought bubble floating above an NPC's head.
#include "actors/npc/GameNPC.h"
#include "app/SpriteHelpers.h"
#include "world/WorldMap.h"

namespace {
constexpr int kBubbleZ = 1200;
constexpr float kBubbleFade = 0.2f;
const cocos2d::Vec2 kBubbleOffset(-6.0f, 6.0f);
}

void GameNPC::setThoughtBubble(int bubble)
{
    requestedBubble = bubble;
    refreshThoughtBubble();
}

void GameNPC::refreshThoughtBubble()
{
    if (requestedBubble == shownBubble)
        return;
    const std::string image = bubbleImage(requestedBubble);
    debugLog(this, "Setting thought bubble to: %s", image.c_str());
    if (!image.empty())
    {
        if (thoughtBubble)
            thoughtBubble->removeFromParent();
        thoughtBubble = createSprite(image);
        cocos2d::Node* world = WorldMap::getInstance()->worldNode;
        // The world node keeps the bubble alive; without one there is nowhere to show it.
        if (!world)
            thoughtBubble = nullptr;
        if (thoughtBubble)
        {
            thoughtBubble->setAnchorPoint(cocos2d::Vec2(1.0f, 0.0f));
            placeThoughtBubble();
            world->addChild(thoughtBubble, kBubbleZ);
            if (shownBubble == BubbleNone)
            {
                thoughtBubble->setOpacity(0);
                thoughtBubble->runAction(cocos2d::FadeTo::create(kBubbleFade, 255));
            }
        }
    }
    else if (thoughtBubble)
        thoughtBubble->runAction(cocos2d::FadeTo::create(kBubbleFade, 0));
    shownBubble = requestedBubble;
}

void GameNPC::placeThoughtBubble()
{
    if (thoughtBubble)
        thoughtBubble->setPosition(position + kBubbleOffset);
}
