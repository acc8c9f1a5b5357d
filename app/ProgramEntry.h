#pragma once
#include "cocos2d.h"

// The window the game runs in, made at start-up.
extern cocos2d::GLView* mainGLView;
// The one scene, holding the Game layer.
extern cocos2d::Scene* runningScene;

// The whole program: window, statistics store and the engine's run loop.
// Returns the run loop's result, or 0 after a start-up failure.
int runProgram();

// Opens the window at the current display choice; null when it cannot.
cocos2d::GLView* createMainView();

// Whether the citizens' name lists were read whole; otherwise reports what is
// wrong in a "Critical Error" message box and gives false.
bool nameTablesReady();
