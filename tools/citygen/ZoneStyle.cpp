#include "ZoneStyle.h"

const ZoneStyle& zoneStyle(int zone)
{
    // Downtown: tall grey towers, tight blocks, a canal and the metro.
    // The Docks: rusty warehouses, harbour water, a freight line.
    // Hilldale: pale low houses in parks with lakes, no trains.
    static const ZoneStyle styles[3] = {
        {"tallowind_levelOne", 0x7A11, 80, 9, 12, 0, {2, 4, 5}, 22, 10, false, 0, 21, 0, 50, 220, 3, 40, 10,
         150, 100, 75, 50, 200, 25, 150, 25, 50, 25},
        {"tallowind_levelTwo", 0xD0C5, 80, 10, 14, 1, {6, 3, 0}, 25, 14, false, 12, -1, 0, 14, 200, 3, 45, 12,
         175, 110, 85, 60, 220, 30, 160, 30, 60, 30},
        {"tallowind_levelThree", 0x4111, 80, 8, 11, 2, {6, 3, 1}, 30, 26, true, 0, -1, 3, -1, 220, 3, 50, 14,
         200, 125, 100, 70, 250, 35, 175, 35, 75, 35},
    };
    return styles[zone < 0 ? 0 : (zone > 2 ? 2 : zone)];
}
