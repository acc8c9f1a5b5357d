#pragma once
// Files the drawing tests make for themselves: PNG and JPEG images of known
// pixels, sprite-sheet property lists and OBJ models, in a private
// temporary folder that is removed afterwards.
#include <cstdio>
#include <cstring>
#include <functional>
#include <string>
#include <vector>

#include <jpeglib.h>
#include <png.h>

#include "cocos2d.h"
#include "support/ScratchFolder.h"

struct DrawingRgba
{
    unsigned char r, g, b, a;
};

class DrawingTestFolder : public ScratchFolder
{
public:
    DrawingTestFolder() : ScratchFolder("tw_drawing") {}

    // Puts the folder first on the engine's search paths, forgetting what
    // earlier lookups found elsewhere.
    void searchFirst() const
    {
        cocos2d::FileUtils::getInstance()->addSearchPath(path(), true);
        cocos2d::FileUtils::getInstance()->purgeCachedEntries();
    }

    // A PNG whose pixel (x, y), y counted from the top row, is colour(x, y).
    std::string writePng(const std::string& name, int width, int height,
                         const std::function<DrawingRgba(int, int)>& colour) const
    {
        std::vector<unsigned char> pixels(std::size_t(width) * height * 4);
        for (int y = 0; y < height; ++y)
            for (int x = 0; x < width; ++x) {
                const DrawingRgba c = colour(x, y);
                unsigned char* p = &pixels[(std::size_t(y) * width + x) * 4];
                p[0] = c.r;
                p[1] = c.g;
                p[2] = c.b;
                p[3] = c.a;
            }
        png_image image;
        std::memset(&image, 0, sizeof image);
        image.version = PNG_IMAGE_VERSION;
        image.width = png_uint_32(width);
        image.height = png_uint_32(height);
        image.format = PNG_FORMAT_RGBA;
        png_image_write_to_file(&image, file(name).c_str(), 0, pixels.data(), 0, nullptr);
        png_image_free(&image);
        return file(name);
    }

    std::string writeSolidPng(const std::string& name, int width, int height, DrawingRgba colour) const
    {
        return writePng(name, width, height, [colour](int, int) { return colour; });
    }

    // A JPEG of one colour (at full quality, so it stays close to it).
    std::string writeSolidJpeg(const std::string& name, int width, int height, DrawingRgba colour) const
    {
        FILE* out = std::fopen(file(name).c_str(), "wb");
        if (!out)
            return file(name);
        jpeg_compress_struct info;
        jpeg_error_mgr errors;
        info.err = jpeg_std_error(&errors);
        jpeg_create_compress(&info);
        jpeg_stdio_dest(&info, out);
        info.image_width = JDIMENSION(width);
        info.image_height = JDIMENSION(height);
        info.input_components = 3;
        info.in_color_space = JCS_RGB;
        jpeg_set_defaults(&info);
        jpeg_set_quality(&info, 100, TRUE);
        jpeg_start_compress(&info, TRUE);
        std::vector<unsigned char> row(std::size_t(width) * 3);
        for (int x = 0; x < width; ++x) {
            row[x * 3] = colour.r;
            row[x * 3 + 1] = colour.g;
            row[x * 3 + 2] = colour.b;
        }
        while (info.next_scanline < info.image_height) {
            JSAMPROW rowPtr = row.data();
            jpeg_write_scanlines(&info, &rowPtr, 1);
        }
        jpeg_finish_compress(&info);
        jpeg_destroy_compress(&info);
        std::fclose(out);
        return file(name);
    }

    // A unit cube from (-0.5, -0.5, -0.5) to (0.5, 0.5, 0.5), texture
    // coordinates covering each face.
    std::string writeCubeObj(const std::string& name) const
    {
        return write(name,
                     "# unit cube\n"
                     "v -0.5 -0.5 -0.5\nv 0.5 -0.5 -0.5\nv 0.5 0.5 -0.5\nv -0.5 0.5 -0.5\n"
                     "v -0.5 -0.5 0.5\nv 0.5 -0.5 0.5\nv 0.5 0.5 0.5\nv -0.5 0.5 0.5\n"
                     "vt 0 0\nvt 1 0\nvt 1 1\nvt 0 1\n"
                     "f 1/1 2/2 3/3 4/4\nf 5/1 6/2 7/3 8/4\nf 1/1 2/2 6/3 5/4\n"
                     "f 2/1 3/2 7/3 6/4\nf 3/1 4/2 8/3 7/4\nf 4/1 1/2 5/3 8/4\n");
    }
};
