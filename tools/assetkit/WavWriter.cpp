#include "WavWriter.h"
#include "OutputFolder.h"
#include <cmath>
#include <cstdint>

namespace
{
void put32(std::string& out, uint32_t v)
{
    for (int i = 0; i < 4; ++i)
        out.push_back(static_cast<char>((v >> (8 * i)) & 0xFF));
}

void put16(std::string& out, uint16_t v)
{
    out.push_back(static_cast<char>(v & 0xFF));
    out.push_back(static_cast<char>(v >> 8));
}
}

bool writeWav(const std::string& path, const std::vector<double>& samples, int rate)
{
    std::string out = "RIFF";
    uint32_t dataBytes = static_cast<uint32_t>(samples.size() * 2);
    put32(out, 36 + dataBytes);
    out += "WAVEfmt ";
    put32(out, 16);
    put16(out, 1);
    put16(out, 1);
    put32(out, static_cast<uint32_t>(rate));
    put32(out, static_cast<uint32_t>(rate * 2));
    put16(out, 2);
    put16(out, 16);
    out += "data";
    put32(out, dataBytes);
    for (double s : samples)
    {
        double c = s < -1.0 ? -1.0 : (s > 1.0 ? 1.0 : s);
        long v = std::lround(c * 32767.0);
        put16(out, static_cast<uint16_t>(static_cast<int16_t>(v)));
    }
    return writeTextFile(path, out);
}
