#include "UITestAssets.h"

#include <fstream>
#include <set>
#include <sstream>
#include <vector>

#include "cocos2d.h"
#include "support/ScratchFolder.h"
#include "ui/GlyphFrameTable.h"

USING_NS_CC;

namespace
{
const int kCell = 6;      // atlas cell: 5 x 8 glyph plus a blank column and row
const int kCellHigh = 9;
const int kColumns = 16;

struct Canvas
{
    int width, height;
    std::vector<unsigned char> rgba;

    Canvas(int w, int h) : width(w), height(h), rgba(static_cast<size_t>(w * h * 4), 0) {}

    void set(int x, int y, unsigned char r, unsigned char g, unsigned char b, unsigned char a = 255)
    {
        unsigned char* p = &rgba[static_cast<size_t>((y * width + x) * 4)];
        p[0] = r;
        p[1] = g;
        p[2] = b;
        p[3] = a;
    }

    bool save(const std::string& path) const
    {
        Image image;
        return image.initWithRawData(rgba.data(), width, height) && image.saveToFile(path);
    }
};

// A 5 x 8 white pattern that differs from glyph to glyph: an outline with
// the code's bits inside.
void drawGlyph(Canvas& canvas, int cellX, int cellY, int index)
{
    for (int y = 0; y < 8; ++y) {
        for (int x = 0; x < 5; ++x) {
            const bool edge = y == 0 || y == 7 || x == 0;
            const bool bit = x > 0 && x < 4 && y > 0 && y < 7 && ((index >> ((x - 1) * 6 + (y - 1)) % 7) & 1);
            if (edge || bit)
                canvas.set(cellX + x, cellY + y, 255, 255, 255);
        }
    }
}

void writeFont(const std::string& folder)
{
    std::set<std::string> names;
    for (int code = 0; code < 128; ++code)
        names.insert(GlyphFrameTable::frameName(static_cast<unsigned char>(code)));
    const int rows = (static_cast<int>(names.size()) + kColumns - 1) / kColumns;
    Canvas canvas(kColumns * kCell, rows * kCellHigh);
    std::ostringstream frames;
    int index = 0;
    for (const std::string& name : names) {
        const int x = (index % kColumns) * kCell;
        const int y = (index / kColumns) * kCellHigh;
        drawGlyph(canvas, x, y, index + 1);
        frames << "<key>" << name << "</key><dict>"
               << "<key>frame</key><string>{{" << x << "," << y << "},{5,8}}</string>"
               << "<key>offset</key><string>{0,0}</string>"
               << "<key>rotated</key><false/>"
               << "<key>sourceColorRect</key><string>{{0,0},{5,8}}</string>"
               << "<key>sourceSize</key><string>{5,8}</string></dict>\n";
        ++index;
    }
    canvas.save(folder + "/testfont.png");
    std::ofstream plist(folder + "/dosfont.plist");
    plist << "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n<plist version=\"1.0\"><dict>\n"
          << "<key>frames</key><dict>\n" << frames.str() << "</dict>\n"
          << "<key>metadata</key><dict><key>format</key><integer>2</integer>"
          << "<key>textureFileName</key><string>testfont.png</string></dict>\n"
          << "</dict></plist>\n";
}

void writeWhite(const std::string& folder)
{
    Canvas canvas(8, 8);
    for (int y = 0; y < 8; ++y)
        for (int x = 0; x < 8; ++x)
            canvas.set(x, y, 255, 255, 255);
    canvas.save(folder + "/white.png");
}

void writeWindow(const std::string& folder)
{
    const int size = 300;
    Canvas canvas(size, size);
    for (int y = 0; y < size; ++y) {
        for (int x = 0; x < size; ++x) {
            const bool border = x < 4 || x >= size - 4 || y < 4 || y >= size - 12;
            if (border)
                canvas.set(x, y, 80, 250, 250);
            else
                canvas.set(x, y, 10, 20, 90);
        }
    }
    canvas.save(folder + "/test_window.png");
}
} // namespace

const std::string& UITestAssets::install()
{
    // Removed when the test program ends.
    static const ScratchFolder scratch("tallowind_ui");
    static bool installed = false;
    const std::string& folder = scratch.path();
    if (installed)
        return folder;
    installed = true;
    const std::string realFont = realFontFolder();
    if (realFont.empty())
        writeFont(folder);
    writeWhite(folder);
    writeWindow(folder);
    std::vector<std::string> paths = FileUtils::getInstance()->getSearchPaths();
    paths.insert(paths.begin(), folder + "/");
    if (!realFont.empty())
        paths.insert(paths.begin() + 1, realFont + "/");
    FileUtils::getInstance()->setSearchPaths(paths);
    return folder;
}

std::string UITestAssets::realFontFolder()
{
    const std::string folder = std::string(TALLOWIND_SOURCE_DIR) + "/assets";
    std::ifstream probe(folder + "/dosfont.plist");
    return probe ? folder : std::string();
}
