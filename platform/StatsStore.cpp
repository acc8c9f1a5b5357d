#include "platform/StatsStore.h"

#include "platform/GamePaths.h"
#include "platform/SafeFileWriter.h"

#include <algorithm>
#include <cerrno>
#include <climits>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>

namespace fs = std::filesystem;

namespace {

constexpr int kFileVersion = 1;

bool parseInt32(const std::string& text, int32_t& value)
{
    if (text.empty())
        return false;
    errno = 0;
    char* end = nullptr;
    long long parsed = std::strtoll(text.c_str(), &end, 10);
    if (errno != 0 || *end != '\0' || parsed < INT32_MIN || parsed > INT32_MAX)
        return false;
    value = static_cast<int32_t>(parsed);
    return true;
}

std::vector<std::string> words(const std::string& line)
{
    std::istringstream in(line);
    std::vector<std::string> out;
    std::string word;
    while (in >> word)
        out.push_back(word);
    return out;
}

} // namespace

StatsStore* StatsStore::getInstance()
{
    static StatsStore* instance = new StatsStore;
    return instance;
}

std::string StatsStore::filePath()
{
    return GamePaths::ensureSavesDir() + kFileName;
}

bool StatsStore::init()
{
    if (_initialised)
        return true;
    _stats.clear();
    _achievements.clear();
    _achievementsUnstored.clear();
    load();
    _initialised = true;
    return true;
}

void StatsStore::shutdown()
{
    _initialised = false;
    _pending.clear();
}

bool StatsStore::validName(const std::string& name)
{
    if (name.empty())
        return false;
    return std::all_of(name.begin(), name.end(),
                       [](char c) { return static_cast<unsigned char>(c) > ' ' && c != 0x7f; });
}

// ---- reading --------------------------------------------------------------------------------

