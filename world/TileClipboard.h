#pragma once
#include <cstdint>

// The cell the map editor copied. Until the first copy it holds a cell with
// nothing in it: no floor (so a paste does nothing), no overlay, no building,
// level 0, the first texture and no zone (which is what the re-zone tool
// paints until a cell has been copied).
struct TileClipboard
{
    int32_t overlayId = -1;
    int32_t overlayRotation = 0;
    int32_t floorId = -1;
    int32_t floorRotation = 0;
    int32_t buildingId = -1;
    int32_t level = 0;
    int32_t textureIndex = 0;
    int32_t zone = -1;
};
