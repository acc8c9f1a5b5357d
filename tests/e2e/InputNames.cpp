#include "InputNames.h"

#include "cocos2d.h"
#include "platform/GamePad.h"

#include <algorithm>
#include <cctype>
#include <cstdlib>
#include <unordered_map>

namespace {

using KC = cocos2d::EventKeyboard::KeyCode;

std::string lower(std::string text)
{
    std::transform(text.begin(), text.end(), text.begin(),
                   [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    return text;
}

int code(KC key)
{
    return static_cast<int>(key);
}

// The keys that are no single letter, digit or function key.
const std::unordered_map<std::string, int>& namedKeys()
{
    static const std::unordered_map<std::string, int> keys = {
        {"esc", code(KC::KEY_ESCAPE)},        {"escape", code(KC::KEY_ESCAPE)},
        {"space", code(KC::KEY_SPACE)},       {"enter", code(KC::KEY_ENTER)},
        {"tab", code(KC::KEY_TAB)},           {"shift", code(KC::KEY_SHIFT)},
        {"ctrl", code(KC::KEY_CTRL)},         {"alt", code(KC::KEY_ALT)},
        {"backspace", code(KC::KEY_BACKSPACE)}, {"delete", code(KC::KEY_DELETE)},
        {"up", code(KC::KEY_UP_ARROW)},       {"down", code(KC::KEY_DOWN_ARROW)},
        {"left", code(KC::KEY_LEFT_ARROW)},   {"right", code(KC::KEY_RIGHT_ARROW)},
        {"pageup", code(KC::KEY_PG_UP)},      {"pagedown", code(KC::KEY_PG_DOWN)},
        {"comma", code(KC::KEY_COMMA)},       {"period", code(KC::KEY_PERIOD)},
        {"backslash", code(KC::KEY_BACK_SLASH)}, {"keypadplus", code(KC::KEY_KP_PLUS)},
        {"keypadminus", code(KC::KEY_KP_MINUS)},
    };
    return keys;
}

// A whole number from first to last written out in full, else -1.
int numberIn(const std::string& text, int first, int last)
{
    if (text.empty() || text.size() > 3 || !std::all_of(text.begin(), text.end(), ::isdigit))
        return -1;
    const int value = std::atoi(text.c_str());
    return value >= first && value <= last ? value : -1;
}

}

int InputNames::key(const std::string& name)
{
    const std::string text = lower(name);
    if (text.size() == 1 && text[0] >= 'a' && text[0] <= 'z')
        return code(KC::KEY_A) + (text[0] - 'a');
    if (text.size() == 1 && text[0] >= '0' && text[0] <= '9')
        return code(KC::KEY_0) + (text[0] - '0');
    if (text.size() >= 2 && text[0] == 'f')
    {
        const int function = numberIn(text.substr(1), 1, 12);
        if (function != -1)
            return code(KC::KEY_F1) + function - 1;
    }
    const auto found = namedKeys().find(text);
    return found == namedKeys().end() ? -1 : found->second;
}

int InputNames::mouseButton(const std::string& name)
{
    static const std::unordered_map<std::string, int> buttons = {{"left", 0}, {"right", 1}, {"middle", 2}};
    const auto found = buttons.find(lower(name));
    return found == buttons.end() ? -1 : found->second;
}

int InputNames::padButton(const std::string& name)
{
    // In the pad layer's numbering (platform/GamePad.h).
    static const std::unordered_map<std::string, int> buttons = {
        {"a", 0},          {"b", 1},          {"x", 2},         {"y", 3},          {"lb", 4},
        {"rb", 5},         {"back", 6},       {"start", 7},     {"leftstick", 8},  {"rightstick", 9},
        {"dpadup", 10},    {"dpadright", 11}, {"dpaddown", 12}, {"dpadleft", 13},  {"guide", 14},
    };
    const std::string text = lower(name);
    const auto found = buttons.find(text);
    if (found != buttons.end())
        return found->second;
    return numberIn(text, 0, GamePadState::kMaxButtons - 1);
}
