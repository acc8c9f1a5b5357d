#pragma once
#include "base/Data.h"
#include <string>
#include <sys/types.h>
#include <unordered_map>
#include <vector>

namespace cocos2d {

// Finds and reads game files. A relative name is looked up in each search
// path in order (relative search paths under the default resource root, by
// default the working directory). Paths written with '\' are read with '/'.
class FileUtils
{
public:
    static FileUtils* getInstance();

    void addSearchPath(const std::string& path, bool front = false);
    void setSearchPaths(const std::vector<std::string>& searchPaths);
    const std::vector<std::string>& getSearchPaths() const { return _searchPaths; }
    void setDefaultResourceRootPath(const std::string& path);
    const std::string& getDefaultResourceRootPath() const { return _defaultRoot; }

    // The full path of an existing file, or "" when none is found.
    std::string fullPathForFilename(const std::string& filename);
    bool isFileExist(const std::string& filename);
    bool isAbsolutePath(const std::string& path) const;

    // Whole file, binary. Empty Data / string when the file is missing.
    Data getDataFromFile(const std::string& filename);
    std::string getStringFromFile(const std::string& filename);
    // Whole file into a malloc'ed buffer the caller frees; null when missing.
    unsigned char* getFileData(const std::string& filename, const char* mode, ssize_t* size);

    void purgeCachedEntries() { _fullPathCache.clear(); }

    // '\' to '/'.
    static std::string normalizePath(const std::string& path);

private:
    FileUtils();
    bool readWhole(const std::string& filename, std::vector<unsigned char>& out);
    std::string resolveSearchPath(const std::string& path) const;

    std::string _defaultRoot;
    std::vector<std::string> _searchPaths;
    std::unordered_map<std::string, std::string> _fullPathCache;
};

}
