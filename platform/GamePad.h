#pragma once
// Game-pad polling for the input hub, once a frame.
//
// The game numbers pad buttons and axes the way a raw joystick reports an Xbox-style pad:
//   buttons 0 A, 1 B, 2 X, 3 Y, 4 left bumper, 5 right bumper, 6 Back, 7 Start,
//           8 left stick press, 9 right stick press, 10 to 13 d-pad up, right, down, left,
//           14 Guide;
//   axes    0 left stick x, 1 left stick y, 2 right stick x, 3 right stick y,
//           4 left trigger, 5 right trigger.
// The table in GamePad.cpp maps GLFW's gamepad state (any pad GLFW knows a mapping for) onto
// those numbers. A joystick without a mapping is passed on as GLFW reports it.
//
//   GamePadState pad;
//   GamePad::poll(0, pad);   // pad.buttons[i] is 1 while button i is down
#include <GLFW/glfw3.h>

struct GamePadState
{
    static constexpr int kMaxAxes = 10;
    static constexpr int kMaxButtons = 20;

    bool connected = false;
    int axisCount = 0;
    float axes[kMaxAxes] = {};
    int buttonCount = 0;
    unsigned char buttons[kMaxButtons] = {};
};

class GamePad
{
public:
    // Reads joystick `joystick` (0 for the first pad). With no pad, or before glfwInit, the state
    // is disconnected with no axes and no buttons; returns state.connected.
    static bool poll(int joystick, GamePadState& state);

    // A pad without hardware, for headless runs that play the game as a person would: from now
    // on poll() reports this state for the joystick instead of asking GLFW.
    static void inject(int joystick, const GamePadState& state);
    // The joystick is read from GLFW again.
    static void removeInjected(int joystick);

    // The table: GLFW's gamepad state in the game's button and axis numbers.
    static GamePadState fromGamepad(const GLFWgamepadstate& pad);
    // A joystick without a gamepad mapping: its own axes and buttons, at most the tracked counts.
    static GamePadState fromJoystick(const float* axes, int axisCount, const unsigned char* buttons,
                                     int buttonCount);
};
