#pragma once
#include <filesystem>
#include <string>
#include <system_error>

// Whether a save left one of its temporary files (named "<file>.<process>.<number>.tmp") in
// the folder.
inline bool temporaryFileLeft(const std::string& folder)
{
    std::error_code ec;
    for (std::filesystem::directory_iterator it(folder, ec), end; !ec && it != end; it.increment(ec))
        if (it->path().extension() == ".tmp")
            return true;
    return false;
}
