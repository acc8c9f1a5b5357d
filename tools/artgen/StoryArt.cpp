#include "StoryArt.h"
#include "Atlas.h"
#include "Look.h"
#include "OutputFolder.h"
#include "PngWriter.h"
#include "PropPainter.h"
#include "UiPictures.h"
#include "Rng.h"
#include "SceneArt.h"
#include "TextPainter.h"
#include <algorithm>
#include <cmath>
#include <cstdio>
#include <string>
#include <vector>

namespace
{
const int kW = 640, kH = 360;

std::string numbered(const char* format, int a, int b = 0, int c = 0)
{
    char buf[128];
    std::snprintf(buf, sizeof buf, format, a, b, c);
    return buf;
}

bool save(const Image& img, const std::string& folder, const std::string& name)
{
    return writePng(img, joinPath(folder, name));
}

Image studioCard(const std::string& line, const std::string& sub)
{
    Image img(kW, kH, rgba(0, 0, 0));
    img.glow(kW / 2, kH / 2 - 10, 120, rgba(150, 80, 255, 50));
    TextPainter::drawCentred(img, kW / 2, kH / 2 - 28, line, Neon::violet(), 6);
    TextPainter::drawCentred(img, kW / 2, kH / 2 - 28, line, rgba(255, 255, 255, 70), 6);
    if (!sub.empty())
        TextPainter::drawCentred(img, kW / 2, kH / 2 + 30, sub, rgba(200, 200, 220), 2);
    return img;
}

// Character selection: back sky, a wet rooftop in the middle, a frame in front.
Image layerBack()
{
    Image img(kW, kH);
    SceneArt::sky(img, 0, 0, kW, kH);
    Rng rng(301);
    SceneArt::skyline(img, 0, 60, kW, 240, rng, 3);
    return img;
}

Image layerMiddle()
{
    Image img(kW, kH);
    Rng rng(302);
    // Rooftop floor with puddles catching the neon.
    for (int y = 266; y < kH; ++y)
        for (int x = 0; x < kW; ++x)
            img.set(x, y, rgba(26 + rng.range(0, 4), 26, 34 + rng.range(0, 4)));
    img.line(0, 266, kW - 1, 266, rgba(70, 70, 90));
    img.fillEllipse(256, 300, 90, 8, rgba(255, 60, 170, 50));
    img.fillEllipse(420, 320, 60, 6, rgba(40, 230, 255, 50));
    // Railing and an antenna.
    for (int x = 10; x < kW; x += 40)
        img.fillRect(x, 236, 3, 30, rgba(50, 50, 64));
    img.fillRect(0, 236, kW, 3, rgba(60, 60, 76));
    img.fillRect(560, 120, 4, 146, rgba(40, 40, 50));
    img.glow(562, 118, 6, rgba(255, 50, 50, 220));
    return img;
}

Image layerFront()
{
    Image img(kW, kH);
    // Dark vignette frame round the scene.
    for (int y = 0; y < kH; ++y)
        for (int x = 0; x < kW; ++x)
        {
            int edge = std::min(std::min(x, kW - 1 - x), std::min(y, kH - 1 - y));
            if (edge < 24)
                img.set(x, y, rgba(0, 0, 0, (24 - edge) * 9));
        }
    TextPainter::drawCentred(img, kW / 2, 24, "CHOOSE YOUR TRENCH", rgba(255, 255, 255, 200), 2);
    return img;
}

// Figure animations, 120 x 160 frames, feet at the bottom centre.
Image figureFrame(bool male, double step, double arm, double turn, double breathe, int dx)
{
    Image img(120, 160);
    img.fillEllipse(60 + dx, 156, 18, 3, rgba(0, 0, 0, 90));
    SceneArt::figure(img, 60 + dx, 156, 150, male, step, arm, turn, breathe);
    return img;
}

bool writeCharacterAnimations(const std::string& out, bool male)
{
    std::string who = male ? "Male" : "Fem";
    bool ok = true;
    Atlas idle, sting, go;
    for (int i = 0; i < 18; ++i)
    {
        double b = std::sin(i * 2.0 * 3.14159265358979 / 18.0) * 0.6;
        idle.add(who + numbered("Idle_%02d.png", i + 1), figureFrame(male, 0.0, 0.0, 0.0, b, 0));
        double glance = i < 9 ? i / 9.0 : (18 - i) / 9.0;
        sting.add(who + numbered("IdleSting_%02d.png", i + 1), figureFrame(male, 0.0, glance * 0.5, 0.0, b, 0));
    }
    int goFrames = male ? 84 : 72;
    for (int i = 0; i < goFrames; ++i)
    {
        // Draw the gun, then turn and walk off to the side.
        double t = static_cast<double>(i) / (goFrames - 1);
        double arm = t < 0.3 ? t / 0.3 : (t < 0.45 ? 1.0 : std::max(0.0, 1.0 - (t - 0.45) * 4));
        double turn = t < 0.45 ? 0.0 : std::min(1.0, (t - 0.45) * 5);
        double step = t < 0.5 ? 0.0 : std::sin((t - 0.5) * 40.0);
        int dx = t < 0.5 ? 0 : static_cast<int>((t - 0.5) * (male ? 40 : -40));
        go.add(who + numbered("Go_%02d.png", i + 1), figureFrame(male, step, arm, turn, 0.0, dx));
    }
    ok = idle.write(out, who + "Idle") && ok;
    ok = sting.write(out, who + "IdleSting") && ok;
    ok = go.write(out, who + "Go") && ok;
    return ok;
}

bool writeRainFrames(const std::string& out)
{
    // Shown at half scale over the whole screen, so twice the screen size.
    const int w = kW * 2, h = kH * 2, drops = 260;
    Rng rng(400);
    std::vector<int> xs(drops), ys(drops), speed(drops);
    for (int d = 0; d < drops; ++d)
    {
        xs[d] = rng.range(0, w - 1);
        ys[d] = rng.range(0, h - 1);
        speed[d] = rng.range(1, 3);
    }
    bool ok = true;
    for (int f = 0; f < 30; ++f)
    {
        Image img(w, h);
        for (int d = 0; d < drops; ++d)
        {
            // Every drop falls a whole number of screen heights in 30 frames, so the loop is seamless.
            int y = (ys[d] + f * speed[d] * h / 30) % h;
            int len = 10 + speed[d] * 6;
            for (int k = 0; k < len; ++k)
                img.blend((xs[d] - (y + k) / 12 + w) % w, (y + k) % h, rgba(170, 200, 235, 60 + speed[d] * 30));
        }
        ok = save(img, out, numbered("Rain_1_%02d.png", f + 1)) && ok;
    }
    return ok;
}

struct ComicPage
{
    int part;
    int page;
    const char* caption;
    int scene; // 0 skyline, 1 figure close-up, 2 street with a target, 3 water, 4 dealer
};

const std::vector<ComicPage>& comicPages()
{
    static const std::vector<ComicPage> pages = {
        {1, 1, "KESSA CITY, 2089. IT HAS NOT STOPPED RAINING FOR ELEVEN YEARS.", 0},
        {1, 2, "THE TRENCH FAMILY HAS ALWAYS SOLVED OTHER PEOPLE'S PROBLEMS. FOR A FEE.", 1},
        {1, 3, "A NEW DEALER. A NEW LIST OF NAMES. TIME TO GO TO WORK.", 4},
        {2, 1, "DOWNTOWN WAS EASY. TOO EASY.", 2},
        {2, 2, "THEN SOMEONE STARTED ASKING QUESTIONS ABOUT ME.", 1},
        {2, 3, "THE DOCKS: RUST, FREIGHT AND PEOPLE WHO NEVER LOOK UP.", 3},
        {2, 4, "THE DEALER SAYS THE PAPERS WILL GET ME OUT. FOR A PRICE.", 4},
        {3, 1, "THE HUNTERS FOUND MY TRAIL BY THE HARBOUR.", 2},
        {3, 2, "HILLDALE. CLEAN STREETS, DIRTY MONEY.", 0},
        {4, 1, "THE LAST NAME ON THE LIST WAS ONE I KNEW.", 1},
        {4, 2, "NO WITNESSES. NO MISTAKES.", 2},
        {4, 3, "THE RAIN WASHES EVERYTHING AWAY.", 3},
        {4, 4, "THE END. FOR NOW.", 0},
    };
    return pages;
}

void paintPanel(Image& target, int px, int py, int w, int h, int scene, bool male, Rng& rng)
{
    // Painted on its own canvas so that nothing spills into the next panel.
    Image img(w, h);
    const int x = 0, y = 0;
    SceneArt::sky(img, x, y, w, h);
    switch (scene)
    {
    case 0:
        SceneArt::skyline(img, x, y + h / 4, w, h * 3 / 4, rng, 3);
        break;
    case 1:
        SceneArt::skyline(img, x, y + h / 2, w, h / 2, rng, 1);
        SceneArt::figure(img, x + w / 2, y + h * 7 / 5, h * 3 / 2, male, 0.0, 0.0, 0.0, 0.0);
        break;
    case 2:
        SceneArt::skyline(img, x, y + h / 3, w, h * 2 / 3, rng, 2);
        img.fillRect(x, y + h - h / 5, w, h / 5, rgba(24, 24, 32));
        SceneArt::figure(img, x + w / 4, y + h - 4, h * 2 / 3, male, 0.3, 1.0, 0.0, 0.0);
        SceneArt::figure(img, x + w * 3 / 4, y + h - 10, h / 2, !male, 0.0, 0.0, 0.0, 0.0);
        break;
    case 3:
        SceneArt::skyline(img, x, y + h / 4, w, h / 2, rng, 2);
        for (int j = y + h * 3 / 4; j < y + h; ++j)
            for (int i = x; i < x + w; ++i)
                img.set(i, j, rgba(14, 30 + ((i + j) % 9 == 0 ? 30 : 0), 60));
        break;
    default:
        img.fillRect(x, y, w, h, rgba(30, 16, 40));
        img.glow(x + w / 2, y + h / 3, w / 3, rgba(255, 60, 170, 60));
        SceneArt::figure(img, x + w / 3, y + h - 2, h * 3 / 4, male, 0.0, 0.0, 0.0, 0.0);
        SceneArt::figure(img, x + w * 2 / 3, y + h - 2, h * 3 / 4, true, 0.0, 0.0, 1.0, 0.0);
        break;
    }
    SceneArt::rain(img, x, y, w, h, rng, w * h / 200, 110);
    SceneArt::frame(img, x, y, w, h, rgba(230, 230, 240));
    target.blit(img, px, py);
}

Image comicPage(const ComicPage& p, bool male)
{
    Image img(kW, kH, rgba(6, 6, 10));
    Rng rng(1000 + p.part * 10 + p.page + (male ? 0 : 500));
    // Two panels side by side, a narrow one and a wide one, alternating.
    bool wideLeft = p.page % 2 == 1;
    int split = wideLeft ? 400 : 232;
    paintPanel(img, 8, 8, split - 12, kH - 16, p.scene, male, rng);
    paintPanel(img, split + 4, 8, kW - split - 12, kH - 16, (p.scene + 1) % 5, male, rng);
    // Caption box.
    int boxW = 300, boxX = wideLeft ? 20 : kW - boxW - 20;
    // Measure the caption first so that the box fits it.
    Image scratch(boxW, kH);
    int textH = TextPainter::drawWrapped(scratch, 0, 0, boxW - 16, p.caption, rgba(10, 10, 10), 2);
    int boxH = textH + 12;
    img.fillRect(boxX, 18, boxW, boxH, rgba(240, 220, 120));
    img.rectOutline(boxX, 18, boxW, boxH, rgba(0, 0, 0));
    TextPainter::drawWrapped(img, boxX + 8, 26, boxW - 16, p.caption, rgba(10, 10, 10), 2);
    std::string who = male ? "THADDEUS" : "TAMMY";
    TextPainter::draw(img, kW - 8 - TextPainter::width(who, 1) - 6, kH - 18, who, rgba(200, 200, 220, 160), 1);
    return img;
}

struct Tutorial
{
    const char* file;
    const char* title;
    const char* text;
    const char* picture; // an item or prop shown large in the scene, or empty
};

const std::vector<Tutorial>& tutorials()
{
    static const std::vector<Tutorial> t = {
        {"Tutorial_01.png", "MOVING", "Walk with W A S D. Aim with the mouse. Press E to use things and to carry bodies.", ""},
        {"Tutorial_01a.png", "MOVING", "Walk with the arrow keys. Aim with the mouse. Press E to use things and to carry bodies.", ""},
        {"Tutorial_02.png", "CONTACTS", "Find a contact (the pink coat) and press E to see the contracts on offer.", ""},
        {"Tutorial_03.png", "TARGETS", "Your tracker points to the target. Get close, check the name, then strike.", "UI_Tracker_NE.png"},
        {"Tutorial_04.png", "BODIES", "Witnesses and cameras report bodies. Carry them with E into a dumpster or the water.", "Dumpster.png"},
        {"Tutorial_05.png", "POLICE", "The droids are after you. Break line of sight, lose them, or fight.", "SecurityCamera.png"},
        {"Tutorial_06.png", "MONEY", "Spend credits at AMMO-CO machines, and buy travel papers from a contact to leave.", "VendingMachine.png"},
        {"Tutorial_07.png", "X-8 SHOTGUN", "Wide spread at close range. Illegal: the police take it if they scan you.", "Item_Shotgun.png"},
        {"Tutorial_08.png", "RASC RIFLE", "Long range and a full magazine. Illegal: carry it with care.", "Item_Rifle.png"},
        {"Tutorial_09.png", "MAVERICK", "Takes a moment to warm up, then one shot goes through anything.", "Item_Maverick.png"},
        {"Tutorial_10.png", "FLASHBANG", "Throw it to blind everyone nearby for a few seconds.", "Item_Flashbang.png"},
        {"Tutorial_11.png", "C-7 EXPLOSIVE", "Drop it, walk away, then set it off. Loud, messy and final.", "Item_Explosive.png"},
        {"Tutorial_12.png", "ANTI-DRONE EMP", "Knocks every police droid nearby out of the sky.", "Item_EMP.png"},
        {"Tutorial_13.png", "HOLO-LURE", "Drop it and switch it on: people walk over to look.", "Bollard.png"},
        {"Tutorial_14.png", "THE DOCKS", "Freight trains cross the docks. Stay off the tracks when they come.", "TrainA_Front.png"},
    };
    return t;
}

Image tutorialPage(const Tutorial& t, int index)
{
    Image img(320, 240, rgba(10, 12, 22));
    img.rectOutline(0, 0, 320, 240, Neon::cyan());
    img.fillRect(1, 1, 318, 22, rgba(20, 40, 60));
    TextPainter::drawCentred(img, 160, 6, t.title, Neon::cyan(), 2);
    // A small scene: the street from above with the player and a marker.
    Rng rng(600 + index);
    img.fillRect(20, 36, 280, 110, rgba(34, 36, 44));
    for (int x = 20; x < 300; x += 32)
        img.line(x, 36, x, 145, rgba(44, 46, 56));
    img.fillRect(20, 86, 280, 12, rgba(72, 74, 84));
    img.fillCircle(100 + index * 9, 92, 6, rgba(66, 58, 52));
    img.fillCircle(100 + index * 9, 92, 2, rgba(236, 196, 160));
    img.fillCircle(220, 70, 6, rgba(60, 20, 80));
    img.glow(220, 70, 12, rgba(255, 60, 170, 90));
    SceneArt::rain(img, 20, 36, 280, 110, rng, 120, 90);
    img.rectOutline(20, 36, 280, 110, rgba(90, 90, 110));
    if (*t.picture)
    {
        Image picture = PropPainter::paint(t.picture);
        if (picture.empty())
            picture = UiPictures::tracker(45.0);
        int largest = std::max(picture.width(), picture.height());
        int scale = largest <= 23 ? 3 : (largest <= 35 ? 2 : 1);
        Image big = picture.scaled(scale);
        img.fillRect(226, 150, 74, 74, rgba(20, 24, 40));
        img.rectOutline(226, 150, 74, 74, Neon::amber());
        img.blitOver(big.crop(0, 0, std::min(big.width(), 70), std::min(big.height(), 70)),
                     263 - std::min(big.width(), 70) / 2, 187 - std::min(big.height(), 70) / 2);
        TextPainter::drawWrapped(img, 20, 156, 196, t.text, rgba(230, 230, 240), 1);
    }
    else
        TextPainter::drawWrapped(img, 20, 156, 280, t.text, rgba(230, 230, 240), 1);
    return img;
}
}

bool writeStoryArt(const std::string& out)
{
    bool ok = save(studioCard("CORVANISH", ""), out, "CorvanishLogo.png");
    ok = save(studioCard("CORVANISH", "PRESENTS"), out, "CorvanishPresents.png") && ok;
    ok = save(layerBack(), out, "CS_Layer0.png") && ok;
    ok = save(layerMiddle(), out, "CS_Layer1.png") && ok;
    ok = save(layerFront(), out, "CS_Layer2.png") && ok;
    ok = writeCharacterAnimations(out, true) && ok;
    ok = writeCharacterAnimations(out, false) && ok;
    ok = writeRainFrames(out) && ok;
    for (const ComicPage& p : comicPages())
    {
        ok = save(comicPage(p, true), out, numbered("Part%02d_%c_%02d.png", p.part, 'M', p.page)) && ok;
        ok = save(comicPage(p, false), out, numbered("Part%02d_%c_%02d.png", p.part, 'F', p.page)) && ok;
    }
    int i = 0;
    for (const Tutorial& t : tutorials())
        ok = save(tutorialPage(t, i++), out, t.file) && ok;
    return ok;
}
