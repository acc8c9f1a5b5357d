#pragma once

// The values of GameInterface::state. The first seven are registered by name
// with the interface manager; the two page states are not.
namespace GameState {
constexpr int Intro = 1;
constexpr int NotSpawned = 2;
constexpr int Playing = 3;
constexpr int Paused = 4;
constexpr int Dead = 5;
constexpr int Menu = 6;
constexpr int Edit = 7;
constexpr int TutorialPanes = 8;
constexpr int InfoPages = 9;
}
