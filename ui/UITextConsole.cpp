#include "ui/UITextConsole.h"

// The console's lines and their scrolling come with the console's own work.
UITextConsole* UITextConsole::create(int width, int height)
{
    auto* console = new UITextConsole(width, height);
    console->autorelease();
    return console;
}

UITextConsole::UITextConsole(int width, int height)
{
    (void)width;
    (void)height;
    init();
}

UITextConsole::~UITextConsole() = default;

void UITextConsole::update(float dt)
{
    (void)dt;
}
