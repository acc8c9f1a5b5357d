#include "platform/FileUtils.h"
#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <sys/stat.h>

namespace cocos2d {

namespace {

bool isRegularFile(const std::string& path)
{
    struct stat st;
    return !path.empty() && ::stat(path.c_str(), &st) == 0 && S_ISREG(st.st_mode);
}

std::string withTrailingSlash(std::string path)
{
    if (!path.empty() && path.back() != '/')
        path += '/';
    return path;
}

}

FileUtils* FileUtils::getInstance()
{
    static FileUtils* instance = new FileUtils();
    return instance;
}

FileUtils::FileUtils()
{
    // The default root: the working directory; the empty search path.
    _searchPaths.push_back(std::string());
}

std::string FileUtils::normalizePath(const std::string& path)
{
    std::string out(path);
    std::replace(out.begin(), out.end(), '\\', '/');
    return out;
}

bool FileUtils::isAbsolutePath(const std::string& path) const
{
    return !path.empty() && path[0] == '/';
}

std::string FileUtils::resolveSearchPath(const std::string& path) const
{
    const std::string p = normalizePath(path);
    if (isAbsolutePath(p))
        return withTrailingSlash(p);
    return withTrailingSlash(withTrailingSlash(_defaultRoot) + p);
}

void FileUtils::setDefaultResourceRootPath(const std::string& path)
{
    _defaultRoot = normalizePath(path);
    _fullPathCache.clear();
}

void FileUtils::addSearchPath(const std::string& path, bool front)
{
    const std::string p = normalizePath(path);
    if (std::find(_searchPaths.begin(), _searchPaths.end(), p) != _searchPaths.end())
        return;
    if (front)
        _searchPaths.insert(_searchPaths.begin(), p);
    else
        _searchPaths.push_back(p);
    _fullPathCache.clear();
}

void FileUtils::setSearchPaths(const std::vector<std::string>& searchPaths)
{
    _searchPaths.clear();
    for (const std::string& p : searchPaths)
        _searchPaths.push_back(normalizePath(p));
    // The root itself is always searched last.
    if (std::find(_searchPaths.begin(), _searchPaths.end(), std::string()) == _searchPaths.end())
        _searchPaths.push_back(std::string());
    _fullPathCache.clear();
}

std::string FileUtils::fullPathForFilename(const std::string& filename)
{
    if (filename.empty())
        return std::string();
    const std::string name = normalizePath(filename);
    if (isAbsolutePath(name))
        return isRegularFile(name) ? name : std::string();
    auto cached = _fullPathCache.find(name);
    if (cached != _fullPathCache.end())
        return cached->second;
    for (const std::string& searchPath : _searchPaths)
    {
        std::string candidate = resolveSearchPath(searchPath) + name;
        if (candidate.rfind("./", 0) == 0)
            candidate.erase(0, 2);
        if (isRegularFile(candidate))
        {
            _fullPathCache[name] = candidate;
            return candidate;
        }
    }
    return std::string();
}

bool FileUtils::isFileExist(const std::string& filename)
{
    return !fullPathForFilename(filename).empty();
}

bool FileUtils::readWhole(const std::string& filename, std::vector<unsigned char>& out)
{
    const std::string path = fullPathForFilename(filename);
    if (path.empty())
        return false;
    FILE* f = std::fopen(path.c_str(), "rb");
    if (!f)
        return false;
    unsigned char buffer[65536];
    std::size_t n;
    while ((n = std::fread(buffer, 1, sizeof(buffer), f)) > 0)
        out.insert(out.end(), buffer, buffer + n);
    const bool ok = !std::ferror(f);
    std::fclose(f);
    return ok;
}

Data FileUtils::getDataFromFile(const std::string& filename)
{
    Data data;
    std::vector<unsigned char> bytes;
    if (readWhole(filename, bytes) && !bytes.empty())
        data.copy(bytes.data(), bytes.size());
    return data;
}

std::string FileUtils::getStringFromFile(const std::string& filename)
{
    std::vector<unsigned char> bytes;
    if (!readWhole(filename, bytes))
        return std::string();
    return std::string(bytes.begin(), bytes.end());
}

unsigned char* FileUtils::getFileData(const std::string& filename, const char*, ssize_t* size)
{
    if (size)
        *size = 0;
    std::vector<unsigned char> bytes;
    if (!readWhole(filename, bytes))
        return nullptr;
    auto* buffer = static_cast<unsigned char*>(std::malloc(bytes.empty() ? 1 : bytes.size()));
    if (!buffer)
        return nullptr;
    if (!bytes.empty())
        std::memcpy(buffer, bytes.data(), bytes.size());
    if (size)
        *size = static_cast<ssize_t>(bytes.size());
    return buffer;
}

}
