// The display side of GameObject: building, placing, turning and animating
// its nodes, and the sweep of a security camera's sight line.
#include "actors/GameObject.h"
#include "2d/Animation.h"
#include "2d/Sprite.h"
#include "3d/Sprite3D.h"
#include "app/GameCamera.h"
#include "app/Geometry.h"
#include "app/ParticleMaker.h"
#include "app/SpriteHelpers.h"
#include "renderer/Texture2D.h"
#include "world/AnimationDef.h"
#include "world/ObjectDef.h"
#include "world/WorldMap.h"
#include <algorithm>
#include <cmath>
#include <cstdlib>

namespace {
const cocos2d::Texture2D::TexParams PixelArtParams = {GL_NEAREST, GL_NEAREST, GL_CLAMP_TO_EDGE, GL_CLAMP_TO_EDGE};
constexpr float SweepSpeed = 64.0f;

// An object or tile without that image name simply has no such sprite.
cocos2d::Sprite* makeSprite(const std::string& file)
{
    return file.empty() ? nullptr : createSprite(file);
}

void detach(cocos2d::Node* node)
{
    if (!node)
        return;
    if (node->getParent())
        node->removeFromParentAndCleanup(true);
    else
        node->stopAllActions();
}
}

void GameObject::hold(cocos2d::Node* node)
{
    if (!node)
        return;
    node->retain();
    heldNodes.push_back(node);
}

bool GameObject::holds(const cocos2d::Node* node) const
{
    return std::find(heldNodes.begin(), heldNodes.end(), node) != heldNodes.end();
}

void GameObject::releaseNodes()
{
    detach(mainSprite);
    detach(underSprite);
    detach(overSprite);
    detach(model);
    mainSprite = nullptr;
    underSprite = nullptr;
    overSprite = nullptr;
    model = nullptr;
    for (cocos2d::Node* node : heldNodes)
        node->release();
    heldNodes.clear();
}

void GameObject::forgetNodesUnder(const cocos2d::Node* parent)
{
    auto forget = [this, parent](auto*& node) {
        if (node && !holds(node) && node->getParent() == parent)
            node = nullptr;
    };
    forget(mainSprite);
    forget(underSprite);
    forget(overSprite);
    forget(model);
}

void GameObject::placeNodes(cocos2d::Vec3 offset)
{
    const cocos2d::Vec3 p(position.x + offset.x, position.y + offset.y, getZ() + offset.z);
    if (model)
        model->setPosition3D(p);
    if (mainSprite)
        mainSprite->setPosition3D(p);
    if (underSprite)
        underSprite->setPosition3D(p);
    if (overSprite)
        overSprite->setPosition3D(p);
}

void GameObject::setRotation(float degrees)
{
    heading = degrees;
    if (heading < 0.0f)
        heading += 360.0f;
    if (heading >= 360.0f)
        heading -= 360.0f;
    if (def && def->dontshowrotation)
        return;
    if (model)
        model->setRotation3D(cocos2d::Vec3(90.0f, 0.0f, heading));
    if (mainSprite)
        mainSprite->setRotation(heading);
    if (underSprite)
        underSprite->setRotation(heading);
    if (overSprite)
        overSprite->setRotation(heading);
}

void GameObject::createSprites()
{
    releaseNodes();
    if (!def)
        return;
    if (def->hasModel)
        buildModel();
    else
        buildFlatSprites();
    if (def->floats)
        joinUpdateList();
    if (def->light && underSprite)
        underSprite->setVisible(false);
}

void GameObject::buildModel()
{
    model = cocos2d::Sprite3D::create(def->model, getFileName());
    if (!model)
        return;
    hold(model);
    if (model->getTexture())
        model->getTexture()->setTexParameters(PixelArtParams);
    const cocos2d::Vec3 p(position.x, position.y, getZ());
    model->setAnchorPoint(cocos2d::Vec2(0.5f, 0.5f));
    model->setPosition3D(p);
    model->setRotation3D(cocos2d::Vec3(90.0f, 0.0f, heading));
    model->setPosition3D(p);
}

