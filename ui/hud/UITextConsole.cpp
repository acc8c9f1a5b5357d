#include "ui/hud/UITextConsole.h"

#include "ui/UIText.h"

USING_NS_CC;

UITextConsole* UITextConsole::create(int width, int height)
{
    auto* console = new UITextConsole(width, height);
    console->autorelease();
    return console;
}

UITextConsole::UITextConsole(int width, int height)
    : size(static_cast<float>(width), static_cast<float>(height))
{
    init();
    // An unlimited height takes no room: the lines hang below the top edge.
    setContentSize(Size(size.width, std::max(size.height, 0.0f)));
}

UITextConsole::~UITextConsole() = default;

void UITextConsole::queueLine(const std::string& text)
{
    queuedLines.push_back(text);
}

void UITextConsole::update(float dt)
{
    if (shownLines.empty() && queuedLines.empty())
        return;
    if (holdTimer == -1.0f)
    {
        showNext();
        holdTimer = kHoldSeconds;
        return;
    }
    holdTimer -= dt;
    if (holdTimer <= 0.0f)
        holdTimer = -1.0f;
}

void UITextConsole::showNext()
{
    UIText* line = nullptr;
    if (!queuedLines.empty())
    {
        line = UIText::create(-1, -1, queuedLines.front());
        queuedLines.erase(queuedLines.begin());
        line->setAnchorPoint(Vec2(1.0f, 1.0f));
        line->setPosition(Vec2(getContentSize().width, getContentSize().height));
        line->setVisible(shownLines.empty());
        addChild(line);
    }
    if (!shownLines.empty())
        shownLines.front()->fadeOut(kFadeSeconds, this, CC_CALLFUNC_SELECTOR(UITextConsole::onLineFaded));
    if (line)
        shownLines.push_back(line);
}

void UITextConsole::onLineFaded()
{
    if (shownLines.empty())
        return;
    shownLines.front()->removeFromParentAndCleanup(true);
    shownLines.erase(shownLines.begin());
    if (!shownLines.empty())
        shownLines.front()->setVisible(true);
}

void UITextConsole::clear()
{
    for (UIText* line : shownLines)
        line->removeFromParentAndCleanup(true);
    shownLines.clear();
    queuedLines.clear();
    holdTimer = -1.0f;
}
