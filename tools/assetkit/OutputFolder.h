#pragma once
#include <string>

std::string joinPath(const std::string& folder, const std::string& name);
// Creates the folder and its parents; true when it exists afterwards.
bool makeFolders(const std::string& folder);
// Writes the bytes exactly (no line-end translation).
bool writeTextFile(const std::string& path, const std::string& bytes);