void GameObject::buildFlatSprites()
{
    const cocos2d::Vec3 p(position.x, position.y, getZ());
    mainSprite = makeSprite(getFileName());
    hold(mainSprite);
    if (mainSprite)
    {
        // A definition without a shape size takes the size of its first sprite.
        if (def->size.x == 0.0f)
        {
            const cocos2d::Size size = mainSprite->getContentSize();
            def->size = cocos2d::Vec2(size.width, size.height);
        }
        mainSprite->setAnchorPoint(cocos2d::Vec2(0.5f, 0.5f));
        mainSprite->setPosition3D(p);
        mainSprite->setRotation(heading);
        if (def->opacity < 255)
            mainSprite->setOpacity(static_cast<GLubyte>(def->opacity));
    }
    underSprite = makeSprite(def->under);
    hold(underSprite);
    if (underSprite)
    {
        underSprite->setAnchorPoint(cocos2d::Vec2(0.5f, 0.5f));
        underSprite->setPosition3D(p);
        underSprite->setRotation(heading);
    }
    if (def->camera)
        buildCameraLine();
    else if ((overSprite = makeSprite(def->over)))
    {
        hold(overSprite);
        overSprite->setAnchorPoint(cocos2d::Vec2(0.5f, 0.5f));
        overSprite->setPosition3D(p);
        overSprite->setRotation(heading);
    }
    playAnimation(0);
    if (kind == PlainObject && (def->emit != 0 || def->camera))
        joinUpdateList();
}

void GameObject::buildCameraLine()
{
    overSprite = makeSprite("CameraLine_Neutral.png");
    if (!overSprite)
        return;
    hold(overSprite);
    sweepTarget = heading + viewAngle * 0.5f;
    overSprite->setAnchorPoint(cocos2d::Vec2(0.5f, 0.0f));
    overSprite->setPosition3D(cocos2d::Vec3(position.x, position.y, getZ()));
    overSprite->setRotation(sweepTarget);
    const float length = overSprite->getContentSize().height;
    if (length > 0.0f)
        overSprite->setScaleY(sightRange / length);
}

void GameObject::emitPuff()
{
    cocos2d::Node* world = WorldMap::getInstance()->worldNode;
    if (!world)
        return;
    if (def->emit == 1)
    {
        if (ParticleMaker* steam = ParticleMaker::createEmitterEffectA())
        {
            steam->setPosition3D(cocos2d::Vec3(position.x, position.y, getZ()));
            world->addChild(steam, heightLevel * 100 + 40);
        }
        return;
    }
    // Smoke rises behind the object, one step below it.
    if (ParticleMaker* smoke = ParticleMaker::createEmitterEffectB())
    {
        const cocos2d::Vec2 at = pointAtAngle(position, def->size.y * 0.125f, heading + 180.0f);
        smoke->setPosition3D(cocos2d::Vec3(at.x, at.y, getZ() - 1.0f));
        const int z = mainSprite ? mainSprite->getLocalZOrder() : heightLevel * 100 + WorldMap::objectBaseZ(def, true);
        world->addChild(smoke, z - 1);
    }
}

void GameObject::joinUpdateList()
{
    inUpdateList = true;
    WorldMap::getInstance()->addActiveObject(this);
}

void GameObject::playAnimation(int id)
{
    currentAnimation = id;
    const AnimationDef* animation = def ? def->findAnimation(id) : nullptr;
    if (!animation || !mainSprite || !animation->animation)
        return;
    mainSprite->stopAllActions();
    if (animation->firstFrame)
        mainSprite->setSpriteFrame(animation->firstFrame);
    cocos2d::Animate* animate = cocos2d::Animate::create(animation->animation);
    switch (animation->mode)
    {
    case AnimationDef::Loop:
        mainSprite->runAction(cocos2d::RepeatForever::create(animate));
        break;
    case AnimationDef::Hold:
        mainSprite->runAction(animate);
        break;
    default:
        mainSprite->runAction(cocos2d::Sequence::create(
            animate, cocos2d::CallFunc::create([this]() { onAnimationFinished(); }), nullptr));
        break;
    }
}

