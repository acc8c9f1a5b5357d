#include "UiArt.h"
#include "Atlas.h"
#include "Look.h"
#include "OutputFolder.h"
#include "PngWriter.h"
#include "StoryArt.h"
#include "TextPainter.h"
#include "UiPictures.h"
#include <cmath>
#include <cstdio>
#include <string>
#include <vector>

namespace
{
const double kPi = 3.14159265358979;
// Panels carry text over the moving street: little of it may show through.
const Rgba kPanel = rgba(12, 14, 24, 240);

bool save(const Image& img, const std::string& folder, const std::string& name)
{
    return writePng(img, joinPath(folder, name));
}

Image panel(int w, int h)
{
    Image img(w, h, kPanel);
    img.rectOutline(0, 0, w, h, Neon::cyan());
    img.line(2, 2, w - 3, 2, rgba(40, 230, 255, 90));
    return img;
}

// One solid plate of a panel that stands over the street, with a neon rim.
void plate(Image& img, int x, int y, int w, int h, Rgba rim)
{
    img.fillRect(x, y, w, h, kPanel);
    img.rectOutline(x, y, w, h, rim);
}

// The top-left panel stands over the street, so it is solid only behind what
// it shows and clear between: a person walking behind it stays in sight. In
// the panel's own coordinates (origin bottom left) the weapon ends at
// (75, 128) with the ammunition from (78, 128), the three credit and contract
// lines hang from (43, 109), the tracker arrow sits at (6, 76) and the item
// icon round (20, 57) with its count ending at (36, 41).
Image topLeftPanel()
{
    Image img(200, 132);
    plate(img, 40, 21, 137, 32, rgba(40, 230, 255, 120));
    plate(img, 30, 1, 116, 21, Neon::cyan());
    img.line(32, 3, 143, 3, rgba(40, 230, 255, 90));
    plate(img, 4, 22, 36, 36, rgba(255, 60, 170, 200));
    plate(img, 4, 59, 34, 34, rgba(255, 176, 40, 200));
    return img;
}

Image empPanel()
{
    Image img(200, 132);
    img.fillRect(150, 100, 46, 14, rgba(20, 60, 80, 220));
    img.rectOutline(150, 100, 46, 14, Neon::cyan());
    TextPainter::draw(img, 156, 104, "EMP", Neon::cyan(), 1);
    img.glow(186, 107, 4, rgba(40, 230, 255, 220));
    return img;
}

// The menu's columns are read over the moving streets through this backdrop
// at half opacity: a plain dark body, darker towards the bottom, with a dim edge.
Image menuBackdrop()
{
    const int w = 484, h = 204;
    Image img(w, h);
    for (int y = 0; y < h; ++y)
    {
        int shade = 16 - 10 * y / (h - 1);
        img.fillRect(0, y, w, 1, rgba(shade, shade, shade + 8));
    }
    img.rectOutline(0, 0, w, h, rgba(60, 56, 80));
    return img;
}

Image copBadge(Rgba light, bool lit)
{
    Image img(48, 48, rgba(0, 0, 0, 0));
    img.fillCircle(24, 24, 22, rgba(16, 18, 30, 230));
    img.fillCircle(24, 24, 20, rgba(30, 36, 60));
    // A shield with the droid's eye.
    for (int y = 10; y < 38; ++y)
    {
        int half = y < 28 ? 12 : 12 - (y - 28);
        img.line(24 - half, y, 24 + half, y, rgba(50, 60, 96));
    }
    img.fillRect(16, 18, 16, 4, lit ? light : rgba(light.r / 3, light.g / 3, light.b / 3));
    if (lit)
        img.glow(24, 20, 14, rgba(light.r, light.g, light.b, 120));
    img.rectOutline(0, 0, 48, 48, rgba(light.r, light.g, light.b, 160));
    return img;
}

// Text is read on a window's body, so nothing behind it may show through.
Image windowFrame(int w, int h, Rgba edge)
{
    Image img(w, h, rgba(kPanel.r, kPanel.g, kPanel.b));
    img.rectOutline(0, 0, w, h, edge);
    img.fillRect(1, h - 12, w - 2, 11, rgba(edge.r / 4, edge.g / 4, edge.b / 4));
    img.line(1, h - 12, w - 2, h - 12, edge);
    return img;
}

// The tracker: a dark teardrop whose round end is the plate the distance is
// printed on and whose point, lit amber, looks towards the heading; an amber
// rim outlines it. Every pixel is judged by where its sub-samples fall in the
// arrow's own frame, so the sixteen headings are one shape turned, each
// symmetric about its heading.
enum TrackerPart { kOutside, kPlate, kAmber, kTrackerParts };

// Inside the round end of the given radius or the wedge of its tangents that
// meets at the tip.
bool inTeardrop(double ahead, double side, double radius, double tip)
{
    if (ahead * ahead + side * side <= radius * radius)
        return true;
    double sine = radius / tip;
    double slope = sine / std::sqrt(1.0 - sine * sine);
    return ahead >= radius * sine && ahead <= tip && std::fabs(side) <= (tip - ahead) * slope;
}

TrackerPart trackerPartAt(double ahead, double side)
{
    const double radius = 12.0, tip = 15.9, rim = 1.3, litPoint = 9.5;
    if (!inTeardrop(ahead, side, radius, tip))
        return kOutside;
    bool inner = inTeardrop(ahead, side, radius - rim, (radius - rim) * tip / radius);
    return inner && ahead < litPoint ? kPlate : kAmber;
}

Image arrow(double degrees)
{
    const int size = 32, samples = 4;
    Image img(size, size);
    double a = degrees * kPi / 180.0;
    // Heading clockwise from north; image y runs down.
    double dx = std::sin(a), dy = -std::cos(a);
    for (int y = 0; y < size; ++y)
        for (int x = 0; x < size; ++x)
        {
            int counts[kTrackerParts] = {0, 0, 0};
            for (int j = 0; j < samples; ++j)
                for (int i = 0; i < samples; ++i)
                {
                    double rx = x + (i + 0.5) / samples - size / 2.0, ry = y + (j + 0.5) / samples - size / 2.0;
                    ++counts[trackerPartAt(rx * dx + ry * dy, rx * -dy + ry * dx)];
                }
            if (counts[kOutside] * 2 >= samples * samples)
                continue;
            bool plate = counts[kPlate] * 2 >= samples * samples;
            img.set(x, y, plate ? rgba(4, 4, 10, 245) : Neon::amber());
        }
    return img;
}

Image cursor(int kind)
{
    Image img(16, 16);
    if (kind == 0)
    {
        for (int y = 0; y < 12; ++y)
            img.line(0, y, y * 2 / 3, y, rgba(240, 240, 255));
        img.line(0, 0, 0, 12, rgba(0, 0, 0));
        img.line(0, 0, 8, 8, rgba(0, 0, 0));
        img.line(3, 10, 6, 15, rgba(240, 240, 255));
        return img;
    }
    Rgba c = kind == 1 ? Neon::green() : Neon::red();
    for (int k = 0; k < 32; ++k)
    {
        double a = k * kPi / 16.0;
        img.set(8 + static_cast<int>(std::lround(std::cos(a) * 6)), 8 + static_cast<int>(std::lround(std::sin(a) * 6)), c);
    }
    if (kind == 1)
    {
        img.line(8, 0, 8, 4, c);
        img.line(8, 12, 8, 15, c);
        img.line(0, 8, 4, 8, c);
        img.line(12, 8, 15, 8, c);
        img.set(8, 8, c);
    }
    else
    {
        img.line(4, 4, 12, 12, c);
        img.line(12, 4, 4, 12, c);
    }
    return img;
}

Image thought(int kind)
{
    Image img(16, 16);
    img.fillEllipse(8, 7, 7, 6, rgba(235, 235, 245));
    img.fillCircle(3, 14, 1, rgba(235, 235, 245));
    Rgba ink = rgba(20, 20, 30);
    switch (kind)
    {
    case 0: // see: an eye
        img.fillEllipse(8, 7, 4, 2, ink);
        img.fillCircle(8, 7, 1, Neon::cyan());
        break;
    case 1: // hear: sound waves
        img.line(5, 4, 5, 10, ink);
        img.line(8, 3, 8, 11, ink);
        img.line(11, 5, 11, 9, ink);
        break;
    case 2: // scared
        img.fillRect(7, 3, 2, 6, Neon::amber());
        img.fillRect(7, 10, 2, 2, Neon::amber());
        break;
    case 3: // crime
        img.fillRect(7, 3, 2, 6, Neon::red());
        img.fillRect(7, 10, 2, 2, Neon::red());
        img.rectOutline(4, 2, 8, 11, Neon::red());
        break;
    default: // chat
        for (int x = 4; x <= 12; x += 4)
            img.fillRect(x - 1, 6, 2, 2, ink);
        break;
    }
    return img;
}

Image markerIcon(Rgba c, char letter)
{
    Image img(16, 16);
    img.fillCircle(8, 8, 7, rgba(c.r, c.g, c.b, 200));
    img.fillCircle(8, 8, 5, rgba(10, 10, 20, 220));
    TextPainter::draw(img, 6, 5, std::string(1, letter), c, 1);
    return img;
}

Image achievementIcon(const std::string& name, int index)
{
    const Rgba colours[6] = {Neon::pink(), Neon::cyan(), Neon::amber(), Neon::violet(), Neon::green(), Neon::red()};
    Rgba c = colours[index % 6];
    Image img(64, 64, rgba(10, 10, 18));
    img.glow(32, 32, 30, rgba(c.r, c.g, c.b, 90));
    // Octagonal medal.
    for (int y = 6; y < 58; ++y)
    {
        int inset = y < 18 ? 18 - y : (y > 46 ? y - 46 : 0);
        img.line(6 + inset, y, 57 - inset, y, rgba(c.r / 4, c.g / 4, c.b / 4));
    }
    img.rectOutline(0, 0, 64, 64, c);
    // Initials of the words in the name (AC_WateryGrave -> WG).
    std::string initials;
    for (size_t i = 3; i < name.size() && name[i] != '.'; ++i)
        if (name[i] >= 'A' && name[i] <= 'Z')
            initials += name[i];
    if (initials.size() > 3)
        initials = initials.substr(0, 3);
    TextPainter::drawCentred(img, 32, 25, initials, rgba(255, 255, 255), initials.size() > 2 ? 2 : 3);
    return img;
}

Image logo(const std::string& text, Rgba c, int scale, int w, int h)
{
    Image img(w, h);
    int y = (h - 7 * scale) / 2;
    for (int k = 3; k >= 1; --k)
        TextPainter::drawCentred(img, w / 2 + k, y + k, text, rgba(c.r, c.g, c.b, 40), scale);
    TextPainter::drawCentred(img, w / 2, y, text, c, scale);
    TextPainter::drawCentred(img, w / 2, y, text, rgba(255, 255, 255, 90), scale);
    img.line(w / 8, h - 3, w - w / 8, h - 3, c);
    return img;
}

Image gunChargeFrame(int i, int count)
{
    Image img(32, 32);
    double done = static_cast<double>(i + 1) / count;
    int steps = static_cast<int>(std::lround(done * 48));
    for (int k = 0; k < steps; ++k)
    {
        double a = k * 2.0 * kPi / 48.0 - kPi / 2.0;
        img.set(16 + static_cast<int>(std::lround(std::cos(a) * 12)), 16 + static_cast<int>(std::lround(std::sin(a) * 12)),
                done < 1.0 ? Neon::cyan() : Neon::green());
    }
    if (i == count - 1)
        img.glow(16, 16, 8, rgba(80, 255, 120, 160));
    return img;
}

std::string numbered(const char* format, int n)
{
    char buf[128];
    std::snprintf(buf, sizeof buf, format, n);
    return buf;
}

bool writeHud(const std::string& out)
{
    bool ok = save(topLeftPanel(), out, "UI_TopLeft.png") && save(empPanel(), out, "UI_TopLeft_EMP.png");
    ok = save(copBadge(rgba(80, 140, 255), true), out, "CopUI.png") && ok;
    Atlas cop;
    cop.add("CopUI_Alert_01.png", copBadge(Neon::red(), true));
    cop.add("CopUI_Alert_02.png", copBadge(rgba(80, 140, 255), true));
    cop.add("CopUI_Safe_01.png", copBadge(rgba(80, 140, 255), false));
    ok = cop.write(out, "CopUI", "CopUI_Sheet") && ok;
    // A framed window is cut from its picture unstretched, so each picture is
    // as large as the largest window cut from it: the interactive windows
    // (264 x 256) and the map editor's panel (292 x 52).
    ok = save(windowFrame(264, 256, Neon::cyan()), out, "UI_Window.png") && ok;
    ok = save(windowFrame(292, 52, Neon::amber()), out, "EditBackground.png") && ok;
    // The menu's backdrop slides left as its columns open: as wide as all
    // three columns, so that it always reaches the screen's right edge.
    ok = save(menuBackdrop(), out, "UI_MainMenu.png") && ok;
    Image unlockBar = panel(256, 40);
    unlockBar.rectOutline(4, 4, 32, 32, Neon::amber());
    ok = save(unlockBar, out, "UI_UnlockBackground.png") && ok;
    Image unlock(24, 24);
    unlock.fillRect(4, 11, 16, 11, Neon::amber());
    unlock.rectOutline(7, 2, 10, 12, Neon::amber());
    unlock.fillRect(7, 8, 3, 4, rgba(0, 0, 0, 0));
    unlock.fillRect(11, 14, 2, 4, rgba(40, 20, 0));
    ok = save(unlock, out, "Unlock.png") && ok;
    ok = save(logo("AMMO-CO", Neon::pink(), 3, 160, 32), out, "AmmoCo.png") && ok;
    ok = save(logo("TALLOWIND", Neon::cyan(), 5, 320, 64), out, "Tallowind.png") && ok;
    ok = save(cursor(0), out, "Cursor_Normal.png") && save(cursor(1), out, "Cursor_Target.png") &&
         save(cursor(2), out, "Cursor_Illegal.png") && ok;
    const char* dirs[16] = {"N", "NNE", "NE", "ENE", "E", "ESE", "SE", "SSE",
                            "S", "SSW", "SW", "WSW", "W", "WNW", "NW", "NNW"};
    for (int i = 0; i < 16; ++i)
        ok = save(arrow(i * 22.5), out, std::string("UI_Tracker_") + dirs[i] + ".png") && ok;
    const char* thoughts[5] = {"Thought_See.png", "Thought_Hear.png", "Thought_Scared.png", "Thought_Crime.png",
                               "Thought_Chat.png"};
    for (int i = 0; i < 5; ++i)
        ok = save(thought(i), out, thoughts[i]) && ok;
    Image sound(64, 64);
    for (int k = 0; k < 128; ++k)
    {
        double a = k * kPi / 64.0;
        for (int r = 29; r <= 31; ++r)
            sound.set(32 + static_cast<int>(std::lround(std::cos(a) * r)), 32 + static_cast<int>(std::lround(std::sin(a) * r)),
                      rgba(255, 255, 255, r == 30 ? 230 : 120));
    }
    ok = save(sound, out, "SoundMarker.png") && ok;
    ok = save(markerIcon(Neon::green(), 'S'), out, "Editor_SpawnMarker.png") && ok;
    ok = save(markerIcon(Neon::cyan(), 'P'), out, "Editor_PlayerSpawnMarker.png") && ok;
    ok = save(markerIcon(Neon::amber(), 'I'), out, "Editor_InterestMarker.png") && ok;
    ok = save(markerIcon(Neon::violet(), 'Q'), out, "Editor_QueueMarker.png") && ok;
    ok = save(markerIcon(Neon::pink(), 'C'), out, "Editor_ContactMarker.png") && ok;
    ok = save(markerIcon(Neon::red(), 'K'), out, "Editor_CheckpointMarker.png") && ok;
    const std::vector<std::string> achievements = {
        "AC_AllTheToys.png", "AC_BadPerson.png", "AC_CloseAndPersonal.png", "AC_FlawlessVictory.png",
        "AC_GangWarfare.png", "AC_GoingTheDistance.png", "AC_HardVictory.png", "AC_HesJustRestingHisEyes.png",
        "AC_Hoarder.png", "AC_HumanPhalanx.png", "AC_HumanShield.png", "AC_IKnowYou.png", "AC_InsideJob.png",
        "AC_JumpToTheLeft.png", "AC_LevelOne.png", "AC_LevelThree.png", "AC_LevelTwo.png", "AC_MediumVictory.png",
        "AC_MissedItByThatMuch.png", "AC_NeverCutTheRedWire.png", "AC_NoWitnesses.png", "AC_NothingToSeeHere.png",
        "AC_PennyPincher.png", "AC_Prolific.png", "AC_PureSkill.png", "AC_RunForItMarty.png",
        "AC_SavedMeTheTrouble.png", "AC_SharpShooter.png", "AC_Subtlety.png", "AC_SuicideByCop.png",
        "AC_TheProfessional.png", "AC_Vigilante.png", "AC_WateryGrave.png", "AC_WorkSmartNotHard.png"};
    for (size_t i = 0; i < achievements.size(); ++i)
        ok = save(achievementIcon(achievements[i], static_cast<int>(i)), out, achievements[i]) && ok;
    Atlas gun;
    for (int i = 0; i < 64; ++i)
        gun.add(numbered("GunAnim_%02d.png", i + 1), gunChargeFrame(i, 64));
    ok = gun.write(out, "GunAnim") && ok;
    return ok;
}
}

Image UiPictures::tracker(double degrees)
{
    return arrow(degrees);
}

bool writeUiArt(const std::string& folder)
{
    bool ok = writeHud(folder);
    ok = writeStoryArt(folder) && ok;
    return ok;
}
