#pragma once
#include "Image.h"
#include "Rng.h"

// Painted scenes for the full-screen pictures: night skylines in the rain
// and the two protagonists seen from the front.
namespace SceneArt
{
void sky(Image& img, int x, int y, int w, int h);
void skyline(Image& img, int x, int y, int w, int h, Rng& rng, int layers);
void rain(Image& img, int x, int y, int w, int h, Rng& rng, int drops, int alpha);
// A standing figure from the front, feet at (cx, baseY), about height tall.
// male selects the cut; step -1..1 swings the legs; armRaise 0..1 brings
// the gun arm up; turn 0..1 turns the figure away (back view at 1).
void figure(Image& img, int cx, int baseY, int height, bool male, double step, double armRaise, double turn,
            double breathe);
void frame(Image& img, int x, int y, int w, int h, Rgba colour);
}
