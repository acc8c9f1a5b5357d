#include "PropPainter.h"
#include "Look.h"
#include <functional>
#include <map>

namespace
{
using Painter = std::function<Image()>;

Rgba dark(int v) { return rgba(v, v, v + 8); }

Image gun(int length, Rgba body, Rgba accent, bool silencer, bool wide)
{
    Image img(8, 20);
    int top = 20 - length;
    img.fillRect(3, top, wide ? 3 : 2, length - 6, body);
    img.fillRect(2, 14, 4, 6, dark(40));
    img.fillRect(3, 12, 3, 3, body);
    img.set(4, 16, accent);
    img.line(3, top + 2, 3, top + 5, accent);
    if (silencer)
        img.fillRect(3, top - 2 < 0 ? 0 : top - 2, 3, 4, dark(70));
    return img;
}

Image bolt(Rgba c, int length)
{
    Image img(6, length + 4);
    img.glow(3, (length + 4) / 2, 3, rgba(c.r, c.g, c.b, 150));
    img.line(3, 2, 3, length + 1, c);
    img.set(3, 2, rgba(255, 255, 255));
    return img;
}

Image trainPiece(int h, Rgba hull, Rgba stripe, int kind)
{
    Image img(56, h);
    img.fillRect(2, 0, 52, h, hull);
    img.fillRect(4, 2, 48, h - 4, rgba(hull.r * 8 / 10, hull.g * 8 / 10, hull.b * 8 / 10));
    img.line(2, 0, 2, h - 1, stripe);
    img.line(53, 0, 53, h - 1, stripe);
    if (kind == 0) // front: windscreen and lamps
    {
        img.fillEllipse(28, 14, 22, 12, rgba(20, 40, 60));
        img.fillEllipse(28, 12, 18, 8, rgba(60, 120, 160));
        img.glow(10, 3, 5, rgba(255, 250, 200, 220));
        img.glow(46, 3, 5, rgba(255, 250, 200, 220));
    }
    else if (kind == 1) // link
    {
        img.fillRect(20, 0, 16, h, dark(30));
    }
    else // roof with vents or cargo
    {
        for (int y = 8; y < h - 8; y += 16)
        {
            img.fillRect(12, y, 32, 8, dark(50));
            img.line(12, y + 4, 43, y + 4, dark(80));
        }
        img.fillRect(26, 2, 4, h - 4, stripe);
    }
    return img;
}

Image cargo(Rgba c, int h)
{
    Image img(56, h);
    img.fillRect(4, 0, 48, h, c);
    for (int x = 6; x < 52; x += 4)
        img.line(x, 1, x, h - 2, rgba(c.r * 7 / 10, c.g * 7 / 10, c.b * 7 / 10));
    img.rectOutline(4, 0, 48, h, dark(30));
    return img;
}

const std::map<std::string, Painter>& table()
{
    static const std::map<std::string, Painter> t = {
        {"white.png", [] { return Image(8, 8, rgba(255, 255, 255)); }},
        {"Item_Blaster.png", [] { return gun(12, dark(90), Neon::cyan(), false, false); }},
        {"Item_Pistol.png", [] { return gun(11, dark(60), rgba(160, 120, 80), false, false); }},
        {"Item_StreetShotgun.png", [] { return gun(18, rgba(90, 60, 40), dark(140), false, true); }},
        {"Item_HeavyRifle.png", [] { return gun(20, dark(50), Neon::red(), false, true); }},
        {"Item_Shotgun.png", [] { return gun(18, dark(70), Neon::amber(), false, true); }},
        {"Item_Rifle.png", [] { return gun(20, dark(60), Neon::green(), false, false); }},
        {"Item_Maverick.png", [] { return gun(13, rgba(150, 150, 170), Neon::violet(), false, true); }},
        {"Item_SilencedShotgun.png", [] { return gun(18, dark(70), Neon::amber(), true, true); }},
        {"Item_SilencedMaverick.png", [] { return gun(13, rgba(150, 150, 170), Neon::violet(), true, true); }},
        {"Item_SilencedRifle.png", [] { return gun(20, dark(60), Neon::green(), true, false); }},
        {"Item_HunterRifle.png", [] { return gun(20, rgba(40, 50, 40), Neon::red(), true, true); }},
        {"Item_Explosive.png", [] {
             Image i(12, 12);
             i.fillRect(1, 2, 10, 8, rgba(180, 160, 90));
             i.rectOutline(1, 2, 10, 8, dark(40));
             i.fillRect(4, 4, 4, 4, dark(30));
             i.set(5, 5, Neon::red());
             return i;
         }},
        {"Item_EMP.png", [] {
             Image i(12, 12);
             i.fillCircle(6, 6, 5, dark(60));
             i.fillCircle(6, 6, 3, Neon::cyan());
             i.set(6, 6, rgba(255, 255, 255));
             return i;
         }},
        {"Item_Flashbang.png", [] {
             Image i(10, 12);
             i.fillRect(2, 2, 6, 9, dark(120));
             i.fillRect(3, 0, 4, 3, dark(60));
             i.line(2, 6, 7, 6, Neon::amber());
             return i;
         }},
        {"Wallet.png", [] {
             Image i(12, 10);
             i.fillRect(1, 1, 10, 8, rgba(80, 50, 30));
             i.line(1, 4, 10, 4, rgba(50, 30, 20));
             i.set(9, 6, Neon::amber());
             return i;
         }},
        {"Package.png", [] {
             Image i(14, 14);
             i.fillRect(1, 1, 12, 12, rgba(150, 110, 60));
             i.line(7, 1, 7, 12, rgba(90, 60, 30));
             i.line(1, 7, 12, 7, rgba(90, 60, 30));
             i.fillRect(2, 2, 3, 2, Neon::pink());
             return i;
         }},
        {"Newspaper.png", [] {
             Image i(12, 10);
             i.fillRect(0, 0, 12, 10, rgba(200, 200, 190));
             for (int y = 2; y < 9; y += 2)
                 i.line(1, y, 10, y, rgba(110, 110, 110));
             i.fillRect(1, 1, 4, 3, Neon::red());
             return i;
         }},
        {"CigaretteButt.png", [] {
             Image i(4, 4);
             i.line(0, 2, 2, 2, rgba(230, 230, 220));
             i.set(3, 2, rgba(200, 120, 60));
             return i;
         }},
        {"Bolt_Blaster.png", [] { return bolt(Neon::cyan(), 8); }},
        {"Bolt_Droid.png", [] { return bolt(Neon::red(), 8); }},
        {"Bolt_Maverick.png", [] { return bolt(Neon::violet(), 10); }},
        {"Bullet_Pistol.png", [] { return bolt(rgba(255, 230, 150), 4); }},
        {"Pellet.png", [] { return bolt(rgba(255, 200, 120), 2); }},
        {"Bullet_Rifle.png", [] { return bolt(rgba(255, 250, 200), 6); }},
        {"BloodPool.png", [] {
             Image i(24, 24);
             i.fillEllipse(12, 12, 10, 8, rgba(100, 0, 10, 220));
             i.fillEllipse(10, 11, 6, 5, rgba(140, 0, 16, 230));
             return i;
         }},
        {"BloodSplat.png", [] {
             Image i(16, 16);
             i.fillCircle(8, 8, 4, rgba(130, 0, 14, 220));
             i.fillCircle(3, 4, 1, rgba(130, 0, 14, 220));
             i.fillCircle(13, 12, 1, rgba(130, 0, 14, 220));
             return i;
         }},
        {"Gib_A.png", [] {
             Image i(12, 12);
             i.fillEllipse(6, 6, 4, 3, rgba(150, 20, 30));
             i.fillEllipse(5, 5, 2, 1, rgba(210, 140, 140));
             return i;
         }},
        {"Gib_B.png", [] {
             Image i(12, 16);
             i.line(6, 1, 6, 14, rgba(170, 120, 110));
             i.fillCircle(6, 13, 2, rgba(140, 10, 20));
             return i;
         }},
        {"DroidLamp.png", [] {
             Image i(8, 8);
             i.glow(4, 4, 4, rgba(255, 255, 255, 255));
             return i;
         }},
        {"Ash_A.png", [] {
             Image i(24, 32);
             i.fillEllipse(12, 16, 7, 12, rgba(20, 20, 24, 170));
             i.fillCircle(12, 5, 3, rgba(20, 20, 24, 170));
             return i;
         }},
        {"Ash_B.png", [] {
             Image i(24, 32);
             i.fillEllipse(12, 17, 9, 11, rgba(25, 22, 20, 160));
             i.fillCircle(8, 7, 2, rgba(60, 60, 60, 160));
             return i;
         }},
        {"Scorch.png", [] {
             Image i(48, 48);
             i.fillCircle(24, 24, 20, rgba(10, 8, 8, 120));
             i.fillCircle(24, 24, 12, rgba(10, 8, 8, 180));
             return i;
         }},
        {"TrainA_Front.png", [] { return trainPiece(96, rgba(170, 180, 200), Neon::cyan(), 0); }},
        {"TrainA_Link.png", [] { return trainPiece(16, dark(70), Neon::cyan(), 1); }},
        {"TrainA_Cargo1.png", [] { return cargo(rgba(150, 40, 40), 80); }},
        {"TrainA_Cargo2.png", [] { return cargo(rgba(40, 90, 150), 80); }},
        {"TrainA_Cargo3.png", [] { return cargo(rgba(60, 120, 70), 80); }},
        {"TrainA_Cargo4.png", [] { return cargo(rgba(170, 120, 30), 80); }},
        {"TrainB_Front.png", [] { return trainPiece(96, rgba(60, 60, 72), Neon::pink(), 0); }},
        {"TrainB_Car.png", [] { return trainPiece(112, rgba(70, 70, 84), Neon::pink(), 2); }},
        {"TrainB_Mid.png", [] { return trainPiece(96, rgba(80, 76, 96), Neon::violet(), 2); }},
        {"TrainB_Link.png", [] { return trainPiece(16, dark(40), Neon::pink(), 1); }},
        {"VendingMachine.png", [] {
             Image i(28, 18);
             i.fillRect(0, 0, 28, 18, rgba(40, 40, 60));
             i.fillRect(2, 2, 24, 12, rgba(20, 20, 30));
             i.line(0, 0, 27, 0, Neon::cyan());
             for (int x = 4; x < 24; x += 5)
                 i.fillRect(x, 4, 3, 3, Neon::amber());
             i.fillRect(4, 10, 20, 2, Neon::pink());
             return i;
         }},
        {"SecurityCamera.png", [] {
             Image i(12, 16);
             i.fillRect(3, 6, 6, 9, dark(80));
             i.fillRect(4, 2, 4, 5, dark(50));
             i.set(5, 2, Neon::red());
             i.set(6, 2, Neon::red());
             return i;
         }},
        {"CameraLine_Neutral.png", [] {
             Image i(4, 64);
             for (int y = 0; y < 64; ++y)
                 i.line(0, y, 3, y, rgba(255, 90, 90, 150 - y * 2));
             return i;
         }},
        {"PoliceTerminal.png", [] {
             Image i(20, 14);
             i.fillRect(0, 0, 20, 14, dark(50));
             i.fillRect(2, 2, 16, 7, rgba(20, 60, 120));
             i.line(3, 4, 15, 4, Neon::cyan());
             i.line(3, 6, 11, 6, Neon::cyan());
             i.fillRect(2, 10, 16, 2, dark(90));
             return i;
         }},
        {"Dumpster.png", [] {
             Image i(32, 20);
             i.fillRect(0, 0, 32, 20, rgba(40, 70, 50));
             i.line(16, 0, 16, 19, rgba(20, 40, 28));
             i.rectOutline(0, 0, 32, 20, rgba(20, 30, 24));
             i.fillRect(2, 2, 4, 2, Neon::amber());
             return i;
         }},
        {"BodyBin.png", [] {
             Image i(20, 20);
             i.fillCircle(10, 10, 9, rgba(60, 60, 80));
             i.fillCircle(10, 10, 6, rgba(30, 30, 44));
             i.line(4, 10, 16, 10, Neon::violet());
             return i;
         }},
        {"StreetLight.png", [] {
             Image i(12, 12);
             i.fillCircle(6, 6, 4, dark(70));
             i.fillCircle(6, 6, 2, rgba(255, 240, 200));
             return i;
         }},
        {"LightGlow.png", [] {
             Image i(96, 96);
             i.glow(48, 48, 46, rgba(255, 230, 180, 90));
             return i;
         }},
        {"NeonLamp.png", [] {
             Image i(16, 6);
             i.fillRect(0, 1, 16, 4, dark(60));
             i.line(1, 3, 14, 3, Neon::pink());
             return i;
         }},
        {"NeonGlow.png", [] {
             Image i(80, 48);
             i.glow(40, 24, 30, rgba(255, 60, 170, 110));
             return i;
         }},
        {"Vent.png", [] {
             Image i(24, 24);
             i.fillRect(1, 1, 22, 22, dark(60));
             for (int y = 4; y < 21; y += 3)
                 i.line(3, y, 20, y, dark(25));
             return i;
         }},
        {"Chimney.png", [] {
             Image i(16, 16);
             i.fillCircle(8, 8, 7, rgba(90, 70, 60));
             i.fillCircle(8, 8, 4, dark(15));
             return i;
         }},
        {"ExitGate.png", [] {
             Image i(48, 48);
             i.fillRect(2, 2, 44, 44, rgba(20, 30, 40));
             i.rectOutline(2, 2, 44, 44, Neon::green());
             i.rectOutline(6, 6, 36, 36, rgba(40, 160, 80));
             i.glow(24, 24, 14, rgba(80, 255, 120, 160));
             i.line(16, 24, 32, 24, rgba(220, 255, 220));
             i.line(26, 18, 32, 24, rgba(220, 255, 220));
             i.line(26, 30, 32, 24, rgba(220, 255, 220));
             return i;
         }},
        {"Can.png", [] {
             Image i(6, 6);
             i.fillCircle(3, 3, 2, rgba(200, 40, 40));
             i.set(3, 3, rgba(220, 220, 220));
             return i;
         }},
        {"Litter.png", [] {
             Image i(10, 8);
             i.fillRect(1, 1, 7, 5, rgba(180, 170, 150));
             i.line(2, 2, 8, 6, rgba(120, 110, 100));
             return i;
         }},
        {"Bench.png", [] {
             Image i(32, 12);
             i.fillRect(0, 2, 32, 8, rgba(70, 60, 50));
             for (int y = 3; y < 10; y += 2)
                 i.line(1, y, 30, y, rgba(50, 40, 34));
             return i;
         }},
        {"Planter.png", [] {
             Image i(24, 24);
             i.fillRect(1, 1, 22, 22, dark(80));
             i.fillCircle(12, 12, 9, rgba(30, 80, 40));
             i.fillCircle(9, 10, 4, rgba(50, 120, 60));
             return i;
         }},
        {"Tree.png", [] {
             Image i(40, 40);
             i.fillCircle(21, 22, 17, rgba(0, 0, 0, 60));
             i.fillCircle(20, 20, 17, rgba(24, 70, 40));
             i.fillCircle(16, 16, 9, rgba(40, 100, 56));
             i.fillCircle(25, 24, 7, rgba(34, 90, 50));
             return i;
         }},
        {"ParkedCar.png", [] {
             Image i(28, 52);
             i.fillEllipse(14, 26, 13, 25, rgba(110, 30, 50));
             i.fillEllipse(14, 20, 10, 8, rgba(30, 50, 70));
             i.fillEllipse(14, 36, 10, 6, rgba(30, 50, 70));
             i.set(6, 2, rgba(255, 250, 200));
             i.set(21, 2, rgba(255, 250, 200));
             i.line(3, 50, 8, 50, Neon::red());
             i.line(19, 50, 24, 50, Neon::red());
             return i;
         }},
        {"Crate.png", [] {
             Image i(24, 24);
             i.fillRect(1, 1, 22, 22, rgba(120, 90, 50));
             i.rectOutline(1, 1, 22, 22, rgba(70, 50, 30));
             i.line(1, 1, 22, 22, rgba(80, 60, 34));
             i.line(22, 1, 1, 22, rgba(80, 60, 34));
             return i;
         }},
        {"Puddle.png", [] {
             Image i(40, 24);
             i.fillEllipse(20, 12, 18, 10, rgba(90, 120, 170, 80));
             i.fillEllipse(16, 10, 8, 4, rgba(200, 120, 220, 60));
             return i;
         }},
        {"Barrier.png", [] {
             Image i(32, 8);
             i.fillRect(0, 1, 32, 6, rgba(200, 200, 200));
             for (int x = 0; x < 32; x += 8)
                 i.fillRect(x, 1, 4, 6, Neon::red());
             return i;
         }},
        {"Table.png", [] {
             Image i(24, 24);
             i.fillRect(2, 2, 20, 20, rgba(80, 60, 50));
             i.fillRect(6, 6, 5, 4, rgba(200, 200, 210));
             return i;
         }},
        {"Bed.png", [] {
             Image i(24, 40);
             i.fillRect(1, 1, 22, 38, rgba(60, 50, 70));
             i.fillRect(3, 3, 18, 8, rgba(200, 200, 210));
             i.fillRect(3, 13, 18, 24, rgba(110, 40, 80));
             return i;
         }},
        {"Bollard.png", [] {
             Image i(10, 10);
             i.fillCircle(5, 5, 4, dark(110));
             i.fillCircle(5, 5, 2, Neon::amber());
             return i;
         }},
        {"HoloSign.png", [] {
             Image i(48, 16);
             i.fillRect(0, 0, 48, 16, rgba(20, 10, 30, 200));
             i.rectOutline(0, 0, 48, 16, Neon::cyan());
             for (int x = 4; x < 44; x += 6)
                 i.fillRect(x, 5, 4, 6, Neon::pink());
             return i;
         }},
    };
    return t;
}
}

const std::vector<std::string>& PropPainter::names()
{
    static std::vector<std::string> list = [] {
        std::vector<std::string> v;
        for (const auto& entry : table())
            v.push_back(entry.first);
        return v;
    }();
    return list;
}

Image PropPainter::paint(const std::string& name)
{
    auto it = table().find(name);
    return it == table().end() ? Image() : it->second();
}
