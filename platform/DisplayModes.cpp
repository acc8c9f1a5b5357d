#include "platform/DisplayModes.h"

#include <GLFW/glfw3.h>

namespace {

DisplayModeRecord toRecord(const GLFWvidmode& mode)
{
    DisplayModeRecord record;
    record.width = mode.width;
    record.height = mode.height;
    record.refreshRate = mode.refreshRate;
    record.redBits = mode.redBits;
    record.greenBits = mode.greenBits;
    record.blueBits = mode.blueBits;
    return record;
}

} // namespace

std::vector<DisplayModeRecord> DisplayModes::primaryMonitorModes()
{
    std::vector<DisplayModeRecord> modes;
    GLFWmonitor* monitor = glfwGetPrimaryMonitor();
    if (!monitor)
        return modes;
    int count = 0;
    const GLFWvidmode* list = glfwGetVideoModes(monitor, &count);
    if (!list)
        return modes;
    modes.reserve(static_cast<size_t>(count));
    for (int i = 0; i < count; ++i)
        modes.push_back(toRecord(list[i]));
    return modes;
}

bool DisplayModes::desktopMode(DisplayModeRecord& out)
{
    GLFWmonitor* monitor = glfwGetPrimaryMonitor();
    if (!monitor)
        return false;
    const GLFWvidmode* mode = glfwGetVideoMode(monitor);
    if (!mode)
        return false;
    out = toRecord(*mode);
    return true;
}
