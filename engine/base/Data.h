#pragma once
#include <cstddef>
#include <vector>

namespace cocos2d {

// A block of bytes read from a file.
class Data
{
public:
    Data() = default;

    unsigned char* getBytes() { return _bytes.empty() ? nullptr : _bytes.data(); }
    const unsigned char* getBytes() const { return _bytes.empty() ? nullptr : _bytes.data(); }
    std::size_t getSize() const { return _bytes.size(); }
    bool isNull() const { return _bytes.empty(); }
    void copy(const unsigned char* bytes, std::size_t size) { _bytes.assign(bytes, bytes + size); }
    void clear() { _bytes.clear(); }

    static const Data Null;

private:
    std::vector<unsigned char> _bytes;
};

inline const Data Data::Null{};

}
