#pragma once
#include <cstdint>
#include <string>

// Builds the bytes of a small binary save file: little-endian, fixed-width
// fields, no padding, whatever the machine's own byte order.
class ByteWriter
{
public:
    void putU8(uint8_t value);
    void putI16(int16_t value);
    void putI32(int32_t value);
    void putU32(uint32_t value);
    // Exactly count bytes of text, cut or filled with NULs.
    void putFixed(const std::string& text, size_t count);

    const std::string& bytes() const { return _bytes; }

private:
    std::string _bytes;
};
