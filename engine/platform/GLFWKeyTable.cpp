#include "platform/GLFWKeyTable.h"
#include <GLFW/glfw3.h>
#include <unordered_map>

namespace cocos2d {

namespace {

using K = EventKeyboard::KeyCode;

struct KeyPair
{
    int glfw;
    K code;
};

// Navigation Home/End/Page keys report the keypad codes and both Enter keys
// report KEY_ENTER (32): the numbering the game's key handling expects.
const KeyPair kKeyTable[] = {
    {GLFW_KEY_SPACE, K::KEY_SPACE},
    {GLFW_KEY_APOSTROPHE, K::KEY_APOSTROPHE},
    {GLFW_KEY_COMMA, K::KEY_COMMA},
    {GLFW_KEY_MINUS, K::KEY_MINUS},
    {GLFW_KEY_PERIOD, K::KEY_PERIOD},
    {GLFW_KEY_SLASH, K::KEY_SLASH},
    {GLFW_KEY_0, K::KEY_0},
    {GLFW_KEY_1, K::KEY_1},
    {GLFW_KEY_2, K::KEY_2},
    {GLFW_KEY_3, K::KEY_3},
    {GLFW_KEY_4, K::KEY_4},
    {GLFW_KEY_5, K::KEY_5},
    {GLFW_KEY_6, K::KEY_6},
    {GLFW_KEY_7, K::KEY_7},
    {GLFW_KEY_8, K::KEY_8},
    {GLFW_KEY_9, K::KEY_9},
    {GLFW_KEY_SEMICOLON, K::KEY_SEMICOLON},
    {GLFW_KEY_EQUAL, K::KEY_EQUAL},
    {GLFW_KEY_A, K::KEY_A},
    {GLFW_KEY_B, K::KEY_B},
    {GLFW_KEY_C, K::KEY_C},
    {GLFW_KEY_D, K::KEY_D},
    {GLFW_KEY_E, K::KEY_E},
    {GLFW_KEY_F, K::KEY_F},
    {GLFW_KEY_G, K::KEY_G},
    {GLFW_KEY_H, K::KEY_H},
    {GLFW_KEY_I, K::KEY_I},
    {GLFW_KEY_J, K::KEY_J},
    {GLFW_KEY_K, K::KEY_K},
    {GLFW_KEY_L, K::KEY_L},
    {GLFW_KEY_M, K::KEY_M},
    {GLFW_KEY_N, K::KEY_N},
    {GLFW_KEY_O, K::KEY_O},
    {GLFW_KEY_P, K::KEY_P},
    {GLFW_KEY_Q, K::KEY_Q},
    {GLFW_KEY_R, K::KEY_R},
    {GLFW_KEY_S, K::KEY_S},
    {GLFW_KEY_T, K::KEY_T},
    {GLFW_KEY_U, K::KEY_U},
    {GLFW_KEY_V, K::KEY_V},
    {GLFW_KEY_W, K::KEY_W},
    {GLFW_KEY_X, K::KEY_X},
    {GLFW_KEY_Y, K::KEY_Y},
    {GLFW_KEY_Z, K::KEY_Z},
    {GLFW_KEY_LEFT_BRACKET, K::KEY_LEFT_BRACKET},
    {GLFW_KEY_BACKSLASH, K::KEY_BACK_SLASH},
    {GLFW_KEY_RIGHT_BRACKET, K::KEY_RIGHT_BRACKET},
    {GLFW_KEY_GRAVE_ACCENT, K::KEY_GRAVE},
    {GLFW_KEY_ESCAPE, K::KEY_ESCAPE},
    {GLFW_KEY_ENTER, K::KEY_ENTER},
    {GLFW_KEY_TAB, K::KEY_TAB},
    {GLFW_KEY_BACKSPACE, K::KEY_BACKSPACE},
    {GLFW_KEY_INSERT, K::KEY_INSERT},
    {GLFW_KEY_DELETE, K::KEY_DELETE},
    {GLFW_KEY_RIGHT, K::KEY_RIGHT_ARROW},
    {GLFW_KEY_LEFT, K::KEY_LEFT_ARROW},
    {GLFW_KEY_DOWN, K::KEY_DOWN_ARROW},
    {GLFW_KEY_UP, K::KEY_UP_ARROW},
    {GLFW_KEY_PAGE_UP, K::KEY_KP_PG_UP},
    {GLFW_KEY_PAGE_DOWN, K::KEY_KP_PG_DOWN},
    {GLFW_KEY_HOME, K::KEY_KP_HOME},
    {GLFW_KEY_END, K::KEY_KP_END},
    {GLFW_KEY_CAPS_LOCK, K::KEY_CAPS_LOCK},
    {GLFW_KEY_SCROLL_LOCK, K::KEY_SCROLL_LOCK},
    {GLFW_KEY_NUM_LOCK, K::KEY_NUM_LOCK},
    {GLFW_KEY_PRINT_SCREEN, K::KEY_PRINT},
    {GLFW_KEY_PAUSE, K::KEY_PAUSE},
    {GLFW_KEY_F1, K::KEY_F1},
    {GLFW_KEY_F2, K::KEY_F2},
    {GLFW_KEY_F3, K::KEY_F3},
    {GLFW_KEY_F4, K::KEY_F4},
    {GLFW_KEY_F5, K::KEY_F5},
    {GLFW_KEY_F6, K::KEY_F6},
    {GLFW_KEY_F7, K::KEY_F7},
    {GLFW_KEY_F8, K::KEY_F8},
    {GLFW_KEY_F9, K::KEY_F9},
    {GLFW_KEY_F10, K::KEY_F10},
    {GLFW_KEY_F11, K::KEY_F11},
    {GLFW_KEY_F12, K::KEY_F12},
    {GLFW_KEY_KP_0, K::KEY_0},
    {GLFW_KEY_KP_1, K::KEY_1},
    {GLFW_KEY_KP_2, K::KEY_2},
    {GLFW_KEY_KP_3, K::KEY_3},
    {GLFW_KEY_KP_4, K::KEY_4},
    {GLFW_KEY_KP_5, K::KEY_5},
    {GLFW_KEY_KP_6, K::KEY_6},
    {GLFW_KEY_KP_7, K::KEY_7},
    {GLFW_KEY_KP_8, K::KEY_8},
    {GLFW_KEY_KP_9, K::KEY_9},
    {GLFW_KEY_KP_DECIMAL, K::KEY_PERIOD},
    {GLFW_KEY_KP_DIVIDE, K::KEY_KP_DIVIDE},
    {GLFW_KEY_KP_MULTIPLY, K::KEY_KP_MULTIPLY},
    {GLFW_KEY_KP_SUBTRACT, K::KEY_KP_MINUS},
    {GLFW_KEY_KP_ADD, K::KEY_KP_PLUS},
    {GLFW_KEY_KP_ENTER, K::KEY_ENTER},
    {GLFW_KEY_KP_EQUAL, K::KEY_EQUAL},
    {GLFW_KEY_LEFT_SHIFT, K::KEY_SHIFT},
    {GLFW_KEY_LEFT_CONTROL, K::KEY_CTRL},
    {GLFW_KEY_LEFT_ALT, K::KEY_ALT},
    {GLFW_KEY_LEFT_SUPER, K::KEY_HYPER},
    {GLFW_KEY_RIGHT_SHIFT, K::KEY_SHIFT},
    {GLFW_KEY_RIGHT_CONTROL, K::KEY_CTRL},
    {GLFW_KEY_RIGHT_ALT, K::KEY_ALT},
    {GLFW_KEY_RIGHT_SUPER, K::KEY_HYPER},
    {GLFW_KEY_MENU, K::KEY_MENU},
};

const std::unordered_map<int, K>& table()
{
    static const std::unordered_map<int, K> map = [] {
        std::unordered_map<int, K> m;
        for (const KeyPair& p : kKeyTable)
            m.emplace(p.glfw, p.code);
        return m;
    }();
    return map;
}

}

EventKeyboard::KeyCode keyCodeFromGLFW(int glfwKey)
{
    auto it = table().find(glfwKey);
    return it == table().end() ? K::KEY_NONE : it->second;
}

}
