#include "ui/UIObjectDescriptor.h"

UIObjectDescriptor* UIObjectDescriptor::create(const std::string& name, int flag)
{
    auto* descriptor = new UIObjectDescriptor(name, flag);
    descriptor->autorelease();
    return descriptor;
}

UIObjectDescriptor::UIObjectDescriptor(const std::string& name, int flag)
{
    (void)name;
    (void)flag;
    init();
}

UIObjectDescriptor::~UIObjectDescriptor() = default;

// The description text and its placement come with the descriptor's own work.
void UIObjectDescriptor::describe(GameMob* actor)
{
    (void)actor;
}

void UIObjectDescriptor::hide()
{
}

void UIObjectDescriptor::update(float dt)
{
    (void)dt;
}
