#pragma once
#include "cocos2d.h"

// The key codes the game tests: the engine's keyboard codes in their 3.1
// numbering, as plain ints (the key table and the handlers index by them).
namespace Key {
constexpr int code(cocos2d::EventKeyboard::KeyCode key)
{
    return static_cast<int>(key);
}

using KC = cocos2d::EventKeyboard::KeyCode;
constexpr int Escape = code(KC::KEY_ESCAPE);
constexpr int Tab = code(KC::KEY_TAB);
constexpr int Return = code(KC::KEY_RETURN);
constexpr int Shift = code(KC::KEY_SHIFT);
constexpr int Left = code(KC::KEY_LEFT_ARROW);
constexpr int Right = code(KC::KEY_RIGHT_ARROW);
constexpr int Up = code(KC::KEY_UP_ARROW);
constexpr int Down = code(KC::KEY_DOWN_ARROW);
constexpr int Enter = code(KC::KEY_ENTER);
constexpr int Space = code(KC::KEY_SPACE);
constexpr int Digit1 = code(KC::KEY_1);
constexpr int Digit2 = code(KC::KEY_2);
constexpr int Digit3 = code(KC::KEY_3);
constexpr int A = code(KC::KEY_A);
constexpr int D = code(KC::KEY_D);
constexpr int E = code(KC::KEY_E);
constexpr int F = code(KC::KEY_F);
constexpr int Q = code(KC::KEY_Q);
constexpr int R = code(KC::KEY_R);
constexpr int S = code(KC::KEY_S);
constexpr int V = code(KC::KEY_V);
constexpr int W = code(KC::KEY_W);
constexpr int Z = code(KC::KEY_Z);
constexpr int KeypadEnter = code(KC::KEY_KP_ENTER);

static_assert(Escape == 6 && Tab == 8 && Shift == 12 && Enter == 32 && Space == 56, "3.1 key numbering");
static_assert(A == 121 && Z == 146 && Digit1 == 74 && KeypadEnter == 161, "3.1 key numbering");

// Main and keypad Enter arrive as 32; the two other Enter codes count too.
constexpr bool isEnter(int key)
{
    return key == Enter || key == Return || key == KeypadEnter;
}

// The keys that confirm or close: SPACE, E or Enter.
constexpr bool isConfirm(int key)
{
    return key == Space || key == E || isEnter(key);
}
}
