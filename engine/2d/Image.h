#pragma once
#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

namespace cocos2d {

// A decoded picture: 8-bit RGBA rows, top row first, straight (not
// premultiplied) alpha. Reads PNG (libpng) and JPEG (libjpeg); the format is
// told by the file's first bytes, not by its name.
class Image
{
public:
    enum class Format { UNKNOWN, PNG, JPG };

    // Decodes a file. With sizeOnly only the header is read: width and height
    // are known, the pixels are not (headless runs never need them).
    bool initWithImageFile(const std::string& path, bool sizeOnly = false);
    bool initWithImageData(const unsigned char* data, std::size_t length, bool sizeOnly = false);
    // Takes ready RGBA pixels (a screenshot, a generated texture).
    bool initWithRawData(const unsigned char* rgba, int width, int height);

    int getWidth() const { return _width; }
    int getHeight() const { return _height; }
    Format getFileType() const { return _format; }
    bool hasPixels() const { return !_pixels.empty(); }
    const unsigned char* getData() const { return _pixels.data(); }
    std::size_t getDataLen() const { return _pixels.size(); }
    // Why the last init failed, for the caller's message.
    const std::string& getError() const { return _error; }

    // Writes the pixels as an 8-bit RGBA PNG.
    bool saveToFile(const std::string& path) const;

    static Format detectFormat(const unsigned char* data, std::size_t length);

private:
    bool decodePng(const unsigned char* data, std::size_t length, bool sizeOnly);
    bool decodeJpeg(const unsigned char* data, std::size_t length, bool sizeOnly);
    bool fail(const std::string& why);

    int _width = 0;
    int _height = 0;
    Format _format = Format::UNKNOWN;
    std::vector<unsigned char> _pixels;
    std::string _error;
};

}
