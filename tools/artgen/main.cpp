// artgen: draws the city's art and writes the data files that name it.
// Everything comes from fixed seeds, so two runs give the same bytes.
// Usage: artgen <output folder>
#include "Atlas.h"
#include "Catalogue.h"
#include "MachinePainter.h"
#include "OutputFolder.h"
#include "PersonPainter.h"
#include "PngWriter.h"
#include "PropPainter.h"
#include "TileArt.h"
#include "UiArt.h"
#include <cstdio>

namespace
{
bool writeSheets(const std::string& out)
{
    bool ok = true;
    for (const CharacterLook& c : characterLooks())
    {
        Atlas atlas;
        paintPersonSheet(c.look, atlas);
        ok = atlas.write(out, c.look.sheet) && ok;
    }
    struct Sheet
    {
        const char* name;
        void (*paint)(Atlas&);
    };
    const Sheet sheets[] = {{"PoliceDroid", paintPoliceDroid}, {"CleanerDroid", paintCleanerDroid},
                            {"AdBlimp", paintAdBlimp},         {"DroidTurret", paintDroidTurret},
                            {"HoloLure", paintHoloLure},       {"Impact", paintImpact},
                            {"Splash", paintSplash},           {"Explosion", paintExplosion}};
    for (const Sheet& s : sheets)
    {
        Atlas atlas;
        s.paint(atlas);
        ok = atlas.write(out, s.name) && ok;
    }
    const char* flyers[5] = {"Flyer_A", "Flyer_B", "Flyer_C", "Flyer_D", "Flyer_E"};
    for (int i = 0; i < 5; ++i)
    {
        Atlas atlas;
        paintFlyer(atlas, flyers[i], i);
        ok = atlas.write(out, flyers[i]) && ok;
    }
    return ok;
}

bool writeProps(const std::string& out)
{
    bool ok = true;
    for (const std::string& name : PropPainter::names())
    {
        Image img = PropPainter::paint(name);
        ok = writePng(img, joinPath(out, name)) && ok;
        // Every item also has a larger picture for the HUD; long guns lie
        // on their side so that they fit the panel's weapon slot.
        if (name.rfind("Item_", 0) == 0)
        {
            Image hud = img.height() > img.width() * 2 ? img.rotated90().scaled(2) : img.scaled(2);
            ok = writePng(hud, joinPath(out, "HUD_" + name.substr(5))) && ok;
        }
    }
    ok = writePng(PropPainter::paint("Package.png").scaled(2), joinPath(out, "HUD_Package.png")) && ok;
    ok = writePng(PropPainter::paint("Bullet_Pistol.png").scaled(3), joinPath(out, "HUD_Ammo_Pistol.png")) && ok;
    ok = writePng(PropPainter::paint("Pellet.png").scaled(3), joinPath(out, "HUD_Ammo_Buckshot.png")) && ok;
    ok = writePng(PropPainter::paint("Bullet_Rifle.png").scaled(3), joinPath(out, "HUD_Ammo_Rifle.png")) && ok;
    Image lure = Image(16, 16);
    lure.fillCircle(8, 8, 5, rgba(50, 50, 60));
    lure.glow(8, 8, 6, rgba(90, 220, 255, 200));
    ok = writePng(lure.scaled(2), joinPath(out, "HUD_Lure.png")) && ok;
    return ok;
}

bool writeDataFiles(const std::string& out)
{
    return writeTextFile(joinPath(out, "objects.txt"), objectFileText(0)) &&
           writeTextFile(joinPath(out, "otherobjects.txt"), objectFileText(1)) &&
           writeTextFile(joinPath(out, "animations.txt"), animationFileText()) &&
           writeTextFile(joinPath(out, "weapons.txt"), weaponFileText()) &&
           writeTextFile(joinPath(out, "tiles.txt"), tileFileText());
}
}

int main(int argc, char** argv)
{
    if (argc != 2)
    {
        std::fprintf(stderr, "usage: artgen <output folder>\n");
        return 2;
    }
    std::string out = argv[1];
    if (!makeFolders(out))
    {
        std::fprintf(stderr, "cannot create %s\n", out.c_str());
        return 1;
    }
    bool ok = writeDataFiles(out);
    ok = writeSheets(out) && ok;
    ok = writeProps(out) && ok;
    ok = writeTileArt(out) && ok;
    ok = writeUiArt(out) && ok;
    return ok ? 0 : 1;
}
