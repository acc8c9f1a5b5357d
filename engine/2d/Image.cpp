#include "2d/Image.h"

#include <csetjmp>
#include <cstdio>
#include <cstring>
#include <fstream>
#include <iterator>

#include <jpeglib.h>
#include <png.h>

namespace cocos2d {

namespace {

// Pictures larger than this are refused rather than risking a huge allocation
// from a corrupt header.
const int MAX_SIDE = 16384;

struct JpegErrorTrap
{
    jpeg_error_mgr base;
    std::jmp_buf jump;
    char message[JMSG_LENGTH_MAX];
};

void jpegErrorExit(j_common_ptr info)
{
    JpegErrorTrap* trap = reinterpret_cast<JpegErrorTrap*>(info->err);
    (*info->err->format_message)(info, trap->message);
    std::longjmp(trap->jump, 1);
}

void jpegSilence(j_common_ptr, int) {}

}

Image::Format Image::detectFormat(const unsigned char* data, std::size_t length)
{
    static const unsigned char pngMagic[8] = {0x89, 'P', 'N', 'G', '\r', '\n', 0x1A, '\n'};
    if (length >= 8 && std::memcmp(data, pngMagic, 8) == 0)
        return Format::PNG;
    if (length >= 3 && data[0] == 0xFF && data[1] == 0xD8 && data[2] == 0xFF)
        return Format::JPG;
    return Format::UNKNOWN;
}

bool Image::fail(const std::string& why)
{
    _error = why;
    _width = _height = 0;
    _pixels.clear();
    return false;
}

bool Image::initWithImageFile(const std::string& path, bool sizeOnly)
{
    std::ifstream in(path, std::ios::binary);
    if (!in)
        return fail("cannot open " + path);
    std::vector<unsigned char> bytes((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    if (!initWithImageData(bytes.data(), bytes.size(), sizeOnly)) {
        _error = path + ": " + _error;
        return false;
    }
    return true;
}

bool Image::initWithImageData(const unsigned char* data, std::size_t length, bool sizeOnly)
{
    _error.clear();
    _pixels.clear();
    _format = data ? detectFormat(data, length) : Format::UNKNOWN;
    switch (_format) {
    case Format::PNG: return decodePng(data, length, sizeOnly);
    case Format::JPG: return decodeJpeg(data, length, sizeOnly);
    default: return fail("not a PNG or JPEG image");
    }
}

bool Image::initWithRawData(const unsigned char* rgba, int width, int height)
{
    if (!rgba || width <= 0 || height <= 0 || width > MAX_SIDE || height > MAX_SIDE)
        return fail("bad raw image size");
    _width = width;
    _height = height;
    _format = Format::UNKNOWN;
    _pixels.assign(rgba, rgba + std::size_t(width) * height * 4);
    _error.clear();
    return true;
}

bool Image::decodePng(const unsigned char* data, std::size_t length, bool sizeOnly)
{
    png_image png;
    std::memset(&png, 0, sizeof png);
    png.version = PNG_IMAGE_VERSION;
    if (!png_image_begin_read_from_memory(&png, data, length))
        return fail(std::string("corrupt PNG: ") + png.message);
    if (png.width == 0 || png.height == 0 || png.width > unsigned(MAX_SIDE) || png.height > unsigned(MAX_SIDE)) {
        png_image_free(&png);
        return fail("PNG size out of range");
    }
    _width = int(png.width);
    _height = int(png.height);
    if (sizeOnly) {
        png_image_free(&png);
        return true;
    }
    png.format = PNG_FORMAT_RGBA;
    _pixels.resize(PNG_IMAGE_SIZE(png));
    if (!png_image_finish_read(&png, nullptr, _pixels.data(), 0, nullptr)) {
        std::string why = png.message;
        png_image_free(&png);
        return fail("corrupt PNG: " + why);
    }
    return true;
}

bool Image::decodeJpeg(const unsigned char* data, std::size_t length, bool sizeOnly)
{
    jpeg_decompress_struct info;
    JpegErrorTrap trap;
    info.err = jpeg_std_error(&trap.base);
    trap.base.error_exit = jpegErrorExit;
    trap.base.emit_message = jpegSilence;
    trap.message[0] = '\0';
    // Rows are decoded into a buffer owned outside the jump so nothing leaks
    // when libjpeg bails out half-way.
    std::vector<unsigned char> row;
    if (setjmp(trap.jump)) {
        jpeg_destroy_decompress(&info);
        return fail(std::string("corrupt JPEG: ") + trap.message);
    }
    jpeg_create_decompress(&info);
    jpeg_mem_src(&info, data, static_cast<unsigned long>(length));
    jpeg_read_header(&info, TRUE);
    if (info.image_width == 0 || info.image_height == 0 || info.image_width > unsigned(MAX_SIDE)
        || info.image_height > unsigned(MAX_SIDE)) {
        jpeg_destroy_decompress(&info);
        return fail("JPEG size out of range");
    }
    _width = int(info.image_width);
    _height = int(info.image_height);
    if (sizeOnly) {
        jpeg_destroy_decompress(&info);
        return true;
    }
    info.out_color_space = JCS_RGB;
    jpeg_start_decompress(&info);
    _pixels.resize(std::size_t(_width) * _height * 4);
    row.resize(std::size_t(info.output_width) * info.output_components);
    while (info.output_scanline < info.output_height) {
        unsigned char* rowPtr = row.data();
        const std::size_t y = info.output_scanline;
        jpeg_read_scanlines(&info, &rowPtr, 1);
        unsigned char* out = &_pixels[y * _width * 4];
        for (int x = 0; x < _width; ++x) {
            out[x * 4 + 0] = row[x * 3 + 0];
            out[x * 4 + 1] = row[x * 3 + 1];
            out[x * 4 + 2] = row[x * 3 + 2];
            out[x * 4 + 3] = 255;
        }
    }
    jpeg_finish_decompress(&info);
    jpeg_destroy_decompress(&info);
    return true;
}

bool Image::saveToFile(const std::string& path) const
{
    if (_pixels.empty())
        return false;
    png_image png;
    std::memset(&png, 0, sizeof png);
    png.version = PNG_IMAGE_VERSION;
    png.width = png_uint_32(_width);
    png.height = png_uint_32(_height);
    png.format = PNG_FORMAT_RGBA;
    const bool ok = png_image_write_to_file(&png, path.c_str(), 0, _pixels.data(), 0, nullptr) != 0;
    png_image_free(&png);
    return ok;
}

}
