#pragma once
// Small helpers of the platform tests: a temporary folder that removes itself, an environment
// variable set for one scope, and a working folder changed for one scope.
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>
#include <unistd.h>

#include "support/ScratchFolder.h"

class ScopedEnv
{
public:
    ScopedEnv(const char* name, const char* value) : _name(name)
    {
        const char* old = std::getenv(name);
        _hadOld = old != nullptr;
        if (old)
            _old = old;
        if (value)
            setenv(name, value, 1);
        else
            unsetenv(name);
    }
    ~ScopedEnv()
    {
        if (_hadOld)
            setenv(_name.c_str(), _old.c_str(), 1);
        else
            unsetenv(_name.c_str());
    }
    ScopedEnv(const ScopedEnv&) = delete;
    ScopedEnv& operator=(const ScopedEnv&) = delete;

private:
    std::string _name;
    std::string _old;
    bool _hadOld = false;
};

class ScopedWorkingFolder
{
public:
    explicit ScopedWorkingFolder(const std::filesystem::path& folder)
        : _old(std::filesystem::current_path())
    {
        std::filesystem::current_path(folder);
    }
    ~ScopedWorkingFolder()
    {
        std::error_code ec;
        std::filesystem::current_path(_old, ec);
    }
    ScopedWorkingFolder(const ScopedWorkingFolder&) = delete;
    ScopedWorkingFolder& operator=(const ScopedWorkingFolder&) = delete;

private:
    std::filesystem::path _old;
};

inline void writeTextFile(const std::filesystem::path& file, const std::string& text)
{
    std::ofstream out(file, std::ios::binary);
    out << text;
}

inline std::string readTextFile(const std::filesystem::path& file)
{
    std::ifstream in(file, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}
