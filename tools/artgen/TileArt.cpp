#include "TileArt.h"
#include "Image.h"
#include "Look.h"
#include "OutputFolder.h"
#include "PngWriter.h"
#include "RoofArt.h"
#include "Rng.h"
#include <cstdio>
#include <functional>
#include <sstream>

namespace
{
// Texture layout of a modular building: down the left column the roof
// shapes, one 32 x 32 slot each; the facade as a 32-pixel strip on the right,
// street level at the bottom.
const int kTexW = 64, kTexH = 160;

struct BuildingModel
{
    std::string name;
    int height; // pixels; the tile's height level is height / 16
};

const std::vector<BuildingModel>& buildingModels()
{
    static const std::vector<BuildingModel> models = {{"Building_Low", 48}, {"Building_Mid", 96}, {"Building_Tall", 144}};
    return models;
}

// The model of a block with the given roof shape (0 plain, 1 edge, 2 corner).
std::string modelFile(const BuildingModel& m, int shape)
{
    const char* suffix[RoofArt::kBlockShapes] = {"", "_Edge", "_Corner"};
    return m.name + suffix[shape] + ".obj";
}

Rgba jitter(Rng& rng, Rgba c, int amount)
{
    int d = rng.range(-amount, amount);
    return rgba(c.r + d, c.g + d, c.b + d, c.a);
}

Image noiseTile(uint64_t seed, Rgba base, int amount)
{
    Rng rng(seed);
    Image img(32, 32);
    for (int y = 0; y < 32; ++y)
        for (int x = 0; x < 32; ++x)
            img.set(x, y, jitter(rng, base, amount));
    return img;
}

// Rain on everything: a few bright wet glints.
void wet(Image& img, uint64_t seed, int count)
{
    Rng rng(seed);
    for (int i = 0; i < count; ++i)
    {
        int x = rng.range(0, 31), y = rng.range(0, 31);
        Rgba c = img.get(x, y);
        img.set(x, y, rgba(c.r + 40, c.g + 45, c.b + 60));
    }
}

Image asphalt(uint64_t seed)
{
    Image img = noiseTile(seed, rgba(34, 36, 44), 5);
    wet(img, seed + 1, 10);
    return img;
}

Image interiorFloor(int kind)
{
    Image img = noiseTile(40 + kind, kind == 0 ? rgba(70, 56, 48) : rgba(84, 88, 96), 4);
    if (kind == 0)
        for (int y = 0; y < 32; y += 8)
            img.line(0, y, 31, y, rgba(50, 40, 34));
    else
        for (int k = 0; k < 32; k += 16)
        {
            img.line(k, 0, k, 31, rgba(60, 62, 70));
            img.line(0, k, 31, k, rgba(60, 62, 70));
        }
    return img;
}

// An interior floor with wall edges: bit 1 north (top rows), 2 south, 4 west, 8 east.
Image wallTile(int sides)
{
    Image img = interiorFloor(0);
    Rgba wall = rgba(120, 118, 130), cap = rgba(170, 168, 180);
    if (sides & 1)
    {
        img.fillRect(0, 0, 32, 5, wall);
        img.line(0, 0, 31, 0, cap);
    }
    if (sides & 2)
    {
        img.fillRect(0, 27, 32, 5, wall);
        img.line(0, 31, 31, 31, cap);
    }
    if (sides & 4)
    {
        img.fillRect(0, 0, 5, 32, wall);
        img.line(0, 0, 0, 31, cap);
    }
    if (sides & 8)
    {
        img.fillRect(27, 0, 5, 32, wall);
        img.line(31, 0, 31, 31, cap);
    }
    return img;
}

struct GroundTile
{
    std::string file;
    std::function<Image()> paint;
};

const std::vector<GroundTile>& groundTiles()
{
    static const std::vector<GroundTile> tiles = {
        {"Tile_Asphalt.png", [] { return asphalt(1); }},
        {"Tile_RoadLine.png", [] {
             Image i = asphalt(2);
             for (int y = 2; y < 32; y += 16)
                 i.fillRect(15, y, 2, 10, rgba(220, 200, 90));
             return i;
         }},
        {"Tile_Crossing.png", [] {
             Image i = asphalt(3);
             for (int x = 2; x < 32; x += 8)
                 i.fillRect(x, 1, 4, 30, rgba(200, 200, 205));
             return i;
         }},
        {"Tile_Pavement.png", [] {
             Image i = noiseTile(4, rgba(72, 74, 84), 4);
             i.line(0, 0, 31, 0, rgba(52, 54, 62));
             i.line(0, 16, 31, 16, rgba(52, 54, 62));
             i.line(0, 0, 0, 31, rgba(52, 54, 62));
             i.line(16, 0, 16, 31, rgba(52, 54, 62));
             wet(i, 5, 6);
             return i;
         }},
        {"Tile_Kerb.png", [] {
             Image i = noiseTile(6, rgba(72, 74, 84), 4);
             i.fillRect(0, 0, 32, 4, rgba(120, 122, 134));
             i.line(0, 4, 31, 4, rgba(30, 30, 36));
             return i;
         }},
        {"Tile_Plaza.png", [] {
             Image i = noiseTile(7, rgba(60, 56, 70), 3);
             i.rectOutline(0, 0, 32, 32, rgba(44, 40, 54));
             i.rectOutline(8, 8, 16, 16, rgba(90, 70, 120));
             wet(i, 8, 8);
             return i;
         }},
        {"Tile_Grass.png", [] {
             Image i = noiseTile(9, rgba(34, 64, 40), 8);
             return i;
         }},
        {"Tile_Planks.png", [] {
             Image i = noiseTile(10, rgba(70, 54, 40), 6);
             for (int x = 0; x < 32; x += 6)
                 i.line(x, 0, x, 31, rgba(40, 30, 22));
             return i;
         }},
        {"Tile_Rail.png", [] {
             Image i = noiseTile(11, rgba(58, 52, 48), 10);
             for (int y = 2; y < 32; y += 6)
                 i.fillRect(2, y, 28, 3, rgba(70, 50, 36));
             i.fillRect(6, 0, 2, 32, rgba(150, 150, 160));
             i.fillRect(24, 0, 2, 32, rgba(150, 150, 160));
             return i;
         }},
        {"Tile_Gravel.png", [] { return noiseTile(12, rgba(66, 62, 58), 14); }},
        {"Tile_Concrete.png", [] {
             Image i = noiseTile(13, rgba(86, 86, 90), 6);
             i.line(0, 31, 31, 31, rgba(60, 60, 64));
             i.line(31, 0, 31, 31, rgba(60, 60, 64));
             return i;
         }},
        {"Tile_Roof.png", [] { return RoofArt::interiorRoof(0, false); }},
        {"Tile_Floor.png", [] { return interiorFloor(0); }},
        {"Tile_FloorTiles.png", [] { return interiorFloor(1); }},
        {"Tile_WallN.png", [] { return wallTile(1); }},
        {"Tile_WallS.png", [] { return wallTile(2); }},
        {"Tile_WallW.png", [] { return wallTile(4); }},
        {"Tile_WallE.png", [] { return wallTile(8); }},
        {"Tile_WallNW.png", [] { return wallTile(5); }},
        {"Tile_WallNE.png", [] { return wallTile(9); }},
        {"Tile_WallSW.png", [] { return wallTile(6); }},
        {"Tile_WallSE.png", [] { return wallTile(10); }},
        {"Tile_Door.png", [] {
             Image i = interiorFloor(0);
             i.fillRect(4, 12, 24, 8, rgba(40, 160, 90));
             i.line(4, 16, 27, 16, Neon::green());
             return i;
         }},
    };
    return tiles;
}

Image waterFrame(int frame)
{
    Image img(32, 32);
    Rng rng(90);
    for (int y = 0; y < 32; ++y)
        for (int x = 0; x < 32; ++x)
        {
            int wave = ((x + y * 2 + frame * 8) % 32) < 3 ? 30 : 0;
            img.set(x, y, rgba(14 + wave / 3, 30 + wave / 2, 52 + wave + rng.range(0, 6)));
        }
    img.set((frame * 9) % 32, (frame * 13 + 5) % 32, rgba(255, 80, 180));
    return img;
}

// Colours of the three materials. Roofs are darker than the streets round
// them, so that the two never read alike.
struct Material
{
    Rgba wall, trim, roof;
};

Material material(const std::string& name)
{
    if (name == "Rust")
        return {rgba(96, 58, 44), rgba(60, 40, 32), rgba(50, 36, 30)};
    if (name == "Pale")
        return {rgba(150, 148, 140), rgba(100, 100, 96), rgba(66, 54, 52)};
    return {rgba(72, 74, 86), rgba(46, 48, 58), rgba(38, 40, 48)};
}

Rgba scaleColour(Rgba c, int percent)
{
    return rgba(c.r * percent / 100, c.g * percent / 100, c.b * percent / 100);
}

Rgba neonOf(int style)
{
    return style == 4 ? Neon::pink() : (style == 5 ? Neon::cyan() : Neon::violet());
}

// The roof shapes of a block, one slot each down the texture's left column;
// the parapet is the facade's material. What stands on the roof goes with the
// building's style: skylights (lit on a lit building, in its neon on a neon
// one), vent boxes, or bare gravel.
void paintRoofs(Image& img, const Material& m, int pct, int style, bool lit, uint64_t seed)
{
    RoofArt::Feature feature = RoofArt::Feature::Gravel;
    if (style >= 4 || (style == 0 && lit))
        feature = RoofArt::Feature::LitSkylight;
    else if (style == 0)
        feature = RoofArt::Feature::Skylight;
    else if (style == 1 || style == 3)
        feature = RoofArt::Feature::Vent;
    Rgba light = style >= 4 ? neonOf(style) : rgba(255, 200, 120);
    for (int shape = 0; shape < RoofArt::kBlockShapes; ++shape)
        img.blit(RoofArt::roofCell(scaleColour(m.roof, pct), scaleColour(m.wall, pct), RoofArt::blockShapeSides(shape),
                                   feature, light, seed),
                 0, shape * 32);
}

// One facade texture. style: 0-2 building A/B/C, 3 grimy, 4-6 neon A/B/C;
// shade: 0 bright, 1 medium, 2 dark; lit: windows glowing; side: 0 plain,
// 1 blank side wall with pipes, 2 shop front.
Image buildingTexture(const std::string& matName, int style, int shadeIndex, bool lit, int side, uint64_t seed)
{
    Rng rng(seed);
    Material m = material(matName);
    int pct = shadeIndex == 0 ? 120 : (shadeIndex == 1 ? 100 : 75);
    Rgba wall = scaleColour(m.wall, pct), trim = scaleColour(m.trim, pct);
    Image img(kTexW, kTexH, rgba(0, 0, 0));
    paintRoofs(img, m, pct, style, lit, seed);
    // Facade strip.
    for (int y = 0; y < kTexH; ++y)
        for (int x = 32; x < 64; ++x)
            img.set(x, y, jitter(rng, wall, 3));
    int cols = style % 3 == 0 ? 3 : (style % 3 == 1 ? 4 : 2);
    int bandH = style % 3 == 2 ? 20 : 16;
    for (int y = kTexH - bandH; y > 0; y -= bandH)
    {
        img.line(32, y, 63, y, trim);
        if (side == 1)
            continue;
        int w = 28 / cols;
        for (int c = 0; c < cols; ++c)
        {
            int wx = 34 + c * w + 1, wy = y - bandH + 5;
            bool on = lit && rng.chance(0.55);
            Rgba glass = on ? (rng.chance(0.3) ? rgba(255, 200, 120) : rgba(200, 220, 255)) : rgba(20, 24, 34);
            img.fillRect(wx, wy, w - 3, bandH - 9, glass);
        }
    }
    if (side == 1)
    {
        img.fillRect(40, 0, 3, kTexH, scaleColour(trim, 80));
        img.fillRect(54, 0, 2, kTexH, scaleColour(trim, 70));
    }
    // Street level: a door, or a lit shop front on the second side variant.
    int base = kTexH - 14;
    img.fillRect(32, base, 32, 14, scaleColour(trim, 90));
    if (side == 2)
    {
        img.fillRect(34, base + 2, 28, 10, rgba(30, 60, 80));
        img.line(34, base + 1, 61, base + 1, Neon::amber());
    }
    else
        img.fillRect(44, base + 3, 8, 11, rgba(24, 20, 20));
    if (style == 3) // grime streaks
        for (int k = 0; k < 12; ++k)
        {
            int x = rng.range(32, 63), y = rng.range(0, kTexH - 30);
            img.line(x, y, x, y + rng.range(6, 24), rgba(30, 26, 20, 120));
        }
    if (style >= 4) // neon sign
    {
        Rgba n = neonOf(style);
        int sy = rng.range(30, 80);
        img.fillRect(36, sy, 24, 10, rgba(20, 10, 30));
        img.rectOutline(36, sy, 24, 10, n);
        for (int x = 39; x < 57; x += 4)
            img.fillRect(x, sy + 3, 2, 4, n);
    }
    return img;
}

const char* kBuilding[4] = {"Building_A", "Building_B", "Building_C", "BuildingShit_A"};
const char* kShade[3] = {"Bright", "Medium", "Dark"};

// The 23 names of a material in "modularfiles" order, each with how to paint it.
struct ModularTexture
{
    std::string name;
    int style, shade;
    bool lit;
};

std::vector<ModularTexture> modularTextures(const std::string& mat)
{
    std::vector<ModularTexture> v;
    for (int b = 0; b < 3; ++b)
        for (int s = 0; s < 3; ++s)
            v.push_back({std::string(kBuilding[b]) + "_Tex_" + kShade[s] + "_" + mat + ".png", b, s, false});
    v.push_back({"BuildingShit_A_Tex_" + mat + ".png", 3, 1, false});
    const char* neon[3] = {"Neon_A", "Neon_B", "Neon_C"};
    for (int n = 0; n < 3; ++n)
        v.push_back({std::string(neon[n]) + "_Tex_" + mat + ".png", 4 + n, 1, true});
    for (int b = 0; b < 3; ++b)
        for (int s = 0; s < 3; ++s)
            v.push_back({std::string(kBuilding[b]) + "_Lights_Tex_" + kShade[s] + "_" + mat + ".png", b, s, true});
    v.push_back({"BuildingShit_A_Lights_Tex_" + mat + ".png", 3, 1, true});
    return v;
}

std::string objText(int height, int shape)
{
    // Model space: x and z across the cell (-16..16), y up. The game turns
    // the model by 90 degrees about x so that y becomes the height; -z is
    // then north, the top of the roof's texture slot.
    std::ostringstream o;
    double top = static_cast<double>(height);
    double roofTop = 1.0 - 32.0 * shape / kTexH, roofBottom = 1.0 - 32.0 * (shape + 1) / kTexH;
    double wallTop = static_cast<double>(height) / kTexH;
    o << "# Tallowind modular building block, " << height << " pixels tall\n";
    o << "v -16 " << top << " -16\nv 16 " << top << " -16\nv 16 " << top << " 16\nv -16 " << top << " 16\n";
    o << "v -16 0 -16\nv 16 0 -16\nv 16 0 16\nv -16 0 16\n";
    o << "vt 0 " << roofBottom << "\nvt 0.5 " << roofBottom << "\nvt 0.5 " << roofTop << "\nvt 0 " << roofTop << "\n";
    o << "vt 0.5 0\nvt 1 0\nvt 1 " << wallTop << "\nvt 0.5 " << wallTop << "\n";
    o << "vn 0 1 0\nvn 0 0 -1\nvn 1 0 0\nvn 0 0 1\nvn -1 0 0\n";
    // Roof (counter-clockwise seen from above).
    o << "f 4/1/1 3/2/1 2/3/1\nf 4/1/1 2/3/1 1/4/1\n";
    // Four walls, each bottom-left, bottom-right, top-right, top-left.
    const int walls[4][4] = {{6, 5, 1, 2}, {7, 6, 2, 3}, {8, 7, 3, 4}, {5, 8, 4, 1}};
    const int normals[4] = {2, 3, 4, 5};
    for (int w = 0; w < 4; ++w)
    {
        const int* q = walls[w];
        int n = normals[w];
        o << "f " << q[0] << "/5/" << n << " " << q[1] << "/6/" << n << " " << q[2] << "/7/" << n << "\n";
        o << "f " << q[0] << "/5/" << n << " " << q[2] << "/7/" << n << " " << q[3] << "/8/" << n << "\n";
    }
    return o.str();
}

std::string rainObj()
{
    // Two crossed thin strips so that a drop shows from every side.
    return "# Tallowind rain drop\n"
           "v -0.5 0 0\nv 0.5 0 0\nv 0.5 12 0\nv -0.5 12 0\n"
           "v 0 0 -0.5\nv 0 0 0.5\nv 0 12 0.5\nv 0 12 -0.5\n"
           "vt 0 0\nvt 1 0\nvt 1 1\nvt 0 1\n"
           "vn 0 0 1\nvn 1 0 0\n"
           "f 1/1/1 2/2/1 3/3/1\nf 1/1/1 3/3/1 4/4/1\n"
           "f 5/1/2 6/2/2 7/3/2\nf 5/1/2 7/3/2 8/4/2\n";
}

std::string fmtId(const char* f, int v)
{
    char buf[64];
    std::snprintf(buf, sizeof buf, f, v);
    return buf;
}
}