void GameObject::onAnimationFinished()
{
    if (def && def->transient)
    {
        // Effects and gibs on the map vanish when their animation ends; one
        // the map does not hold stays with its holder.
        WorldMap* map = WorldMap::getInstance();
        if (map->holdsObject(this))
        {
            map->removeObject(this, false);
            map->queueForDeletion(this);
        }
        return;
    }
    const AnimationDef* finished = def ? def->findAnimation(currentAnimation) : nullptr;
    if (finished && finished->mode == AnimationDef::Once)
        playAnimation(poseAnimation);
}

void GameObject::setFileIndex(int index)
{
    if (!def || !def->hasModel)
        return;
    if (index < 0)
        index = def->fileCount - 1;
    if (index >= def->fileCount)
        index = 0;
    fileIndex = index;
    if (model)
    {
        model->setTexture(getFileName());
        if (model->getTexture())
            model->getTexture()->setTexParameters(PixelArtParams);
    }
}

cocos2d::Rect GameObject::getBoundingBox() const
{
    const cocos2d::Node* node = model ? static_cast<const cocos2d::Node*>(model) : mainSprite;
    if (!node)
        return cocos2d::Rect(-1.0f, -1.0f, 0.0f, 0.0f);
    const cocos2d::Vec2 size = getSize();
    const cocos2d::Vec2& anchor = node->getAnchorPoint();
    const cocos2d::Vec2& at = node->getPosition();
    return cocos2d::Rect(at.x - size.x * anchor.x, at.y - size.y * anchor.y, size.x, size.y);
}

cocos2d::Vec2 GameObject::getScreenPosition() const
{
    const WorldMap* map = WorldMap::getInstance();
    const cocos2d::Vec2 origin = map->worldNode ? map->worldNode->getPosition() : cocos2d::Vec2::ZERO;
    return position * map->zoomScale() + origin;
}

cocos2d::Size GameObject::getSpriteSize() const
{
    return mainSprite ? mainSprite->getContentSize() : cocos2d::Size(0.0f, 0.0f);
}

void GameObject::updateCameraLine(float dt)
{
    if (!overSprite)
        return;
    const WorldMap* map = WorldMap::getInstance();
    const float reach =
        std::trunc(map->zoomScale() * WorldMap::CellSize * static_cast<float>(map->visibleRadius)) + sightRange;
    if (fastDistance(GameCamera::getInstance()->position, position) > reach)
        return;
    overSprite->setOpacity(static_cast<GLubyte>(rand() % 48 + 1));
    const float length = overSprite->getContentSize().height;
    const float scaleFor = length > 0.0f ? 1.0f / length : 0.0f;
    if (watchedObject && canSee(watchedObject->getPosition(), watchedObject->def && watchedObject->def->islure))
    {
        overSprite->setRotation(angleBetween(position, watchedObject->getPosition()));
        overSprite->setScaleY(fastDistance(position, watchedObject->getPosition()) * scaleFor);
        return;
    }
    overSprite->setScaleY(sightRange * scaleFor);
    const float half = viewAngle * 0.5f;
    float rotation = overSprite->getRotation();
    if (rotation == sweepTarget)
        sweepTarget = sweepTarget == heading + half ? heading - half : heading + half;
    const float step = SweepSpeed * dt;
    if (rotation < sweepTarget)
        rotation = std::min(rotation + step, sweepTarget);
    else
        rotation = std::max(rotation - step, sweepTarget);
    overSprite->setRotation(rotation);
}
