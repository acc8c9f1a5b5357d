// Feeds arbitrary text to the statistics store as "userstats.txt" in a
// scratch saves folder. Whatever the store kept, the file it writes must be
// read back by the next start without a complaint and written out the same.
#include <cstdint>
#include <cstdlib>
#include <fstream>
#include <sstream>
#include <string>

#include "FuzzFolder.h"
#include "platform/StatsStore.h"

namespace {

const FuzzFolder& folder()
{
    static const FuzzFolder scratch("tallowind-fuzz-statsstore");
    return scratch;
}

std::string storedText()
{
    std::ifstream in(folder().file(StatsStore::kFileName), std::ios::binary);
    std::ostringstream text;
    text << in.rdbuf();
    return text.str();
}

void restart()
{
    StatsStore* store = StatsStore::getInstance();
    store->shutdown();
    store->init();
}

}  // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***)
{
    folder().useAsSavesFolder();
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    folder().empty();
    folder().write(StatsStore::kFileName, data, size);
    restart();
    StatsStore* store = StatsStore::getInstance();
    if (!store->storeStats())
        std::abort();
    const std::string written = storedText();

    folder().empty();
    folder().write(StatsStore::kFileName, reinterpret_cast<const uint8_t*>(written.data()), written.size());
    restart();
    if (!store->storeStats() || storedText() != written || folder().exists(std::string(StatsStore::kFileName) + ".corrupt"))
        std::abort();
    store->shutdown();
    return 0;
}
