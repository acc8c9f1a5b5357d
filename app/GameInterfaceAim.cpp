// The player's aim: how far the cursor lies beyond the weapon's range.
#include "app/GameInterface.h"
#include "actors/Player.h"
#include "app/Geometry.h"
#include "world/WeaponDef.h"
#include "world/WorldMap.h"

float GameInterface::aimFalloff() const
{
    const WeaponDef* weapon = player ? player->weapon() : nullptr;
    if (!weapon)
        return -1.0f;
    const cocos2d::Vec2 cursor = cursorSprite ? cursorSprite->getPosition() : cocos2d::Vec2::ZERO;
    // The cursor lives in game-layer units; the map point under it.
    const cocos2d::Vec2 aimPoint = cursor - WorldMap::getInstance()->pixelToScreen(cocos2d::Vec2::ZERO);
    return weapon->rangePenalty(fastDistance(player->getPosition(), aimPoint));
}
