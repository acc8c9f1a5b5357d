#pragma once
#include <string>
#include <vector>

// Mono 16-bit PCM at the given rate; samples are clipped to [-1, 1].
bool writeWav(const std::string& path, const std::vector<double>& samples, int rate);
