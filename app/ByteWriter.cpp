#include "app/ByteWriter.h"

void ByteWriter::putU8(uint8_t value)
{
    _bytes.push_back(static_cast<char>(value));
}

void ByteWriter::putI16(int16_t value)
{
    const uint16_t bits = static_cast<uint16_t>(value);
    putU8(static_cast<uint8_t>(bits & 0xFF));
    putU8(static_cast<uint8_t>(bits >> 8));
}

void ByteWriter::putI32(int32_t value)
{
    putU32(static_cast<uint32_t>(value));
}

void ByteWriter::putU32(uint32_t value)
{
    for (int shift = 0; shift < 32; shift += 8)
        putU8(static_cast<uint8_t>((value >> shift) & 0xFF));
}

void ByteWriter::putFixed(const std::string& text, size_t count)
{
    for (size_t i = 0; i < count; ++i)
        putU8(i < text.size() ? static_cast<uint8_t>(text[i]) : 0);
}
