#pragma once
#include "Image.h"
#include <string>

// Writes an RGBA PNG with fixed compression settings and no time stamp, so the
// same picture always gives the same bytes. Returns false (with a message on
// stderr) when the file cannot be written.
bool writePng(const Image& image, const std::string& path);
