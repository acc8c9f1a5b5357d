#pragma once
#include "CityGrid.h"
#include <string>

// The HUD minimap of a zone, one pixel a cell with north up, and one overlay
// per district that the HUD lays over it to show where a target is.
bool writeMinimaps(const CityGrid& grid, int zone, int districts, const std::string& folder);
