#pragma once
#include "app/ControllerRoutes.h"
#include "cocos2d.h"
#include "platform/GamePad.h"

#include <array>
#include <functional>
#include <memory>

class GameInterface;

// The one entry of keyboard, mouse and game-pad input. It owns the engine's
// keyboard and mouse listeners, keeps the table of held keys and buttons,
// turns the movement keys into the player's movement request, polls game pad
// 0 once a frame and routes every released key to the handler that the game
// state and the open window call for. GameInterface makes one at start and
// keeps it for the life of the program.
class ControllerInterface
{
public:
    static constexpr int kKeyCount = 10240;
    static constexpr int kMouseButtons = 10;

    // Movement codes, read by the player as integers.
    static constexpr float kMoveLeft = 1.0f;
    static constexpr float kMoveRight = 2.0f;
    static constexpr float kMoveUp = 3.0f;
    static constexpr float kMoveDown = 4.0f;

    explicit ControllerInterface(bool withMouse);
    ~ControllerInterface();
    ControllerInterface(const ControllerInterface&) = delete;
    ControllerInterface& operator=(const ControllerInterface&) = delete;

    // The keyboard listener's callbacks: the key table, then the dispatchers.
    void onKeyPressed(cocos2d::EventKeyboard::KeyCode key, cocos2d::Event* event);
    void onKeyReleased(cocos2d::EventKeyboard::KeyCode key, cocos2d::Event* event);
    void handleKeyPressed(int key);
    void handleKeyReleased(int key);

    // The mouse listener's callbacks (the wheel is not used).
    void onMouseDown(cocos2d::EventMouse* event);
    void onMouseUp(cocos2d::EventMouse* event);
    void onMouseMove(cocos2d::EventMouse* event);

    // Recomputes moveHorizontal, moveVertical and running from the held keys.
    void updateMovement();
    // Once a frame: the buttons and axes of game pad 0.
    void pollJoystick();
    // The buttons and axes of one poll (pollJoystick's second half).
    void readPad(const GamePadState& pad);

    cocos2d::Vec2 getMousePosition() const { return mousePosition; }
    bool isKeyDown(int key) const;
    // Replaces the delivery of keys to the other parts (tests record them).
    void setRoutes(std::unique_ptr<ControllerRoutes> newRoutes);

    std::array<unsigned char, kKeyCount> keyDown{};
    // Whether each held key went down while the end-of-run screens were up:
    // keys act on release, and the release of a key pressed during play (a
    // walking key held as the player fell, SPACE fired as the shot came) must
    // neither type an initial nor restart the run. Pad buttons act as they go
    // down, so a press made during play is spent in play.
    std::array<unsigned char, kKeyCount> pressedInRunEnd{};
    std::array<unsigned char, kMouseButtons> mouseButtonDown{};
    cocos2d::Vec2 mousePosition;
    float moveHorizontal = 0.0f;
    float moveVertical = 0.0f;
    bool running = false;
    // Stick-driven movement; nothing switches it on, movement comes from the keys.
    bool padMode = false;
    std::array<float, GamePadState::kMaxAxes> padAxes{};
    int padAxisCount = 0;
    std::array<unsigned char, GamePadState::kMaxButtons> padButtonState{};
    int padButtonCount = 0;
    // Where the pad's right stick aims, written by the player's update.
    cocos2d::Vec2 padCursor;

    std::function<void(int button, cocos2d::Vec2 position)> onMouseDownCallback;
    std::function<void(int button, cocos2d::Vec2 position)> onMouseUpCallback;
    std::function<cocos2d::Vec2(cocos2d::Vec2 position)> onMouseMoveCallback;

    GameInterface* owner = nullptr;
    cocos2d::EventListenerKeyboard* keyboardListener = nullptr;
    cocos2d::EventListenerMouse* mouseListener = nullptr;

private:
    static cocos2d::Vec2 designPosition(const cocos2d::EventMouse* event);
    bool playerAlive() const;
    bool tutorialShowing() const;
    // The summary, initials entry or table is shown, or their restart prompt.
    bool runEndScreensUp() const;
    // The key's release may act on the end-of-run screens.
    bool pressedOnRunEndScreen(int key) const;

    // The steps of handleKeyReleased, each true when it took the key.
    bool routeScreenKey(int key);
    bool routeIntroKey(int key);
    void routePausedKey(int key);
    void routeGameKey(int key);
    void runPlayKey(int key);
    void pressPadButton(int button);
    void openMenu();

    std::unique_ptr<ControllerRoutes> routes;
};
