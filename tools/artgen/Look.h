#pragma once
#include "Image.h"
#include <string>

// The colours and cut of one walking character as seen from above.
struct Look
{
    std::string sheet;   // sprite-sheet base name, e.g. "Citizen_3000"
    Rgba skin;
    Rgba hair;
    Rgba coat;
    Rgba trim;           // neon piping on the shoulders
    Rgba legs;
    int hairStyle = 0;   // 0 short, 1 long, 2 hood, 3 shaved
    int build = 7;       // half shoulder width in pixels
    bool hat = false;
};

// The city's colour scheme: wet asphalt, cold concrete and neon.
namespace Neon
{
inline Rgba pink() { return rgba(255, 60, 170); }
inline Rgba cyan() { return rgba(40, 230, 255); }
inline Rgba violet() { return rgba(150, 80, 255); }
inline Rgba amber() { return rgba(255, 176, 40); }
inline Rgba green() { return rgba(80, 255, 120); }
inline Rgba red() { return rgba(255, 50, 50); }
}
