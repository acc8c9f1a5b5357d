#pragma once
#include "cocos2d.h"
#include <array>
#include <cstdint>
#include <string>
#include <vector>

class ObjectDef;
class WeaponDef;
class Inventory;
class Line;
namespace cocos2d {
class Node;
class Sprite;
class Sprite3D;
}

// Everything placed on the city map: plain objects (furniture, litter, items,
// lures, cameras, effects) and, through the subclasses, mobs, flying robots
// and bullets. The definition is never owned. The object owns up to four
// display nodes: the main sprite, the "under" sprite (a light), the "over"
// sprite (a shadow, or a camera's sight line) and a 3D model.
class GameObject
{
public:
    enum Kind : int32_t { PlainObject = 0, WalkingMob = 1, FlyingRobot = 2 };
    static constexpr int32_t NoLevel = 999;

    GameObject(ObjectDef* definition, bool buildSpritesNow, int kind);
    // Virtual: placed objects of every class are deleted through this base.
    virtual ~GameObject();
    GameObject(const GameObject&) = delete;
    GameObject& operator=(const GameObject&) = delete;

    virtual void setPosition(cocos2d::Vec2 position);
    virtual void createSprites();
    virtual bool isDead() const;
    virtual bool isVisibleBody() const;
    virtual float getDiameter() const;
    virtual float getRadius() const;
    virtual bool canSee(cocos2d::Vec2 point, bool ignoreViewCone) const;
    virtual bool canHear(cocos2d::Vec2 point, float loudness) const;
    virtual void update(float dt);
    virtual cocos2d::Vec2 getSize() const;
    virtual bool isAnimated() const;
    virtual std::string getFileName() const;

    cocos2d::Vec2 getPosition() const { return position; }
    float getZ() const;
    void setHeightLevel(int level);
    void setRotation(float degrees);
    cocos2d::Vec2 getScreenPosition() const;
    void playAnimation(int id);
    void onAnimationFinished();
    void setFileIndex(int index);
    // Taken back from the ground: the countdown stops, and starts afresh when
    // the object is activated again.
    void disarm();
    cocos2d::Rect getBoundingBox() const;
    std::array<cocos2d::Vec2, 4> getCorners() const;
    bool intersectsSegment(const Line& line) const;
    bool overlaps(const GameObject* other) const;
    bool isOnUpperLevel() const;
    float relativeAngle(cocos2d::Vec2 point) const;
    void updateCell();
    cocos2d::Size getSpriteSize() const;
    bool isMob() const { return kind == WalkingMob; }
    bool isCircle() const;

    // --- fields ---
    WeaponDef* weaponDef = nullptr;
    Inventory* inventory = nullptr;
    bool armed = false;
    // Rounds in the magazine of a weapon item (items only).
    int32_t roundsLoaded = 0;
    bool stunned = false;
    bool inUpdateList = false;
    float emitterTimer = 0.0f;
    std::array<bool, 3> floatDown{};        // bobbing direction per axis x, y, z
    std::array<float, 3> floatOffset{};     // bobbing offset per axis x, y, z, within -3 .. 3
    float corpseTimer = -1.0f;
    bool carried = false;
    float despawnTimer = -1.0f;
    int32_t soundChannel = -1;
    int32_t fileIndex = 0;
    float viewAngle = 0.0f;
    float sightRange = 0.0f;
    float hearingRange = 0.0f;
    float sweepTarget = 0.0f;
    float watchTimer = 0.0f;
    GameObject* watchedObject = nullptr;
    int32_t watchMode = 0;
    int32_t watchId = -1;
    int32_t lastHitBy = 0;
    bool hitFlag = false;
    int32_t lastDamageType = 0;
    // What a dropped wallet holds, in credits, and whose it was (a citizen
    // id, -1 for nobody's): a steal contract's package carries its target's.
    int32_t value = 0;
    int32_t ownerId = -1;
    int32_t currentAnimation = -1;
    int32_t heightLevel = 0;
    float heading = 0.0f;
    cocos2d::Vec2 position;
    cocos2d::Vec2 cell;
    ObjectDef* def = nullptr;
    int32_t poseAnimation = 0;
    int32_t kind = PlainObject;
    int32_t mapTag = 0;
    int32_t buildingId = -1;
    bool filled = false;
    // Whether the object stands in one of the map's buckets (solid plain objects only).
    bool inBucket = false;
    // The display nodes. Those that GameObject::createSprites builds are held
    // by the object until releaseNodes; a subclass that puts a node of its own
    // here keeps it alive itself (in a parent) for as long as it is set.
    cocos2d::Sprite* mainSprite = nullptr;
    cocos2d::Sprite* underSprite = nullptr;
    cocos2d::Sprite* overSprite = nullptr;
    cocos2d::Sprite3D* model = nullptr;

    // Takes every display node off its parent and lets go of it.
    void releaseNodes();
    // Forgets, without touching them later, the nodes that hang under the
    // given parent and that the object does not hold itself: the parent is
    // about to drop all its children at once.
    void forgetNodesUnder(const cocos2d::Node* parent);

protected:
    void placeNodes(cocos2d::Vec3 offset);

private:
    // The nodes that createSprites made hold a reference of the object, so
    // they live as long as it refers to them, in a parent or not.
    void hold(cocos2d::Node* node);
    bool holds(const cocos2d::Node* node) const;
    std::vector<cocos2d::Node*> heldNodes;

    void buildModel();
    void buildFlatSprites();
    void buildCameraLine();
    void joinUpdateList();
    void updateBobbing(float dt);
    void updateEmitter(float dt);
    void emitPuff();
    void updateWatch(float dt);
    void scanForThreat();
    void updateCameraLine(float dt);
    void updateDespawn(float dt);
};
