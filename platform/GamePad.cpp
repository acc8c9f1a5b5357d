#include "platform/GamePad.h"

#include <algorithm>
#include <optional>

namespace {

// Game button number -> GLFW gamepad button. The one place the pad layout is decided.
constexpr int kButtonTable[] = {
    GLFW_GAMEPAD_BUTTON_A,            // 0: EMP
    GLFW_GAMEPAD_BUTTON_B,            // 1
    GLFW_GAMEPAD_BUTTON_X,            // 2: switch secondary item
    GLFW_GAMEPAD_BUTTON_Y,            // 3: switch secondary item
    GLFW_GAMEPAD_BUTTON_LEFT_BUMPER,  // 4
    GLFW_GAMEPAD_BUTTON_RIGHT_BUMPER, // 5
    GLFW_GAMEPAD_BUTTON_BACK,         // 6
    GLFW_GAMEPAD_BUTTON_START,        // 7
    GLFW_GAMEPAD_BUTTON_LEFT_THUMB,   // 8: use secondary item
    GLFW_GAMEPAD_BUTTON_RIGHT_THUMB,  // 9: switch weapon
    GLFW_GAMEPAD_BUTTON_DPAD_UP,      // 10
    GLFW_GAMEPAD_BUTTON_DPAD_RIGHT,   // 11: interact / start run / close pop-ups
    GLFW_GAMEPAD_BUTTON_DPAD_DOWN,    // 12: dismiss tutorial
    GLFW_GAMEPAD_BUTTON_DPAD_LEFT,    // 13: reload
    GLFW_GAMEPAD_BUTTON_GUIDE,        // 14: drop weapon
};

// Game axis number -> GLFW gamepad axis.
constexpr int kAxisTable[] = {
    GLFW_GAMEPAD_AXIS_LEFT_X,
    GLFW_GAMEPAD_AXIS_LEFT_Y,
    GLFW_GAMEPAD_AXIS_RIGHT_X,
    GLFW_GAMEPAD_AXIS_RIGHT_Y,
    GLFW_GAMEPAD_AXIS_LEFT_TRIGGER,
    GLFW_GAMEPAD_AXIS_RIGHT_TRIGGER,
};

constexpr int kTableButtons = static_cast<int>(sizeof(kButtonTable) / sizeof(kButtonTable[0]));
constexpr int kTableAxes = static_cast<int>(sizeof(kAxisTable) / sizeof(kAxisTable[0]));
static_assert(kTableButtons <= GamePadState::kMaxButtons, "pad table wider than the tracked buttons");
static_assert(kTableAxes <= GamePadState::kMaxAxes, "pad table wider than the tracked axes");

constexpr int kJoysticks = GLFW_JOYSTICK_LAST + 1;

// The pads a headless run plays with, by joystick number.
std::optional<GamePadState>& injectedPad(int joystick)
{
    static std::optional<GamePadState> pads[kJoysticks];
    return pads[joystick];
}

bool isJoystick(int joystick)
{
    return joystick >= 0 && joystick < kJoysticks;
}

} // namespace

bool GamePad::poll(int joystick, GamePadState& state)
{
    state = GamePadState();
    if (!isJoystick(joystick))
        return false;
    if (const std::optional<GamePadState>& injected = injectedPad(joystick)) {
        state = *injected;
        return state.connected;
    }
    if (!glfwJoystickPresent(joystick))
        return false;

    GLFWgamepadstate pad;
    if (glfwJoystickIsGamepad(joystick) && glfwGetGamepadState(joystick, &pad)) {
        state = fromGamepad(pad);
        return true;
    }

    int axisCount = 0;
    int buttonCount = 0;
    const float* axes = glfwGetJoystickAxes(joystick, &axisCount);
    const unsigned char* buttons = glfwGetJoystickButtons(joystick, &buttonCount);
    state = fromJoystick(axes, axes ? axisCount : 0, buttons, buttons ? buttonCount : 0);
    return true;
}

void GamePad::inject(int joystick, const GamePadState& state)
{
    if (isJoystick(joystick))
        injectedPad(joystick) = state;
}

void GamePad::removeInjected(int joystick)
{
    if (isJoystick(joystick))
        injectedPad(joystick).reset();
}

GamePadState GamePad::fromGamepad(const GLFWgamepadstate& pad)
{
    GamePadState state;
    state.connected = true;
    state.buttonCount = kTableButtons;
    for (int i = 0; i < kTableButtons; ++i)
        state.buttons[i] = pad.buttons[kButtonTable[i]] == GLFW_PRESS ? 1 : 0;
    state.axisCount = kTableAxes;
    for (int i = 0; i < kTableAxes; ++i)
        state.axes[i] = pad.axes[kAxisTable[i]];
    return state;
}

GamePadState GamePad::fromJoystick(const float* axes, int axisCount, const unsigned char* buttons,
                                   int buttonCount)
{
    GamePadState state;
    state.connected = true;
    state.axisCount = axes ? std::clamp(axisCount, 0, GamePadState::kMaxAxes) : 0;
    std::copy(axes, axes + state.axisCount, state.axes);
    state.buttonCount = buttons ? std::clamp(buttonCount, 0, GamePadState::kMaxButtons) : 0;
    for (int i = 0; i < state.buttonCount; ++i)
        state.buttons[i] = buttons[i] == GLFW_PRESS ? 1 : 0;
    return state;
}
