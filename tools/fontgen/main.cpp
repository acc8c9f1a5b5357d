// fontgen: draws the interface font "dosfont" (5 x 8 glyph cells in white,
// tinted by the text renderer) into a sprite sheet and its property list.
// Usage: fontgen <output folder>
#include "Atlas.h"
#include "GlyphBitmaps.h"
#include "OutputFolder.h"
#include <cstdio>

int main(int argc, char** argv)
{
    if (argc != 2)
    {
        std::fprintf(stderr, "usage: fontgen <output folder>\n");
        return 2;
    }
    std::string out = argv[1];
    if (!makeFolders(out))
    {
        std::fprintf(stderr, "cannot create %s\n", out.c_str());
        return 1;
    }
    Atlas atlas;
    for (const GlyphBitmap& g : glyphBitmaps())
    {
        Image img(kGlyphColumns, kGlyphRows);
        for (int y = 0; y < kGlyphRows; ++y)
            for (int x = 0; x < kGlyphColumns; ++x)
                if (g.rows[y][x] == '#')
                    img.set(x, y, rgba(255, 255, 255));
        atlas.add(g.frame, img);
    }
    return atlas.write(out, "dosfont") ? 0 : 1;
}
