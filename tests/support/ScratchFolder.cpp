#include "support/ScratchFolder.h"

#include <cstdlib>
#include <fstream>

ScratchFolder::ScratchFolder(const std::string& prefix)
{
    std::string pattern = (std::filesystem::temp_directory_path() / (prefix + "_XXXXXX")).string();
    if (mkdtemp(pattern.data()))
        _path = pattern;
}

ScratchFolder::~ScratchFolder()
{
    std::error_code ignored;
    if (!_path.empty())
        std::filesystem::remove_all(_path, ignored);
}

std::string ScratchFolder::write(const std::string& name, const std::string& bytes) const
{
    std::ofstream(file(name), std::ios::binary) << bytes;
    return file(name);
}
