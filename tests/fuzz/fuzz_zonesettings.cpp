// Feeds arbitrary text to the zone settings reader through a file, as the
// level flow reads it. Every problem it reports must name the file and a line
// the file has.
#include <algorithm>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <vector>

#include "FuzzFolder.h"
#include "world/LevelSettings.h"

namespace {

const FuzzFolder& folder()
{
    static const FuzzFolder scratch("tallowind-fuzz-zonesettings");
    return scratch;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const std::string path = folder().file("tallowind_levelOne.txt");
    folder().write("tallowind_levelOne.txt", data, size);
    std::vector<DataFileProblem> problems;
    readLevelSettings(path, &problems);

    const int lines = 1 + static_cast<int>(std::count(data, data + size, '\n'));
    for (const DataFileProblem& problem : problems) {
        if (problem.file != path || problem.line < 0 || problem.line > lines ||
            problem.describe().find(path) == std::string::npos)
            std::abort();
    }
    return 0;
}
