#include "platform/GamePad.h"

#include <gtest/gtest.h>

namespace {

GLFWgamepadstate idlePad()
{
    GLFWgamepadstate pad = {};
    return pad;
}

int onlyPressed(const GamePadState& state)
{
    int found = -1;
    for (int i = 0; i < state.buttonCount; ++i) {
        if (state.buttons[i]) {
            if (found >= 0)
                return -2; // more than one
            found = i;
        }
    }
    return found;
}

} // namespace

TEST(GamePad, EachPadButtonLandsOnTheGameNumberItStandsFor)
{
    const struct { int glfw; int game; } table[] = {
        { GLFW_GAMEPAD_BUTTON_A, 0 },            { GLFW_GAMEPAD_BUTTON_B, 1 },
        { GLFW_GAMEPAD_BUTTON_X, 2 },            { GLFW_GAMEPAD_BUTTON_Y, 3 },
        { GLFW_GAMEPAD_BUTTON_LEFT_BUMPER, 4 },  { GLFW_GAMEPAD_BUTTON_RIGHT_BUMPER, 5 },
        { GLFW_GAMEPAD_BUTTON_BACK, 6 },         { GLFW_GAMEPAD_BUTTON_START, 7 },
        { GLFW_GAMEPAD_BUTTON_LEFT_THUMB, 8 },   { GLFW_GAMEPAD_BUTTON_RIGHT_THUMB, 9 },
        { GLFW_GAMEPAD_BUTTON_DPAD_UP, 10 },     { GLFW_GAMEPAD_BUTTON_DPAD_RIGHT, 11 },
        { GLFW_GAMEPAD_BUTTON_DPAD_DOWN, 12 },   { GLFW_GAMEPAD_BUTTON_DPAD_LEFT, 13 },
        { GLFW_GAMEPAD_BUTTON_GUIDE, 14 },
    };
    for (const auto& row : table) {
        GLFWgamepadstate pad = idlePad();
        pad.buttons[row.glfw] = GLFW_PRESS;
        GamePadState state = GamePad::fromGamepad(pad);
        EXPECT_TRUE(state.connected);
        EXPECT_EQ(state.buttonCount, 15);
        EXPECT_EQ(onlyPressed(state), row.game) << "GLFW button " << row.glfw;
    }
    EXPECT_EQ(onlyPressed(GamePad::fromGamepad(idlePad())), -1);
}

TEST(GamePad, AxesKeepTheirValues)
{
    GLFWgamepadstate pad = idlePad();
    pad.axes[GLFW_GAMEPAD_AXIS_LEFT_X] = -0.5f;
    pad.axes[GLFW_GAMEPAD_AXIS_LEFT_Y] = 0.2f;
    pad.axes[GLFW_GAMEPAD_AXIS_RIGHT_X] = 0.1f;
    pad.axes[GLFW_GAMEPAD_AXIS_RIGHT_Y] = -1.0f;
    pad.axes[GLFW_GAMEPAD_AXIS_LEFT_TRIGGER] = 1.0f;
    pad.axes[GLFW_GAMEPAD_AXIS_RIGHT_TRIGGER] = -1.0f;
    GamePadState state = GamePad::fromGamepad(pad);
    ASSERT_EQ(state.axisCount, 6);
    const float expected[] = { -0.5f, 0.2f, 0.1f, -1.0f, 1.0f, -1.0f };
    for (int i = 0; i < 6; ++i)
        EXPECT_EQ(state.axes[i], expected[i]) << "axis " << i;
}

TEST(GamePad, UnmappedJoystickIsPassedOnWithinTheTrackedCounts)
{
    float axes[12];
    unsigned char buttons[24] = {};
    for (int i = 0; i < 12; ++i)
        axes[i] = 0.05f * static_cast<float>(i);
    buttons[3] = GLFW_PRESS;
    buttons[22] = GLFW_PRESS; // beyond the tracked twenty
    GamePadState state = GamePad::fromJoystick(axes, 12, buttons, 24);
    EXPECT_EQ(state.axisCount, GamePadState::kMaxAxes);
    EXPECT_EQ(state.buttonCount, GamePadState::kMaxButtons);
    EXPECT_EQ(state.axes[9], axes[9]);
    EXPECT_EQ(onlyPressed(state), 3);

    GamePadState none = GamePad::fromJoystick(nullptr, 3, nullptr, 4);
    EXPECT_EQ(none.axisCount, 0);
    EXPECT_EQ(none.buttonCount, 0);
}

TEST(GamePad, NoPadReadsAsDisconnected)
{
    GamePadState state;
    state.buttonCount = 5;
    EXPECT_FALSE(GamePad::poll(0, state)); // before glfwInit: no pad, never a crash
    EXPECT_FALSE(state.connected);
    EXPECT_EQ(state.buttonCount, 0);
    EXPECT_EQ(state.axisCount, 0);
}
