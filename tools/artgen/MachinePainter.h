#pragma once
#include "Atlas.h"
#include <string>

// Animated sheets of the flying robots, the effects and the animated items.
// Each call adds frames "<sheet>_<stem>NN.png" to the atlas.
void paintPoliceDroid(Atlas& atlas);
void paintCleanerDroid(Atlas& atlas);
void paintAdBlimp(Atlas& atlas);
// variant 0..4 picks the body shape and the running lights.
void paintFlyer(Atlas& atlas, const std::string& sheet, int variant);
void paintDroidTurret(Atlas& atlas);
void paintHoloLure(Atlas& atlas);
void paintImpact(Atlas& atlas);
void paintSplash(Atlas& atlas);
void paintExplosion(Atlas& atlas);
