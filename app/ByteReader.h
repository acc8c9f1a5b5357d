#pragma once
#include <cstddef>
#include <cstdint>
#include <string>

// Reads the fields of a small binary save file held in memory: little-endian,
// fixed-width, no padding. A read past the end gives false and leaves the
// value as it was, so a short file can never be read as garbage.
class ByteReader
{
public:
    explicit ByteReader(const std::string& bytes) : _bytes(bytes) {}

    bool getU8(uint8_t& value);
    bool getI16(int16_t& value);
    bool getI32(int32_t& value);
    bool getU32(uint32_t& value);
    // count raw bytes.
    bool getFixed(size_t count, std::string& value);

    size_t remaining() const { return _bytes.size() - _offset; }
    size_t offset() const { return _offset; }

private:
    bool has(size_t count) const { return remaining() >= count; }
    uint8_t byteAt(size_t index) const { return static_cast<uint8_t>(_bytes[_offset + index]); }

    const std::string& _bytes;
    size_t _offset = 0;
};
