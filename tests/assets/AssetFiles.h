#pragma once
#include <map>
#include <string>
#include <vector>

// Helpers shared by the asset tests: where the delivered assets are, reading
// files, and a small reader of the block data files that keeps every key
// line of every record (the game's own reader keeps only the fields).
namespace AssetFiles
{
std::string assetsDir();
std::string toolPath(const std::string& tool);
bool exists(const std::string& relative);
std::string read(const std::string& path);
std::vector<std::string> lines(const std::string& relative);

struct Record
{
    std::map<std::string, std::vector<std::string>> values; // key -> values in file order
    bool has(const std::string& key) const { return values.count(key) > 0; }
    std::string first(const std::string& key) const;
    int id() const;
};
// Records of a block file opened by the given word ("object", "tile", "weapon").
std::vector<Record> records(const std::string& relative, const std::string& word);
}
