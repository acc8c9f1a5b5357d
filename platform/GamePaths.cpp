#include "platform/GamePaths.h"

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <system_error>

namespace fs = std::filesystem;

namespace {

std::string withSlash(const fs::path& folder)
{
    std::string text = folder.lexically_normal().generic_string();
    if (text.empty() || text.back() != '/')
        text += '/';
    return text;
}

std::string envFolder(const char* name)
{
    const char* value = std::getenv(name);
    if (!value || !*value)
        return std::string();
    std::error_code ec;
    fs::path folder = fs::absolute(GamePaths::normalise(value), ec);
    return withSlash(ec ? fs::path(GamePaths::normalise(value)) : folder);
}

// The first "assets" folder beside the executable or above it; empty when there is none.
fs::path findAssetsBesideExecutable()
{
    std::error_code ec;
    fs::path exe = fs::read_symlink("/proc/self/exe", ec);
    if (ec)
        return fs::path();
    for (fs::path dir = exe.parent_path(); !dir.empty(); dir = dir.parent_path()) {
        if (fs::is_directory(dir / "assets", ec))
            return dir / "assets";
        if (dir == dir.root_path())
            break;
    }
    return fs::path();
}

// The assets of the checkout the program was built from, for a build folder that lies
// outside the source tree; empty when that folder is gone.
fs::path checkoutAssets()
{
#ifdef TALLOWIND_CHECKOUT_ASSETS
    std::error_code ec;
    if (fs::is_directory(TALLOWIND_CHECKOUT_ASSETS, ec))
        return fs::path(TALLOWIND_CHECKOUT_ASSETS);
#endif
    return fs::path();
}

std::string installedAssetsDir()
{
    // The executable does not move while the program runs: search once.
    static const fs::path beside = findAssetsBesideExecutable();
    static const fs::path found = beside.empty() ? checkoutAssets() : beside;
    if (!found.empty())
        return withSlash(found);

    static bool reported = false;
    std::error_code ec;
    fs::path fallback = fs::current_path(ec) / "assets";
    if (!reported) {
        reported = true;
        std::fprintf(stderr, "Tallowind: no \"assets\" folder beside the program; using %s\n",
                     fallback.generic_string().c_str());
    }
    return withSlash(fallback);
}

// "assets/x" -> "x" when the first folder is `folder`; otherwise false.
bool stripFirstFolder(const std::string& path, const std::string& folder, std::string& rest)
{
    if (path == folder) {
        rest.clear();
        return true;
    }
    if (path.size() > folder.size() && path.compare(0, folder.size(), folder) == 0
        && path[folder.size()] == '/') {
        rest = path.substr(folder.size() + 1);
        return true;
    }
    return false;
}

} // namespace

std::string GamePaths::assetsDir()
{
    std::string fromEnv = envFolder("TALLOWIND_ASSETS");
    return fromEnv.empty() ? installedAssetsDir() : fromEnv;
}

std::string GamePaths::savesDir()
{
    std::string fromEnv = envFolder("TALLOWIND_SAVES");
    if (!fromEnv.empty())
        return fromEnv;
    fs::path assets = fs::path(assetsDir()).parent_path(); // drops the trailing '/'
    return withSlash(assets.parent_path() / "saves");
}

std::string GamePaths::ensureSavesDir()
{
    std::string dir = savesDir();
    std::error_code ec;
    if (!fs::is_directory(dir, ec)) {
        fs::create_directories(dir, ec);
        static bool reported = false;
        if (ec && !reported) {
            reported = true;
            std::fprintf(stderr, "Tallowind: cannot create the saves folder %s: %s\n", dir.c_str(),
                         ec.message().c_str());
        }
    }
    return dir;
}

std::string GamePaths::normalise(const std::string& path)
{
    std::string out;
    out.reserve(path.size());
    for (char c : path) {
        char d = (c == '\\') ? '/' : c;
        if (d == '/' && !out.empty() && out.back() == '/')
            continue;
        out += d;
    }
    return out;
}

std::string GamePaths::resolve(const std::string& path)
{
    std::string p = normalise(path);
    if (!p.empty() && p[0] == '/')
        return p;
    std::string rest;
    if (stripFirstFolder(p, "assets", rest))
        return assetsDir() + rest;
    if (stripFirstFolder(p, "saves", rest))
        return savesDir() + rest;
    while (p.compare(0, 2, "./") == 0)
        p.erase(0, 2);
    return assetsDir() + p;
}

bool GamePaths::fileExists(const std::string& path)
{
    std::error_code ec;
    return fs::is_regular_file(resolve(path), ec);
}

bool GamePaths::folderExists(const std::string& path)
{
    std::error_code ec;
    return fs::is_directory(resolve(path), ec);
}

bool GamePaths::deleteFile(const std::string& path)
{
    std::error_code ec;
    fs::path file = resolve(path);
    if (!fs::is_regular_file(file, ec))
        return false;
    return fs::remove(file, ec) && !ec;
}

std::string GamePaths::fileName(const std::string& path)
{
    return fs::path(normalise(path)).filename().string();
}
