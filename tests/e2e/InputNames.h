#pragma once
#include <string>

// The names a scenario gives keys, mouse buttons and pad buttons, as a person
// reads them off the keyboard and the pad: "E", "Space", "Esc", "F5", "Up";
// "left", "right", "middle"; "A", "B", "Start", "DpadRight" or the pad
// button's number. Each lookup gives the engine's or the pad layer's code, or
// -1 for a name it does not know. Names are matched without regard to case.
class InputNames
{
public:
    static int key(const std::string& name);
    static int mouseButton(const std::string& name);
    static int padButton(const std::string& name);
};
