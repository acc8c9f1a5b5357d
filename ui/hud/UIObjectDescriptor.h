#pragma once
#include "cocos2d.h"

#include <string>

class GameMob;
class UIBox;
class UIText;

// The marker over the one person that matters most to the player (the
// contract target, a contact, a bodyguard or a gang member): a coloured label
// at the top centre of the screen names the role and the name, a box of the
// same colour frames the person in the city, and a thin line joins the two.
// The box and the line fade in while the player can see the person.
class UIObjectDescriptor : public cocos2d::Node
{
public:
    static constexpr float kFadePerSecond = 2.0f;
    static constexpr float kNearDistance = 32.0f;

    struct Role
    {
        const char* name;
        cocos2d::Color3B colour;
    };

    static UIObjectDescriptor* create(const std::string& text, bool buildNow);
    ~UIObjectDescriptor() override;

    // The role of a mob, or null when it has none worth marking.
    static const Role* roleOf(const GameMob* mob);

    // Names the mob with its role and makes the nodes again, but only when
    // the mob or its text changed: an unchanged label keeps typing itself out.
    // A mob without a role or a record is let go: no label, no box.
    void describe(GameMob* mob);
    void build();
    // Fades the box and the line in or out and keeps them on the mob.
    void update(float dt) override;
    void setColour(const cocos2d::Color3B& colour);
    void computeLinkLine();
    // Removes the label, both boxes and the line.
    void cleanup() override;

    cocos2d::Vec2 linkStart;
    cocos2d::Vec2 linkEnd;
    cocos2d::Color3B colour = cocos2d::Color3B(201, 222, 84);
    float visibility = 0.0f;
    // The described mob (not owned; the mob manager clears it on removal).
    GameMob* target = nullptr;
    // Kept by a tutorial hint while it points at the marked person.
    bool hold = false;
    cocos2d::Sprite* linkLine = nullptr;
    UIText* label = nullptr;
    UIBox* labelBox = nullptr;
    UIBox* targetBox = nullptr;
    std::string text;

protected:
    UIObjectDescriptor(const std::string& text, bool buildNow);

private:
    bool targetInView() const;
    // The mob and text the nodes were last built for.
    const GameMob* builtFor = nullptr;
    std::string builtText;
};
