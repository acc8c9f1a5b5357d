#include "ui/hud/UIObjectDescriptor.h"

#include <algorithm>
#include <array>

#include "actors/GameMob.h"
#include "actors/Player.h"
#include "app/GameInterface.h"
#include "app/Geometry.h"
#include "app/SpriteHelpers.h"
#include "app/StringHelpers.h"
#include "ui/UIBox.h"
#include "ui/UIText.h"
#include "ui/hud/GameHUD.h"
#include "ui/hud/HudSource.h"
#include "world/ObjectDef.h"
#include "world/WorldMap.h"

USING_NS_CC;

namespace
{
const UIObjectDescriptor::Role kBodyguard{"Bodyguard", Color3B(217, 150, 35)};
const UIObjectDescriptor::Role kContact{"Contact", Color3B(94, 108, 211)};
const UIObjectDescriptor::Role kTarget{"Target", Color3B(211, 94, 123)};
const UIObjectDescriptor::Role kGangMember{"Gang Member", Color3B(201, 222, 84)};

const float kLabelDrop = 32.0f;
const float kLabelMargin = 4.0f;
const float kRevealInterval = 0.02f;

template <class T>
void removeNode(T*& node)
{
    if (!node)
        return;
    node->removeFromParentAndCleanup(true);
    node = nullptr;
}
} // namespace

UIObjectDescriptor* UIObjectDescriptor::create(const std::string& text, bool buildNow)
{
    auto* descriptor = new UIObjectDescriptor(text, buildNow);
    descriptor->autorelease();
    return descriptor;
}

UIObjectDescriptor::UIObjectDescriptor(const std::string& initialText, bool buildNow) : text(initialText)
{
    init();
    if (buildNow)
        build();
}

UIObjectDescriptor::~UIObjectDescriptor() = default;

const UIObjectDescriptor::Role* UIObjectDescriptor::roleOf(const GameMob* mob)
{
    if (!mob)
        return nullptr;
    if (mob->mobKind == MobBodyguard)
        return &kBodyguard;
    const std::optional<PersonReading> person = GameHUD::getInstance()->source().person(mob);
    if (!person)
        return nullptr;
    if (person->contact)
        return &kContact;
    if (person->contractTarget)
        return &kTarget;
    if (person->gang)
        return &kGangMember;
    return nullptr;
}

void UIObjectDescriptor::describe(GameMob* mob)
{
    const Role* role = roleOf(mob);
    const std::optional<PersonReading> person = GameHUD::getInstance()->source().person(mob);
    // Nobody to name: a person whose role is over (the target of a finished
    // or abandoned job) is an ordinary citizen again, and one without a
    // record has no name to give. The marker lets go of them at once, so
    // that it is free for the next notable person.
    if (!role || !person)
    {
        target = nullptr;
        cleanup();
        return;
    }
    target = mob;
    setColour(role->colour);
    text = formatString("%s: %s", role->name, person->fullName.c_str());
    if (mob == builtFor && text == builtText)
        return;
    build();
}

void UIObjectDescriptor::build()
{
    cleanup();
    builtFor = target;
    builtText = text;
    if (!target || text.empty())
        return;
    const Size visible = GameInterface::getInstance()->visibleSize;
    const Vec2 labelPlace(visible.width * 0.5f, visible.height - kLabelDrop);

    label = UIText::create(-1, -1, text);
    // Typed out anew, now that it is built only when it changes.
    label->setText(false, false, text);
    label->buildGlyphs(UIText::kTypewriter, kRevealInterval, 0.0f);
    label->setAnchorPoint(Vec2(0.5f, 0.5f));
    label->setPosition(labelPlace);
    addChild(label);

    const Size labelSize = label->getContentSize();
    labelBox = UIBox::create(colour, Vec2(labelSize.width + kLabelMargin, labelSize.height + kLabelMargin));
    labelBox->setAnchorPoint(Vec2(0.5f, 0.5f));
    labelBox->setPosition(labelPlace);
    addChild(labelBox);

    const float diameter = target->getDiameter();
    targetBox = UIBox::create(colour, Vec2(diameter, diameter));
    targetBox->setAnchorPoint(Vec2(0.5f, 0.5f));
    targetBox->setPosition(WorldMap::getInstance()->pixelToScreen(target->getPosition()));
    targetBox->setBoxOpacity(visibility * 255.0f);
    addChild(targetBox);

    linkLine = createSprite("white.png");
    if (linkLine)
    {
        linkLine->setAnchorPoint(Vec2(0.5f, 0.0f));
        linkLine->setScaleX(1.0f / std::max(linkLine->getContentSize().width, 1.0f));
        linkLine->setScaleY(0.0f);
        linkLine->setColor(colour);
        linkLine->setPosition(labelPlace);
        addChild(linkLine);
    }
}

void UIObjectDescriptor::setColour(const Color3B& newColour)
{
    colour = newColour;
    for (UIBox* box : {labelBox, targetBox})
    {
        if (!box)
            continue;
        box->colour = colour;
        box->resize();
    }
    if (linkLine)
        linkLine->setColor(colour);
}

bool UIObjectDescriptor::targetInView() const
{
    const Player* player = GameInterface::getInstance()->player;
    if (!player || target->health <= 0)
        return false;
    if (fastDistance(player->getPosition(), target->getPosition()) <= kNearDistance)
        return true;
    const bool lure = target->def && target->def->islure;
    return player->canSee(target->getPosition(), lure);
}

void UIObjectDescriptor::update(float dt)
{
    if (!target)
        return;
    if (targetInView())
    {
        visibility = std::min(1.0f, visibility + kFadePerSecond * dt);
    }
    else
    {
        visibility = std::max(0.0f, visibility - kFadePerSecond * dt);
        if (visibility <= 0.0f)
        {
            target = nullptr;
            cleanup();
            return;
        }
    }
    if (targetBox)
    {
        targetBox->setBoxOpacity(visibility * 255.0f);
        targetBox->setPosition(WorldMap::getInstance()->pixelToScreen(target->getPosition()));
    }
    if (linkLine)
    {
        computeLinkLine();
        linkLine->setPosition(linkStart);
        linkLine->setColor(colour);
        const float height = std::max(linkLine->getContentSize().height, 1.0f);
        linkLine->setScaleY(linkStart.distance(linkEnd) / height * visibility);
        linkLine->setRotation(angleBetween(linkStart, linkEnd));
    }
}

void UIObjectDescriptor::computeLinkLine()
{
    if (!labelBox || !targetBox)
        return;
    linkStart = labelBox->getPosition();
    linkEnd = targetBox->getPosition();
    const float targetWidth = targetBox->size.x;
    const float targetHeight = targetBox->size.y;
    const float labelHeight = labelBox->size.y;
    linkEnd.x += linkStart.x <= linkEnd.x ? -targetWidth / 2.0f : targetWidth / 2.0f;
    linkStart.y += linkStart.y <= linkEnd.y ? labelHeight / 2.0f : -labelHeight / 2.0f;
    linkEnd.y += targetHeight / 2.0f;
}

void UIObjectDescriptor::cleanup()
{
    removeNode(labelBox);
    removeNode(targetBox);
    removeNode(linkLine);
    removeNode(label);
    builtFor = nullptr;
    builtText.clear();
}