const std::vector<std::string>& buildingMaterials()
{
    static const std::vector<std::string> m = {"Grey", "Rust", "Pale"};
    return m;
}

const std::vector<TileEntry>& tileEntries()
{
    static const std::vector<TileEntry> tiles = [] {
        std::vector<TileEntry> v;
        auto add = [&v](std::vector<std::string> keys) {
            int id = static_cast<int>(v.size());
            keys.insert(keys.begin(), fmtId("id=%d", id));
            v.push_back({id, keys});
        };
        add({"name=Asphalt", "filename=Tile_Asphalt.png"});
        add({"name=Road Line", "filename=Tile_RoadLine.png"});
        add({"name=Crossing", "filename=Tile_Crossing.png"});
        add({"name=Pavement", "filename=Tile_Pavement.png"});
        add({"name=Kerb", "filename=Tile_Kerb.png"});
        add({"name=Plaza", "filename=Tile_Plaza.png"});
        add({"name=Grass", "filename=Tile_Grass.png", "cost=2"});
        add({"name=Water", "filename=Tile_Water.png", "animateframes=4", "water", "cost=20"});
        add({"name=Dock Planks", "filename=Tile_Planks.png"});
        add({"name=Rail Track", "filename=Tile_Rail.png", "cost=4"});
        add({"name=Gravel", "filename=Tile_Gravel.png", "cost=2"});
        add({"name=Concrete", "filename=Tile_Concrete.png"});
        add({"name=Roof", "filename=Tile_Roof.png", "height=1"});
        add({"name=Interior Floor", "filename=Tile_Floor.png"});
        add({"name=Interior Tiles", "filename=Tile_FloorTiles.png"});
        add({"name=Wall North", "filename=Tile_WallN.png", "north_blocked"});
        add({"name=Wall South", "filename=Tile_WallS.png", "south_blocked"});
        add({"name=Wall West", "filename=Tile_WallW.png", "west_blocked"});
        add({"name=Wall East", "filename=Tile_WallE.png", "east_blocked"});
        add({"name=Wall North West", "filename=Tile_WallNW.png", "north_blocked", "west_blocked"});
        add({"name=Wall North East", "filename=Tile_WallNE.png", "north_blocked", "east_blocked"});
        add({"name=Wall South West", "filename=Tile_WallSW.png", "south_blocked", "west_blocked"});
        add({"name=Wall South East", "filename=Tile_WallSE.png", "south_blocked", "east_blocked"});
        add({"name=Doorway", "filename=Tile_Door.png"});
        const char* sizes[3] = {"Low", "Mid", "Tall"};
        const char* shapes[RoofArt::kBlockShapes] = {"", " Edge", " Corner"};
        auto addBlock = [&](const std::string& mat, int s, int shape) {
            const BuildingModel& m = buildingModels()[s];
            add({"name=Building " + std::string(sizes[s]) + " " + mat + shapes[shape], "model=" + modelFile(m, shape),
                 fmtId("height=%d", m.height / 16), "modularfiles=" + mat, "north_blocked", "south_blocked",
                 "west_blocked", "east_blocked", "cost=50"});
        };
        for (const std::string& mat : buildingMaterials())
            for (int s = 0; s < 3; ++s)
                addBlock(mat, s, 0);
        // Later additions keep the ids above: the roofs with their parapets.
        for (const RoofArt::InteriorRoofTile& t : RoofArt::interiorRoofTiles())
            add({"name=" + t.name, "filename=" + t.file, "height=1"});
        for (const std::string& mat : buildingMaterials())
            for (int s = 0; s < 3; ++s)
                for (int shape = 1; shape < RoofArt::kBlockShapes; ++shape)
                    addBlock(mat, s, shape);
        return v;
    }();
    return tiles;
}

