#pragma once

// One screen resolution: an entry of the display-mode list, or the current
// choice. Width and height -1 are the automatic entry (the desktop's own mode
// full screen; otherwise a 1280 x 720 window, or a window of the smallest mode
// on a display too small for that).
struct DisplayMode
{
    int index = -1;
    int width = 0;
    int height = 0;
    bool verified = false;

    bool isAutomatic() const { return width == -1 && height == -1; }
};
