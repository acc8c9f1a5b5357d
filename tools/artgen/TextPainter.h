#pragma once
#include "Image.h"
#include <string>

// Draws text into pictures with the interface font's glyphs, so that titles
// and captions match the game's own lettering.
namespace TextPainter
{
// Pixel width of a line at the given scale (6 pixels a glyph).
int width(const std::string& text, int scale);
void draw(Image& img, int x, int y, const std::string& text, Rgba colour, int scale);
void drawCentred(Image& img, int centreX, int y, const std::string& text, Rgba colour, int scale);
// Word-wraps the text into lines of at most maxWidth pixels; returns the
// height used.
int drawWrapped(Image& img, int x, int y, int maxWidth, const std::string& text, Rgba colour, int scale);
}
