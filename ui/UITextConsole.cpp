#include "ui/UITextConsole.h"

// The console's lines and their scrolling come with the console's own work.
UITextConsole::UITextConsole(int width, int height)
{
    (void)width;
    (void)height;
    init();
    autorelease();
}

UITextConsole::~UITextConsole() = default;

void UITextConsole::update(float dt)
{
    (void)dt;
}
