#include "ui/InterfaceManager.h"

#include "ui/GameMode.h"
#include "ui/InterfaceElement.h"
#include "ui/UIInterface.h"

USING_NS_CC;

namespace
{
struct AnchorPlace
{
    float screenX, screenY; // shares of the screen size
    float panelX, panelY;   // shares of the panel size taken off
    int direction;
};

// Where each anchor code puts a panel's bottom-left corner, and the way it
// slides when it has no direction of its own.
const AnchorPlace kAnchorPlaces[] = {
    {0.0f, 1.0f, 0.0f, 1.0f, UIInterface::kLeft},  // top left
    {0.5f, 1.0f, 0.5f, 1.0f, UIInterface::kUp},    // top centre
    {1.0f, 1.0f, 1.0f, 1.0f, UIInterface::kRight}, // top right
    {1.0f, 0.5f, 1.0f, 0.5f, UIInterface::kRight}, // right middle
    {1.0f, 0.0f, 1.0f, 0.0f, UIInterface::kRight}, // bottom right
    {0.5f, 0.0f, 0.5f, 0.0f, UIInterface::kDown},  // bottom centre
    {0.0f, 0.0f, 0.0f, 0.0f, UIInterface::kLeft},  // bottom left
    {0.0f, 0.5f, 0.0f, 0.5f, UIInterface::kLeft},  // left middle
    {0.5f, 0.5f, 0.5f, 0.5f, UIInterface::kUp},    // centre
};
const int kAnchorCount = static_cast<int>(sizeof(kAnchorPlaces) / sizeof(kAnchorPlaces[0]));
} // namespace

InterfaceManager::~InterfaceManager()
{
    for (int i = 0; i < kSlotCount; ++i) {
        CC_SAFE_RELEASE(_modes[i]);
        CC_SAFE_RELEASE(_elements[i]);
    }
}

bool InterfaceManager::validSlot(int id)
{
    if (id >= 0 && id < kSlotCount)
        return true;
    CCLOG("InterfaceManager: id %d is outside 0..%d, ignored", id, kSlotCount - 1);
    return false;
}

void InterfaceManager::registerMode(int id, std::string name)
{
    if (!validSlot(id))
        return;
    CC_SAFE_RELEASE(_modes[id]);
    _modes[id] = new GameMode(id, std::move(name));
}

void InterfaceManager::registerElement(int id, UIInterface* panel, int anchorCode)
{
    if (!panel || !validSlot(id))
        return;
    CC_SAFE_RELEASE(_elements[id]);
    _elements[id] = new InterfaceElement(id, panel, anchorCode);
}

GameMode* InterfaceManager::mode(int id) const
{
    return id >= 0 && id < kSlotCount ? _modes[id] : nullptr;
}

InterfaceElement* InterfaceManager::element(int id) const
{
    return id >= 0 && id < kSlotCount ? _elements[id] : nullptr;
}

void InterfaceManager::setMode(int newMode)
{
    nextMode = newMode;
    animateChanges = true;
    const GameMode* leaving = mode(currentMode);
    const GameMode* entering = mode(nextMode);
    const bool leave = leaving && leaving->hasLeaveCall();
    const bool enter = entering && entering->hasEnterCall();
    if (!leave && !enter) {
        applyMode();
        return;
    }
    if (!hostNode) {
        // Nothing to run the calls on: make them now, in the same order.
        if (leave)
            leaving->callLeave();
        if (enter)
            entering->callEnter();
        applyMode();
        return;
    }
    Vector<FiniteTimeAction*> steps;
    if (leave)
        steps.pushBack(CallFunc::create(leaving->leaveTarget, leaving->leaveSelector));
    if (enter)
        steps.pushBack(CallFunc::create(entering->enterTarget, entering->enterSelector));
    steps.pushBack(CallFunc::create([this]() { applyMode(); }));
    hostNode->runAction(Sequence::create(steps));
}

bool InterfaceManager::visibleIn(const InterfaceElement* e, int modeId) const
{
    return modeId >= 0 && modeId < InterfaceElement::kModeCount && e->visibleInMode[modeId];
}

void InterfaceManager::applyMode()
{
    const int c = currentMode;
    const int n = nextMode;
    for (InterfaceElement* e : _elements) {
        if (!e)
            continue;
        if (n == kNoMode) {
            if (visibleIn(e, c))
                hideElement(e, true);
        } else if (c == kNoMode) {
            if (visibleIn(e, n))
                showElement(e, animateChanges, true);
            else
                e->panel->setPosition(e->panel->hiddenPosition);
        } else if (visibleIn(e, n) && !visibleIn(e, c)) {
            showElement(e, animateChanges, false);
        } else if (visibleIn(e, c) && !visibleIn(e, n)) {
            hideElement(e, animateChanges);
        }
    }
    currentMode = n;
}

void InterfaceManager::showElement(InterfaceElement* e, bool animate, bool fromHidden)
{
    UIInterface* panel = e->panel;
    layoutElement(panel, e->anchorCode);
    e->shown = true;
    if (animate && e->transitionKind == InterfaceElement::kFade) {
        panel->setPosition(panel->shownPosition);
        panel->showAnimated(kTransitionTime, 1.0f);
    } else if (animate && e->transitionKind == InterfaceElement::kMove) {
        if (fromHidden)
            panel->setPosition(panel->hiddenPosition);
        panel->moveIn(kTransitionTime);
    } else {
        panel->show();
        panel->setPosition(panel->shownPosition);
    }
}

void InterfaceManager::hideElement(InterfaceElement* e, bool animate)
{
    UIInterface* panel = e->panel;
    layoutElement(panel, e->anchorCode);
    e->shown = false;
    if (animate && e->transitionKind == InterfaceElement::kFade) {
        panel->hideAnimated(kTransitionTime, 0.0f);
    } else if (animate && e->transitionKind == InterfaceElement::kMove) {
        panel->moveOut(kTransitionTime);
    } else {
        panel->hide();
        panel->setPosition(panel->hiddenPosition);
    }
}

Size InterfaceManager::screen() const
{
    return screenSize ? *screenSize : Director::getInstance()->getVisibleSize();
}

void InterfaceManager::layoutElement(UIInterface* panel, int anchorCode)
{
    if (!panel)
        return;
    const Size screenArea = screen();
    const Size& size = panel->getContentSize();
    if (anchorCode >= 0 && anchorCode < kAnchorCount) {
        const AnchorPlace& place = kAnchorPlaces[anchorCode];
        const Vec2 corner(screenArea.width * place.screenX - size.width * place.panelX,
                          screenArea.height * place.screenY - size.height * place.panelY);
        panel->shownPosition = corner + panel->getAnchorPointInPoints();
        if (panel->slideDirection == UIInterface::kNoDirection)
            panel->slideDirection = place.direction;
    }
    const Vec2& shown = panel->shownPosition;
    panel->offScreenPositions[0] = shown - Vec2(size.width, 0.0f);
    panel->offScreenPositions[1] = shown + Vec2(size.width, 0.0f);
    panel->offScreenPositions[2] = shown + Vec2(0.0f, size.height);
    panel->offScreenPositions[3] = shown - Vec2(0.0f, size.height);
    if (panel->slideDirection >= UIInterface::kLeft && panel->slideDirection <= UIInterface::kDown)
        panel->hiddenPosition = panel->offScreenPositions[panel->slideDirection - 1];
}
