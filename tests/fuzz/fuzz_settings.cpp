// Feeds arbitrary bytes to the settings reader as "settings.cfg" in a scratch
// saves folder. Whatever the file holds, the window must be asked for the
// automatic size or a positive one, and reading the file the reader left
// behind (the same one, or the defaults it wrote) must give the same choice.
#include <cstdint>
#include <cstdlib>

#include "FuzzFolder.h"
#include "app/DisplaySettings.h"

namespace {

const FuzzFolder& folder()
{
    static const FuzzFolder scratch("tallowind-fuzz-settings");
    return scratch;
}

bool usable(const DisplayMode& mode)
{
    return (mode.width == -1 && mode.height == -1) || (mode.width > 0 && mode.height > 0);
}

bool same(const DisplayMode& a, const DisplayMode& b)
{
    return a.index == b.index && a.width == b.width && a.height == b.height && a.verified == b.verified;
}

}  // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***)
{
    folder().useAsSavesFolder();
    buildDisplayModeList({{1024, 768}, {1280, 720}, {1920, 1080}});
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    folder().empty();
    folder().write("settings.cfg", data, size);
    currentDisplayMode = DisplayMode{-1, 0, 0, false};
    loadSettings();
    const DisplayMode first = currentDisplayMode;
    const bool firstFullScreen = fullScreen;
    if (!usable(first))
        std::abort();

    loadSettings();
    if (!same(first, currentDisplayMode) || firstFullScreen != fullScreen)
        std::abort();
    return 0;
}