void StatsStore::load()
{
    const std::string path = filePath();
    std::error_code ec;
    if (!fs::exists(path, ec))
        return;
    std::ifstream in(path, std::ios::binary);
    std::string text((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    int badLine = 0;
    if (in.bad() || !in.is_open()) {
        std::fprintf(stderr, "Tallowind: %s: cannot be read; statistics start afresh\n", path.c_str());
    } else if (parse(text, path, badLine)) {
        return;
    }

    const std::string aside = keepAside(path);
    // A file that could not be moved aside is the only copy of what it holds: never written over.
    if (aside.empty()) {
        _writeBlocked = true;
        _readProblem = "it could not be read and is left as it is; this session's statistics are not kept";
        return;
    }
    const std::string kept = badLine > 0 ? "line " + std::to_string(badLine) +
                                               " could not be read: the other statistics are kept,\nand "
                                         : "the statistics start afresh; ";
    _readProblem = kept + "the file as it was is kept as " + fs::path(aside).filename().string();
    writeFile();
}

bool StatsStore::parse(const std::string& text, const std::string& path, int& badLine)
{
    // Every line that reads is kept: one damaged line costs only what it held.
    std::istringstream in(text);
    std::string line;
    bool versionSeen = false;
    int lineNumber = 0;
    badLine = 0;
    auto unreadable = [&](const std::string& what) {
        std::fprintf(stderr, "Tallowind: %s:%d: %s\n", path.c_str(), lineNumber, what.c_str());
        if (badLine == 0)
            badLine = lineNumber;
    };
    while (std::getline(in, line)) {
        ++lineNumber;
        const std::vector<std::string> w = words(line);
        if (w.empty() || w[0][0] == '#')
            continue;
        int32_t value = 0;
        if (!versionSeen) {
            versionSeen = true;
            if (w.size() == 2 && w[0] == "version" && parseInt32(w[1], value) && value == kFileVersion)
                continue;
            unreadable("expected \"version " + std::to_string(kFileVersion) + "\"");
            // A statistic in its place still counts.
            readEntry(w);
        } else if (!readEntry(w)) {
            unreadable("unreadable line \"" + line + "\"");
        }
    }
    if (!versionSeen) {
        // Nothing but comments and blank lines: no statistic to keep.
        std::fprintf(stderr, "Tallowind: %s: no \"version\" line\n", path.c_str());
        return false;
    }
    return badLine == 0;
}

bool StatsStore::readEntry(const std::vector<std::string>& words)
{
    int32_t value = 0;
    if (words[0] == "stat" && words.size() == 3 && parseInt32(words[2], value))
        _stats[words[1]] = value;
    else if (words[0] == "achievement" && words.size() == 2)
        _achievements.insert(words[1]);
    else
        return false;
    return true;
}

std::string StatsStore::keepAside(const std::string& path)
{
    std::error_code ec;
    std::string aside = path + ".corrupt";
    for (int n = 1; fs::exists(aside, ec) && n < 1000; ++n)
        aside = path + ".corrupt" + std::to_string(n);
    fs::rename(path, aside, ec);
    if (ec) {
        std::fprintf(stderr, "Tallowind: cannot keep %s aside: %s\n", path.c_str(), ec.message().c_str());
        return std::string();
    }
    std::fprintf(stderr, "Tallowind: the damaged file is kept as %s\n", aside.c_str());
    return aside;
}

// ---- writing --------------------------------------------------------------------------------

std::string StatsStore::serialise() const
{
    std::string text = "# Tallowind statistics and achievements\nversion " + std::to_string(kFileVersion) + "\n";
    for (const auto& stat : _stats)
        text += "stat " + stat.first + " " + std::to_string(stat.second) + "\n";
    for (const std::string& name : _achievements)
        text += "achievement " + name + "\n";
    return text;
}

bool StatsStore::writeFile()
{
    if (_writeBlocked) {
        _writeProblem = "the damaged file could not be moved aside, so it is not written over";
        return false;
    }
    const SafeFileWriter::Result result = SafeFileWriter::write(filePath(), serialise());
    _writeProblem = result.reason;
    if (!result)
        std::fprintf(stderr, "Tallowind: cannot write %s: %s\n", filePath().c_str(), result.reason.c_str());
    return result.written;
}

// ---- statistics and achievements ------------------------------------------------------------

bool StatsStore::requestCurrentStats()
{
    if (!_initialised)
        return false;
    StatsReceived record;
    record.gameId = kAppId;
    record.result = kResultOk;
    queue(&StatsStore::_receivedListeners, record);
    return true;
}

bool StatsStore::getStat(const std::string& name, int32_t& value) const
{
    if (!_initialised || !validName(name))
        return false;
    auto found = _stats.find(name);
    value = (found != _stats.end()) ? found->second : 0;
    return true;
}

bool StatsStore::setStat(const std::string& name, int32_t value)
{
    if (!_initialised || !validName(name))
        return false;
    _stats[name] = value;
    return true;
}

bool StatsStore::storeStats()
{
    if (!_initialised)
        return false;
    const bool ok = writeFile();
    StatsStored record;
    record.gameId = kAppId;
    record.result = ok ? kResultOk : kResultFail;
    queue(&StatsStore::_storedListeners, record);
    if (ok)
        queueAchievementsStored();
    return ok;
}

bool StatsStore::setAchievement(const std::string& name)
{
    if (!_initialised || !validName(name))
        return false;
    if (!_achievements.insert(name).second)
        return true; // already held
    _achievementsUnstored.push_back(name);
    // Kept at once: an achievement is never lost to a later failed save.
    if (writeFile())
        queueAchievementsStored();
    return true;
}

bool StatsStore::getAchievement(const std::string& name, bool& achieved) const
{
    if (!_initialised || !validName(name))
        return false;
    achieved = _achievements.count(name) > 0;
    return true;
}

void StatsStore::queueAchievementsStored()
{
    for (const std::string& name : _achievementsUnstored) {
        AchievementStored record;
        record.gameId = kAppId;
        record.name = name;
        queue(&StatsStore::_achievementListeners, record);
    }
    _achievementsUnstored.clear();
}

// ---- callbacks ------------------------------------------------------------------------------

template <typename Record>
StatsStore::ListenerId StatsStore::addListener(ListenerList<Record> list,
                                               std::function<void(const Record&)> call)
{
    const ListenerId id = _nextListenerId++;
    (this->*list).push_back(Listener<Record>{ id, std::move(call) });
    return id;
}

template <typename Record>
void StatsStore::queue(ListenerList<Record> list, const Record& record)
{
    _pending.push_back([this, list, record]() {
        // A listener removed by an earlier one in this delivery is not called.
        const std::vector<Listener<Record>> listeners = this->*list;
        for (const Listener<Record>& listener : listeners) {
            const auto& current = this->*list;
            const bool stillThere = std::any_of(current.begin(), current.end(),
                                                [&](const Listener<Record>& l) { return l.id == listener.id; });
            if (stillThere && listener.call)
                listener.call(record);
        }
    });
}

void StatsStore::runCallbacks()
{
    if (!_initialised)
        return;
    std::vector<std::function<void()>> due;
    due.swap(_pending);
    for (const auto& deliver : due) {
        if (!_initialised)
            break; // a listener shut the store down
        deliver();
    }
}

StatsStore::ListenerId StatsStore::onStatsReceived(std::function<void(const StatsReceived&)> listener)
{
    return addListener(&StatsStore::_receivedListeners, std::move(listener));
}

StatsStore::ListenerId StatsStore::onStatsStored(std::function<void(const StatsStored&)> listener)
{
    return addListener(&StatsStore::_storedListeners, std::move(listener));
}

StatsStore::ListenerId StatsStore::onAchievementStored(std::function<void(const AchievementStored&)> listener)
{
    return addListener(&StatsStore::_achievementListeners, std::move(listener));
}

void StatsStore::removeListener(ListenerId id)
{
    auto drop = [id](auto& list) {
        list.erase(std::remove_if(list.begin(), list.end(), [id](const auto& l) { return l.id == id; }),
                   list.end());
    };
    drop(_receivedListeners);
    drop(_storedListeners);
    drop(_achievementListeners);
}
