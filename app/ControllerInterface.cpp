#include "app/ControllerInterface.h"

#include "actors/Player.h"
#include "app/ControllerKeys.h"
#include "app/GameInterface.h"

USING_NS_CC;

namespace {

// The mouse hears events just after the keyboard, both after every scene node.
constexpr int kKeyboardPriority = 10000;
constexpr int kMousePriority = 10001;
// Stick values strictly inside this band read as rest.
constexpr float kPadDeadZone = 0.2f;

}

ControllerInterface::ControllerInterface(bool withMouse)
    : owner(GameInterface::getInstance()), routes(std::make_unique<ControllerRoutes>())
{
    EventDispatcher* dispatcher = Director::getInstance()->getEventDispatcher();
    if (withMouse)
    {
        mouseListener = EventListenerMouse::create();
        mouseListener->onMouseDown = [this](Event* event) { onMouseDown(static_cast<EventMouse*>(event)); };
        mouseListener->onMouseUp = [this](Event* event) { onMouseUp(static_cast<EventMouse*>(event)); };
        mouseListener->onMouseMove = [this](Event* event) { onMouseMove(static_cast<EventMouse*>(event)); };
        mouseListener->onMouseScroll = [](Event*) {};
        // Kept by the hub too, so that a dispatcher emptied first never leaves it dangling.
        mouseListener->retain();
        dispatcher->addEventListenerWithFixedPriority(mouseListener, kMousePriority);
    }
    keyboardListener = EventListenerKeyboard::create();
    keyboardListener->onKeyPressed = [this](EventKeyboard::KeyCode key, Event* event) { onKeyPressed(key, event); };
    keyboardListener->onKeyReleased = [this](EventKeyboard::KeyCode key, Event* event) { onKeyReleased(key, event); };
    keyboardListener->retain();
    dispatcher->addEventListenerWithFixedPriority(keyboardListener, kKeyboardPriority);
}

ControllerInterface::~ControllerInterface()
{
    EventDispatcher* dispatcher = Director::getInstance()->getEventDispatcher();
    if (mouseListener)
    {
        dispatcher->removeEventListener(mouseListener);
        mouseListener->release();
    }
    dispatcher->removeEventListener(keyboardListener);
    keyboardListener->release();
}

void ControllerInterface::setRoutes(std::unique_ptr<ControllerRoutes> newRoutes)
{
    if (newRoutes)
        routes = std::move(newRoutes);
}

bool ControllerInterface::isKeyDown(int key) const
{
    return key >= 0 && key < kKeyCount && keyDown[key] != 0;
}

void ControllerInterface::onKeyPressed(EventKeyboard::KeyCode code, Event* event)
{
    (void)event;
    const int key = Key::code(code);
    if (key < 0 || key >= kKeyCount)
        return;
    const bool wasDown = keyDown[key] != 0;
    keyDown[key] = 1;
    // Auto-repeat of a held key does nothing.
    if (!wasDown)
        handleKeyPressed(key);
}

void ControllerInterface::onKeyReleased(EventKeyboard::KeyCode code, Event* event)
{
    (void)event;
    const int key = Key::code(code);
    if (key >= 0 && key < kKeyCount)
        keyDown[key] = 0;
    handleKeyReleased(key);
}

Vec2 ControllerInterface::designPosition(const EventMouse* event)
{
    float scaleX = 1.0f;
    float scaleY = 1.0f;
    if (GLView* view = Director::getInstance()->getOpenGLView())
    {
        if (view->getScaleX() > 0.0f)
            scaleX = view->getScaleX();
        if (view->getScaleY() > 0.0f)
            scaleY = view->getScaleY();
    }
    return Vec2(event->getCursorX() / scaleX, event->getCursorY() / scaleY);
}

void ControllerInterface::onMouseDown(EventMouse* event)
{
    if (!onMouseDownCallback)
        return;
    const int button = event->getMouseButton();
    onMouseDownCallback(button, designPosition(event));
    if (button >= 0 && button < kMouseButtons)
        mouseButtonDown[button] = 1;
}

void ControllerInterface::onMouseUp(EventMouse* event)
{
    if (!onMouseUpCallback)
        return;
    const int button = event->getMouseButton();
    onMouseUpCallback(button, designPosition(event));
    if (button >= 0 && button < kMouseButtons)
        mouseButtonDown[button] = 0;
}

void ControllerInterface::onMouseMove(EventMouse* event)
{
    const Vec2 position = designPosition(event);
    if (onMouseMoveCallback)
        mousePosition = onMouseMoveCallback(position);
    else
        mousePosition = Vec2(event->getCursorX(), event->getCursorY());
}

bool ControllerInterface::playerAlive() const
{
    return owner->player && owner->player->health > 0;
}

void ControllerInterface::updateMovement()
{
    bool sideways = true;
    if (isKeyDown(Key::A) || isKeyDown(Key::Left))
        moveHorizontal = kMoveLeft;
    else if (isKeyDown(Key::D) || isKeyDown(Key::Right))
        moveHorizontal = kMoveRight;
    else
    {
        moveHorizontal = 0.0f;
        sideways = false;
    }
    if (Player* player = owner->player)
        player->sidewaysKey = sideways;

    if (isKeyDown(Key::W) || isKeyDown(Key::Up))
        moveVertical = kMoveUp;
    else if (isKeyDown(Key::S) || isKeyDown(Key::Down))
        moveVertical = kMoveDown;
    else
        moveVertical = 0.0f;

    running = !isKeyDown(Key::Shift);

    const bool freeToMove = owner->state == GameState::Playing && !owner->interactWindow &&
                            owner->windowMode == 0 && playerAlive();
    if (!freeToMove)
    {
        moveHorizontal = 0.0f;
        moveVertical = 0.0f;
        running = false;
    }
}

void ControllerInterface::pollJoystick()
{
    GamePadState pad;
    GamePad::poll(0, pad);
    readPad(pad);
}

void ControllerInterface::readPad(const GamePadState& pad)
{
    padButtonCount = std::min(pad.buttonCount, GamePadState::kMaxButtons);
    for (int button = 0; button < padButtonCount; ++button)
    {
        if (pad.buttons[button] == padButtonState[button])
            continue;
        padButtonState[button] = pad.buttons[button];
        if (pad.buttons[button])
            pressPadButton(button);
    }
    padAxisCount = std::min(pad.axisCount, GamePadState::kMaxAxes);
    for (int axis = 0; axis < padAxisCount; ++axis)
    {
        const float value = pad.axes[axis];
        padAxes[axis] = (value > -kPadDeadZone && value < kPadDeadZone) ? 0.0f : value;
    }
}
