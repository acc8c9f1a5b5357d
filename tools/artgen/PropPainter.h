#pragma once
#include "Image.h"
#include <string>
#include <vector>

// The still sprites of items, props, projectiles, remains and train pieces,
// by file name. names() lists every picture this painter knows.
class PropPainter
{
public:
    static const std::vector<std::string>& names();
    // An empty image for a name it does not know.
    static Image paint(const std::string& name);
};
