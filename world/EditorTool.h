#pragma once
#include <cstdint>

// The map editor's tools: what a click on the map does.
namespace EditorTool {
constexpr int32_t None = -1;       // nothing; before the first tool and inside a delete
constexpr int32_t PaintTile = 0;   // paints the tile brush into the cell (drag paints too)
constexpr int32_t PlaceObject = 1; // places a new object of the object brush
constexpr int32_t PlaceMarker = 2; // places a new marker of the marker kind
constexpr int32_t Select = 3;      // selects the object, else the marker, under the pointer
constexpr int32_t SelectTile = 4;  // selects the cell under the pointer
constexpr int32_t CopyTile = 5;    // copies the cell into the clipboard
constexpr int32_t PasteTile = 6;   // pastes the clipboard onto the cell
constexpr int32_t ReZone = 7;      // gives the cell the clipboard's zone (drag paints too)
constexpr int32_t Count = 8;
}
