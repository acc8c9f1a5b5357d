#include "app/ByteReader.h"

bool ByteReader::getU8(uint8_t& value)
{
    if (!has(1))
        return false;
    value = byteAt(0);
    _offset += 1;
    return true;
}

bool ByteReader::getI16(int16_t& value)
{
    if (!has(2))
        return false;
    const uint16_t bits = static_cast<uint16_t>(byteAt(0) | (byteAt(1) << 8));
    value = static_cast<int16_t>(bits);
    _offset += 2;
    return true;
}

bool ByteReader::getI32(int32_t& value)
{
    uint32_t bits = 0;
    if (!getU32(bits))
        return false;
    value = static_cast<int32_t>(bits);
    return true;
}

bool ByteReader::getU32(uint32_t& value)
{
    if (!has(4))
        return false;
    uint32_t bits = 0;
    for (size_t i = 0; i < 4; ++i)
        bits |= static_cast<uint32_t>(byteAt(i)) << (8 * i);
    value = bits;
    _offset += 4;
    return true;
}

bool ByteReader::getFixed(size_t count, std::string& value)
{
    if (!has(count))
        return false;
    value = _bytes.substr(_offset, count);
    _offset += count;
    return true;
}
