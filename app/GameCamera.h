#pragma once
#include "app/Singleton.h"
#include "cocos2d.h"

class GameObject;

// Decides which point of the city is at the centre of the screen. It follows
// one object, normally the player, and every frame hands its point to the
// world, which moves the view, the visible tiles and the sound listener.
// The camera does not own its target: whoever takes an object out of the
// game calls forget (or setTarget(nullptr)) first.
class GameCamera : public Singleton<GameCamera>
{
public:
    // Follows the object and snaps to it at once; null only stops following,
    // leaving the point and the view where they are.
    void setTarget(GameObject* object);
    // Clears the target when it is that object (an object leaving the game).
    void forget(const GameObject* object);
    // Once a frame, after the weather and the police: snaps to the target
    // and hands the point to the world, target or not.
    void update(float dt);

    // The camera point in world pixels.
    cocos2d::Vec2 position;
    GameObject* target = nullptr;

private:
    friend class Singleton<GameCamera>;
    GameCamera() = default;

    void showPosition();
};
