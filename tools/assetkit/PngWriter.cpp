#include "PngWriter.h"
#include <cstdio>
#include <png.h>
#include <vector>
#include <zlib.h>

bool writePng(const Image& image, const std::string& path)
{
    FILE* f = std::fopen(path.c_str(), "wb");
    if (!f)
    {
        std::fprintf(stderr, "cannot write %s\n", path.c_str());
        return false;
    }
    png_structp png = png_create_write_struct(PNG_LIBPNG_VER_STRING, nullptr, nullptr, nullptr);
    png_infop info = png ? png_create_info_struct(png) : nullptr;
    if (!png || !info || setjmp(png_jmpbuf(png)))
    {
        png_destroy_write_struct(&png, &info);
        std::fclose(f);
        std::fprintf(stderr, "PNG error writing %s\n", path.c_str());
        return false;
    }
    png_init_io(png, f);
    png_set_compression_level(png, Z_BEST_COMPRESSION);
    png_set_filter(png, 0, PNG_ALL_FILTERS);
    png_set_IHDR(png, info, image.width(), image.height(), 8, PNG_COLOR_TYPE_RGB_ALPHA, PNG_INTERLACE_NONE,
                 PNG_COMPRESSION_TYPE_DEFAULT, PNG_FILTER_TYPE_DEFAULT);
    png_write_info(png, info);
    const std::vector<uint8_t>& px = image.bytes();
    for (int y = 0; y < image.height(); ++y)
        png_write_row(png, const_cast<png_bytep>(px.data() + static_cast<size_t>(y) * image.width() * 4));
    png_write_end(png, nullptr);
    png_destroy_write_struct(&png, &info);
    bool ok = std::fclose(f) == 0;
    if (!ok)
        std::fprintf(stderr, "cannot finish %s\n", path.c_str());
    return ok;
}
