#pragma once
#include "app/Singleton.h"

// The main menu, which is also the pause menu.
class MenuEngine : public Singleton<MenuEngine>
{
public:
    void close();

private:
    friend class Singleton<MenuEngine>;
    MenuEngine() = default;
};
