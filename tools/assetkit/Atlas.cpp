#include "Atlas.h"
#include "OutputFolder.h"
#include "PngWriter.h"
#include <algorithm>
#include <cstdio>
#include <sstream>

void Atlas::add(const std::string& frameName, const Image& image)
{
    frames.push_back(Frame{frameName, image, 0, 0});
}

namespace
{
std::string rectText(int x, int y, int w, int h)
{
    char buf[96];
    std::snprintf(buf, sizeof buf, "{{%d,%d},{%d,%d}}", x, y, w, h);
    return buf;
}

std::string sizeText(int w, int h)
{
    char buf[64];
    std::snprintf(buf, sizeof buf, "{%d,%d}", w, h);
    return buf;
}

int nextPowerOfTwo(int v)
{
    int p = 1;
    while (p < v)
        p *= 2;
    return p;
}
}

bool Atlas::write(const std::string& folder, const std::string& baseName) const
{
    return write(folder, baseName, baseName);
}

bool Atlas::write(const std::string& folder, const std::string& baseName, const std::string& textureBase) const
{
    // Shelf packing, tallest first, one pixel between frames so that nearest
    // sampling never picks up a neighbour.
    std::vector<Frame> packed = frames;
    std::stable_sort(packed.begin(), packed.end(),
                     [](const Frame& a, const Frame& b) { return a.image.height() > b.image.height(); });
    long area = 0;
    int widest = 1;
    for (const Frame& f : packed)
    {
        area += static_cast<long>(f.image.width() + 1) * (f.image.height() + 1);
        widest = std::max(widest, f.image.width() + 1);
    }
    int sheetW = nextPowerOfTwo(std::max(widest, 16));
    while (static_cast<long>(sheetW) * sheetW < area)
        sheetW *= 2;
    int x = 0, y = 0, shelf = 0;
    for (Frame& f : packed)
    {
        if (x + f.image.width() > sheetW)
        {
            x = 0;
            y += shelf + 1;
            shelf = 0;
        }
        f.x = x;
        f.y = y;
        x += f.image.width() + 1;
        shelf = std::max(shelf, f.image.height());
    }
    int sheetH = std::max(1, y + shelf);
    Image sheet(sheetW, sheetH);
    for (const Frame& f : packed)
        sheet.blit(f.image, f.x, f.y);

    std::ostringstream plist;
    plist << "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n"
          << "<!DOCTYPE plist PUBLIC \"-//Apple//DTD PLIST 1.0//EN\" "
             "\"http://www.apple.com/DTDs/PropertyList-1.0.dtd\">\n"
          << "<plist version=\"1.0\">\n<dict>\n<key>frames</key>\n<dict>\n";
    // Frames listed in the order they were added, which is the reading order.
    for (const Frame& src : frames)
    {
        auto it = std::find_if(packed.begin(), packed.end(), [&](const Frame& f) { return f.name == src.name; });
        int w = it->image.width(), h = it->image.height();
        plist << "<key>" << src.name << "</key>\n<dict>\n"
              << "<key>frame</key><string>" << rectText(it->x, it->y, w, h) << "</string>\n"
              << "<key>offset</key><string>{0,0}</string>\n"
              << "<key>rotated</key><false/>\n"
              << "<key>sourceColorRect</key><string>" << rectText(0, 0, w, h) << "</string>\n"
              << "<key>sourceSize</key><string>" << sizeText(w, h) << "</string>\n</dict>\n";
    }
    std::string png = textureBase + ".png";
    plist << "</dict>\n<key>metadata</key>\n<dict>\n"
          << "<key>format</key><integer>2</integer>\n"
          << "<key>realTextureFileName</key><string>" << png << "</string>\n"
          << "<key>size</key><string>" << sizeText(sheetW, sheetH) << "</string>\n"
          << "<key>textureFileName</key><string>" << png << "</string>\n"
          << "</dict>\n</dict>\n</plist>\n";
    return writePng(sheet, joinPath(folder, png)) && writeTextFile(joinPath(folder, baseName + ".plist"), plist.str());
}
