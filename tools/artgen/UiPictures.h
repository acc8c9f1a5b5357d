#pragma once
#include "Image.h"

// Interface pictures that other pictures reuse.
namespace UiPictures
{
// The HUD's tracker arrow pointing at the heading (degrees clockwise from north).
Image tracker(double degrees);
}
