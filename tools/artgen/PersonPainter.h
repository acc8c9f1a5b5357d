#pragma once
#include "Atlas.h"
#include "Look.h"
#include <string>
#include <vector>

// One animation of a walking character: its id in the data files, the frame
// name stem, frame count, length and play mode word.
struct PersonAnimation
{
    int id;
    std::string stem;
    int frames;
    double seconds;
    std::string mode;
};

const std::vector<PersonAnimation>& personAnimations();

// Draws every frame of every person animation for a look into the atlas;
// frame names are "<sheet>_<stem>NN.png". Frames are 32 x 32, facing up.
void paintPersonSheet(const Look& look, Atlas& atlas);
// The standing pose alone (portraits and character selection).
Image paintPersonStanding(const Look& look);
