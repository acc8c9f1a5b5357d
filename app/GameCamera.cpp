#include "app/GameCamera.h"

#include "actors/GameObject.h"
#include "world/WorldMap.h"

void GameCamera::setTarget(GameObject* object)
{
    target = object;
    if (!target)
        return;
    position = target->getPosition();
    showPosition();
}

void GameCamera::forget(const GameObject* object)
{
    if (object && target == object)
        target = nullptr;
}

void GameCamera::update(float dt)
{
    // The camera snaps to its target; the frame time plays no part.
    (void)dt;
    if (target)
        position = target->getPosition();
    showPosition();
}

void GameCamera::showPosition()
{
    WorldMap::getInstance()->setCameraCentre(position);
}