std::string tileFileText()
{
    std::ostringstream out;
    out << "# Tallowind tiles. Ids run densely from 0; the map files refer to them.\n"
        << "# Written by tools/artgen; see assets/README.md.\n";
    for (const TileEntry& t : tileEntries())
    {
        out << "\ntile\n";
        for (const std::string& k : t.keys)
            out << "\t" << k << "\n";
        out << "end\n";
    }
    return out.str();
}

bool writeTileArt(const std::string& folder)
{
    bool ok = true;
    for (const GroundTile& t : groundTiles())
        ok = writePng(t.paint(), joinPath(folder, t.file)) && ok;
    ok = writePng(waterFrame(0), joinPath(folder, "Tile_Water.png")) && ok;
    for (int f = 0; f < 4; ++f)
        ok = writePng(waterFrame(f), joinPath(folder, fmtId("Tile_Water%02d.png", f + 1))) && ok;
    uint64_t seed = 1000;
    const char* sideSuffix[3] = {"", "_Side2", "_Side3"};
    for (const std::string& mat : buildingMaterials())
        for (const ModularTexture& t : modularTextures(mat))
            for (int side = 0; side < 3; ++side)
            {
                std::string name = t.name.substr(0, t.name.size() - 4) + sideSuffix[side] + ".png";
                ok = writePng(buildingTexture(mat, t.style, t.shade, t.lit, side, ++seed), joinPath(folder, name)) && ok;
            }
    for (const BuildingModel& m : buildingModels())
        for (int shape = 0; shape < RoofArt::kBlockShapes; ++shape)
            ok = writeTextFile(joinPath(folder, modelFile(m, shape)), objText(m.height, shape)) && ok;
    for (const RoofArt::InteriorRoofTile& t : RoofArt::interiorRoofTiles())
        ok = writePng(RoofArt::interiorRoof(t.sides, t.skylight), joinPath(folder, t.file)) && ok;
    ok = writeTextFile(joinPath(folder, "Rain.obj"), rainObj()) && ok;
    return ok;
}
