#include "Catalogue.h"
#include "PersonPainter.h"
#include <cstdio>
#include <sstream>

namespace
{
Look look(const std::string& sheet, Rgba skin, Rgba hair, Rgba coat, Rgba trim, Rgba legs, int hairStyle, int build)
{
    Look l;
    l.sheet = sheet;
    l.skin = skin;
    l.hair = hair;
    l.coat = coat;
    l.trim = trim;
    l.legs = legs;
    l.hairStyle = hairStyle;
    l.build = build;
    return l;
}

const Rgba kSkin[4] = {rgba(236, 196, 160), rgba(198, 146, 104), rgba(140, 96, 64), rgba(96, 64, 44)};

std::string fmt(const char* f, int v)
{
    char buf[64];
    std::snprintf(buf, sizeof buf, f, v);
    return buf;
}

std::string seconds(double s)
{
    char buf[32];
    std::snprintf(buf, sizeof buf, "%.2f", s);
    std::string t = buf;
    while (t.size() > 3 && t.back() == '0')
        t.pop_back();
    return t;
}

std::vector<AnimationLine> personLines(const std::string& sheet)
{
    std::vector<AnimationLine> lines;
    for (const PersonAnimation& a : personAnimations())
        lines.push_back({a.id, sheet + "_" + a.stem + ".png", a.frames, a.seconds, a.mode});
    return lines;
}

ObjectEntry character(const CharacterLook& c, const std::string& role)
{
    ObjectEntry e{c.id, 1, role, {}, personLines(c.look.sheet)};
    e.keys = {fmt("id=%d", c.id), "name=" + c.name, "filename=" + c.look.sheet + ".png", "animated", "mob",
              "circ=8", "nonpassable"};
    return e;
}

ObjectEntry item(int id, const std::string& name, const std::string& art, std::vector<std::string> extra)
{
    ObjectEntry e{id, 0, name, {fmt("id=%d", id), "name=" + name, "filename=Item_" + art + ".png",
                                "hudfilename=HUD_" + art + ".png", "canpickup", "rect=8x20"},
                  {}};
    for (auto& k : extra)
        e.keys.push_back(k);
    return e;
}

ObjectEntry plain(int id, int file, const std::string& comment, std::vector<std::string> keys,
                  std::vector<AnimationLine> anims = {})
{
    ObjectEntry e{id, file, comment, {fmt("id=%d", id)}, anims};
    for (auto& k : keys)
        e.keys.push_back(k);
    return e;
}
}

const std::vector<CharacterLook>& characterLooks()
{
    static const std::vector<CharacterLook> looks = [] {
        std::vector<CharacterLook> v;
        Rgba black = rgba(20, 20, 24), brown = rgba(80, 50, 30), blond = rgba(210, 180, 110),
             grey = rgba(150, 150, 150), red = rgba(150, 50, 30), blue = rgba(40, 90, 200),
             pinkHair = rgba(230, 80, 170), platinum = rgba(225, 220, 200);
        // The contacts alone wear pink: nobody else has pink, red or purple
        // about them, so "the one in the pink coat" is never a stranger.
        Rgba gangCoat = rgba(32, 34, 30), gangTrim = rgba(235, 215, 40);
        Rgba jeans = rgba(40, 50, 80), slate = rgba(50, 50, 60), khaki = rgba(90, 84, 60);
        // Players: the male and female protagonist in long dark coats.
        v.push_back({4002, "You", look("PlayerF", kSkin[1], black, rgba(58, 60, 78), Neon::cyan(), slate, 1, 7)});
        v.push_back({4003, "You", look("PlayerM", kSkin[0], brown, rgba(66, 58, 52), Neon::cyan(), slate, 0, 8)});
        // Male citizens 3000-3006 (3000 gang, 3004-3006 hard cases), female 3007-3013.
        v.push_back({3000, "Gang Member", look("Citizen_3000", kSkin[2], black, gangCoat, gangTrim, slate, 3, 9)});
        v.push_back({3001, "Citizen", look("Citizen_3001", kSkin[0], brown, rgba(70, 80, 100), rgba(120, 130, 150), jeans, 0, 8)});
        v.push_back({3002, "Citizen", look("Citizen_3002", kSkin[3], black, rgba(110, 90, 60), rgba(150, 130, 90), khaki, 0, 8)});
        v.push_back({3003, "Citizen", look("Citizen_3003", kSkin[1], grey, rgba(60, 60, 70), Neon::amber(), jeans, 2, 8)});
        v.push_back({3004, "Citizen", look("Citizen_3004", kSkin[0], blond, rgba(40, 40, 44), rgba(120, 140, 170), slate, 0, 9)});
        v.push_back({3005, "Citizen", look("Citizen_3005", kSkin[2], black, rgba(40, 40, 46), rgba(200, 200, 210), slate, 3, 9)});
        v.push_back({3006, "Citizen", look("Citizen_3006", kSkin[1], red, rgba(70, 50, 40), Neon::amber(), khaki, 0, 9)});
        v.push_back({3007, "Gang Member", look("Citizen_3007", kSkin[1], platinum, gangCoat, gangTrim, slate, 1, 7)});
        v.push_back({3008, "Citizen", look("Citizen_3008", kSkin[0], blond, rgba(96, 110, 70), rgba(190, 200, 150), jeans, 1, 7)});
        v.push_back({3009, "Citizen", look("Citizen_3009", kSkin[3], black, rgba(60, 90, 80), rgba(140, 200, 180), slate, 1, 7)});
        v.push_back({3010, "Citizen", look("Citizen_3010", kSkin[2], brown, rgba(150, 140, 120), rgba(220, 210, 190), khaki, 0, 7)});
        v.push_back({3011, "Citizen", look("Citizen_3011", kSkin[0], red, rgba(40, 40, 48), rgba(90, 170, 150), slate, 1, 7)});
        v.push_back({3012, "Citizen", look("Citizen_3012", kSkin[1], black, rgba(40, 40, 46), rgba(200, 200, 210), slate, 0, 8)});
        v.push_back({3013, "Citizen", look("Citizen_3013", kSkin[2], blue, rgba(40, 50, 70), Neon::cyan(), jeans, 2, 7)});
        // Contract targets 3014-3021: a little smarter than the crowd.
        const Rgba targetCoats[8] = {rgba(140, 130, 110), rgba(30, 60, 110), rgba(40, 80, 90), rgba(200, 200, 205),
                                     rgba(60, 100, 60), rgba(120, 80, 30), rgba(90, 90, 100), rgba(60, 70, 50)};
        const Rgba targetHair[8] = {grey, black, blond, brown, red, black, platinum, grey};
        for (int i = 0; i < 8; ++i)
            v.push_back({3014 + i, "Citizen",
                         look(fmt("Target_%d", 3014 + i), kSkin[i % 4], targetHair[i], targetCoats[i], Neon::amber(),
                              slate, i % 2 == 0 ? 0 : 1, i % 2 == 0 ? 8 : 6)});
        v.push_back({4000, "Hunter", look("Hunter_4000", kSkin[1], black, rgba(20, 24, 20), Neon::green(), slate, 2, 8)});
        v.push_back({4001, "Hunter", look("Hunter_4001", kSkin[2], black, rgba(20, 24, 20), Neon::green(), slate, 2, 9)});
        v.push_back({4004, "Contact", look("Contact_4004", kSkin[3], pinkHair, rgba(60, 20, 80), Neon::pink(), slate, 1, 7)});
        v.push_back({4005, "Contact", look("Contact_4005", kSkin[0], grey, rgba(60, 20, 80), Neon::pink(), slate, 0, 9)});
        v[1].look.hat = false;
        v[v.size() - 1].look.hat = true;
        return v;
    }();
    return looks;
}

const std::vector<ObjectEntry>& objectEntries()
{
    static const std::vector<ObjectEntry> entries = [] {
        std::vector<ObjectEntry> v;
        // Weapons and tools the player and the gangs carry.
        v.push_back(item(67, "Blaster", "Blaster", {"weapon=1"}));
        // The police droid's gun: it only ever sits in a droid's inventory.
        v.push_back(item(68, "Droid Blaster", "Blaster", {"weapon=12"}));
        v.push_back(item(69, "X-8 Shotgun", "Shotgun", {"weapon=5", "contraband", "fine=200"}));
        v.push_back(item(70, "RASC Rifle", "Rifle", {"weapon=6", "contraband", "fine=250"}));
        v.push_back(item(73, "Pistol", "Pistol", {"weapon=2"}));
        v.push_back(item(74, "Street Shotgun", "StreetShotgun", {"weapon=3", "contraband", "fine=150"}));
        v.push_back(item(87, "Maverick Pistol", "Maverick", {"weapon=7"}));
        v.push_back(item(88, "C-7 Remote Explosive", "Explosive", {"explosive=150", "contraband", "fine=300"}));
        v.push_back(item(154, "'SkyCleaner' Anti-Drone EMP", "EMP", {}));
        v.push_back(item(319, "Hunter Rifle", "HunterRifle", {"weapon=11", "contraband", "fine=250"}));
        {
            ObjectEntry lure = item(320, "'Little Friend' Holo-Lure", "Lure", {"islure", "despawn=20", "animated"});
            lure.keys[2] = "filename=HoloLure.png";
            lure.animations = {{0, "HoloLure_off.png", 1, 1.0, "loop"}, {1, "HoloLure_on.png", 4, 0.6, "loop"}};
            v.push_back(lure);
        }
        v.push_back(item(321, "Flashbang", "Flashbang", {"isflashbang", "despawn=3"}));
        v.push_back(item(367, "SX-8 Silenced Shotgun", "SilencedShotgun", {"weapon=8", "contraband", "fine=200"}));
        v.push_back(item(368, "Silenced Maverick Pistol", "SilencedMaverick", {"weapon=10"}));
        v.push_back(item(369, "RASC-S Silenced Rifle", "SilencedRifle", {"weapon=9", "contraband", "fine=250"}));
        v.push_back(item(405, "Heavy Rifle", "HeavyRifle", {"weapon=4", "contraband", "fine=250"}));
        // Money, packages and litter.
        v.push_back(plain(252, 0, "wallet dropped by the dead", {"name=Wallet", "filename=Wallet.png", "canpickup", "ismoney", "rect=12x10"}));
        v.push_back(plain(366, 0, "contract package", {"name=Package", "filename=Package.png", "hudfilename=HUD_Package.png", "canpickup", "rect=14x14"}));
        v.push_back(plain(25, 0, "dropped after reading", {"name=Newspaper", "filename=Newspaper.png", "garbage", "decal", "rect=12x10"}));
        v.push_back(plain(26, 0, "dropped after smoking", {"name=Cigarette Butt", "filename=CigaretteButt.png", "garbage", "decal", "rect=4x4"}));
        // Ammunition: the projectiles and the rounds bought for them.
        v.push_back(plain(200, 0, "blaster bolt", {"name=Blaster Bolt", "filename=Bolt_Blaster.png", "ammo", "damage=100", "damagetype=blaster", "rect=6x12"}));
        v.push_back(plain(201, 0, "police droid bolt", {"name=Droid Bolt", "filename=Bolt_Droid.png", "ammo", "damage=35", "damagetype=blaster", "rect=6x12"}));
        v.push_back(plain(203, 0, "maverick round", {"name=Maverick Round", "filename=Bolt_Maverick.png", "ammo", "damage=200", "damagetype=maverick", "rect=6x14"}));
        v.push_back(plain(2000, 0, "pistol bullet", {"name=pistol bullet", "filename=Bullet_Pistol.png", "hudfilename=HUD_Ammo_Pistol.png", "ammo", "canpickup", "damage=60", "damagetype=rifle", "rect=6x8"}));
        v.push_back(plain(2001, 0, "buckshot", {"name=buckshot", "filename=Pellet.png", "hudfilename=HUD_Ammo_Buckshot.png", "ammo", "canpickup", "damage=40", "damagetype=buckshot", "rect=6x6"}));
        v.push_back(plain(2002, 0, "rifle bullet", {"name=rifle bullet", "filename=Bullet_Rifle.png", "hudfilename=HUD_Ammo_Rifle.png", "ammo", "canpickup", "damage=80", "damagetype=rifle", "rect=6x10"}));
        // Effects and remains.
        v.push_back(plain(1000, 0, "bullet impact", {"name=Impact", "filename=Impact.png", "animated", "effect", "transient", "rect=16x16"}, {{0, "Impact_spark.png", 4, 0.2, "once"}}));
        v.push_back(plain(1001, 0, "water splash", {"name=Splash", "filename=Splash.png", "animated", "effect", "transient", "rect=32x32"}, {{0, "Splash_ring.png", 4, 0.4, "once"}}));
        v.push_back(plain(1002, 0, "pool of blood", {"name=Blood", "filename=BloodPool.png", "decal", "garbage", "rect=24x24"}));
        v.push_back(plain(1003, 0, "body part", {"name=Remains", "filename=Gib_A.png", "decal", "humanwaste", "rect=12x12"}));
        v.push_back(plain(1004, 0, "body part", {"name=Remains", "filename=Gib_B.png", "decal", "humanwaste", "rect=12x16"}));
        v.push_back(plain(1005, 0, "blood splatter", {"name=Blood", "filename=BloodSplat.png", "decal", "garbage", "rect=16x16"}));
        v.push_back(plain(1006, 0, "police droid lamp", {"name=Lamp", "filename=DroidLamp.png", "effect", "rect=8x8"}));
        v.push_back(plain(1007, 0, "what a cleaner leaves of a body", {"name=Ashes", "filename=Ash_A.png", "decal", "rect=24x32"}));
        v.push_back(plain(1008, 0, "what a cleaner leaves of a body", {"name=Ashes", "filename=Ash_B.png", "decal", "rect=24x32"}));
        v.push_back(plain(1009, 0, "blast mark", {"name=Scorch Mark", "filename=Scorch.png", "decal", "rect=48x48"}));
        v.push_back(plain(1010, 0, "explosion", {"name=Explosion", "filename=Explosion.png", "animated", "effect", "transient", "rect=96x96"}, {{0, "Explosion_fire.png", 6, 0.6, "once"}}));
        v.push_back(plain(1011, 0, "police droid turret", {"name=Turret", "filename=DroidTurret.png", "animated", "effect", "rect=12x16"}, {{0, "DroidTurret_idle.png", 1, 1.0, "loop"}, {1, "DroidTurret_fire.png", 2, 0.2, "once"}}));
        // Train pieces: kind B (83-86) and kind A (409-414).
        v.push_back(plain(83, 0, "train B front", {"name=Train", "filename=TrainB_Front.png", "nonpassable", "rect=56x96"}));
        v.push_back(plain(84, 0, "train B carriage", {"name=Train", "filename=TrainB_Car.png", "nonpassable", "rect=56x112"}));
        v.push_back(plain(85, 0, "train B middle", {"name=Train", "filename=TrainB_Mid.png", "nonpassable", "rect=56x96"}));
        v.push_back(plain(86, 0, "train B link", {"name=Train", "filename=TrainB_Link.png", "nonpassable", "rect=56x16"}));
        v.push_back(plain(409, 0, "train A front", {"name=Freight Train", "filename=TrainA_Front.png", "nonpassable", "rect=56x96"}));
        v.push_back(plain(410, 0, "train A link", {"name=Freight Train", "filename=TrainA_Link.png", "nonpassable", "rect=56x16"}));
        v.push_back(plain(411, 0, "train A cargo", {"name=Freight Train", "filename=TrainA_Cargo1.png", "nonpassable", "rect=56x80"}));
        v.push_back(plain(412, 0, "train A cargo", {"name=Freight Train", "filename=TrainA_Cargo2.png", "nonpassable", "rect=56x80"}));
        v.push_back(plain(413, 0, "train A cargo", {"name=Freight Train", "filename=TrainA_Cargo3.png", "nonpassable", "rect=56x80"}));
        v.push_back(plain(414, 0, "train A cargo", {"name=Freight Train", "filename=TrainA_Cargo4.png", "nonpassable", "rect=56x80"}));
        // Street and interior furniture placed by the city generator.
        v.push_back(plain(500, 0, "vending machine", {"name=AMMO-CO Vending Machine", "filename=VendingMachine.png", "vendingmachine", "nonpassable", "locktotile", "rotate90", "sound=vending_hum.wav", "rect=28x18"}));
        v.push_back(plain(501, 0, "security camera", {"name=Security Camera", "filename=SecurityCamera.png", "camera", "high", "rotate90", "rect=12x16"}));
        v.push_back(plain(502, 0, "police terminal", {"name=Police Terminal", "filename=PoliceTerminal.png", "hackbox", "nonpassable", "locktotile", "rotate90", "rect=20x14"}));
        v.push_back(plain(503, 0, "body container", {"name=Dumpster", "filename=Dumpster.png", "cancarrybody", "nonpassable", "rotate90", "rect=32x20"}));
        v.push_back(plain(504, 0, "body container", {"name=Recycler", "filename=BodyBin.png", "cancarrybody", "nonpassable", "circ=10"}));
        v.push_back(plain(505, 0, "street light", {"name=Street Light", "filename=StreetLight.png", "under=LightGlow.png", "light", "nonpassable", "circ=5"}));
        v.push_back(plain(506, 0, "neon lamp", {"name=Neon Lamp", "filename=NeonLamp.png", "under=NeonGlow.png", "light", "high", "rotate90", "rect=16x6"}));
        v.push_back(plain(507, 0, "steam vent", {"name=Vent", "filename=Vent.png", "emit=steam", "decal", "locktotile", "sound=vent_hiss.wav", "rect=24x24"}));
        v.push_back(plain(508, 0, "chimney", {"name=Chimney", "filename=Chimney.png", "emit=smoke", "high", "rect=16x16"}));
        v.push_back(plain(509, 0, "level exit", {"name=Transit Gate", "filename=ExitGate.png", "exit", "decal", "locktotile", "rect=48x48"}));
        v.push_back(plain(510, 0, "litter", {"name=Can", "filename=Can.png", "garbage", "decal", "rect=6x6"}));
        v.push_back(plain(511, 0, "litter", {"name=Litter", "filename=Litter.png", "garbage", "decal", "rect=10x8"}));
        v.push_back(plain(512, 0, "bench", {"name=Bench", "filename=Bench.png", "nonpassable", "rotate90", "rect=32x12"}));
        v.push_back(plain(513, 0, "planter", {"name=Planter", "filename=Planter.png", "nonpassable", "locktotile", "rect=24x24"}));
        v.push_back(plain(514, 0, "parked car", {"name=Parked Car", "filename=ParkedCar.png", "nonpassable", "rotate90", "rect=28x52"}));
        v.push_back(plain(515, 0, "crate", {"name=Crate", "filename=Crate.png", "nonpassable", "rect=24x24"}));
        v.push_back(plain(516, 0, "puddle", {"name=Puddle", "filename=Puddle.png", "decal", "opacity=200", "rect=40x24"}));
        v.push_back(plain(517, 0, "barrier", {"name=Barrier", "filename=Barrier.png", "nonpassable", "rotate90", "rect=32x8"}));
        v.push_back(plain(518, 0, "table", {"name=Table", "filename=Table.png", "nonpassable", "rect=24x24"}));
        v.push_back(plain(519, 0, "bed", {"name=Bed", "filename=Bed.png", "nonpassable", "rotate90", "rect=24x40"}));
        v.push_back(plain(520, 0, "bollard", {"name=Bollard", "filename=Bollard.png", "nonpassable", "circ=5"}));
        v.push_back(plain(521, 0, "tree", {"name=Tree", "filename=Tree.png", "high", "dontshowrotation", "circ=16"}));
        v.push_back(plain(522, 0, "holo sign", {"name=Holo Sign", "filename=HoloSign.png", "high", "rotate90", "rect=48x16"}));
        // Actors: players, citizens, targets, hunters and contacts.
        for (const CharacterLook& c : characterLooks())
            v.push_back(character(c, c.name));
        // Flying robots.
        v.push_back(plain(50, 1, "cleaning droid", {"name=Cleaning Droid", "filename=CleanerDroid.png", "animated", "mob", "circ=12", "sound=drone_hum.wav"},
                          {{0, "CleanerDroid_idle.png", 4, 0.8, "loop"}, {1, "CleanerDroid_clean.png", 4, 0.4, "loop"}}));
        v.push_back(plain(51, 1, "advert blimp", {"name=Advert Blimp", "filename=AdBlimp.png", "animated", "mob", "rect=48x112", "zposoffset=64"},
                          {{0, "AdBlimp_fly.png", 4, 2.0, "loop"}}));
        v.push_back(plain(52, 1, "police droid", {"name=Police Droid", "filename=PoliceDroid.png", "animated", "mob", "weapon=12", "circ=12"},
                          {{0, "PoliceDroid_patrol.png", 4, 0.8, "loop"}, {1, "PoliceDroid_alert.png", 4, 0.4, "loop"}, {2, "PoliceDroid_down.png", 4, 0.3, "loop"}}));
        const int flyers[5] = {75, 76, 77, 326, 327};
        const char* flyerSheets[5] = {"Flyer_A", "Flyer_B", "Flyer_C", "Flyer_D", "Flyer_E"};
        for (int i = 0; i < 5; ++i)
            v.push_back(plain(flyers[i], 1, "ambient flyer", {"name=Flyer", std::string("filename=") + flyerSheets[i] + ".png", "animated", "mob", "rect=24x44", "zposoffset=40", "sound=flyer_hum.wav"},
                              {{0, std::string(flyerSheets[i]) + "_fly.png", 2, 0.3, "loop"}}));
        return v;
    }();
    return entries;
}

const std::vector<WeaponEntry>& weaponEntries()
{
    static const std::vector<WeaponEntry> weapons = {
        {1, {"name=Blaster", "filename=HUD_Blaster.png", "sound=blaster_fire.wav", "cost=0", "hideable", "recharge=1.5", "range=200", "projectileclass=200", "projectilespeed=600", "soundlevel=0.25", "maxrounds=1"}},
        {2, {"name=Pistol", "filename=HUD_Pistol.png", "sound=pistol_fire.wav", "raise=weapon_raise.wav", "lower=weapon_lower.wav", "cost=100", "recharge=0.7", "range=224", "projectileclass=2000", "projectilespeed=720", "soundlevel=1.5"}},
        {3, {"name=Street Shotgun", "filename=HUD_StreetShotgun.png", "sound=shotgun_fire.wav", "raise=weapon_raise.wav", "lower=weapon_lower.wav", "cost=200", "recharge=1.2", "spread=3", "range=160", "projectileclass=2001", "projectilespeed=600", "projectilemaxrange=320", "soundlevel=2.0"}},
        {4, {"name=Heavy Rifle", "filename=HUD_HeavyRifle.png", "sound=rifle_fire.wav", "raise=weapon_raise.wav", "lower=weapon_lower.wav", "cost=400", "recharge=0.35", "range=288", "projectileclass=2002", "projectilespeed=840", "soundlevel=2.0"}},
        {5, {"name=X-8 Shotgun", "filename=HUD_Shotgun.png", "sound=shotgun_fire.wav", "raise=weapon_raise.wav", "lower=weapon_lower.wav", "cost=350", "reloadtime=0.9", "maxrounds=2", "spread=3", "range=160", "projectileclass=2001", "projectilespeed=600", "projectilemaxrange=320", "soundlevel=2.0"}},
        {6, {"name=RASC Rifle", "filename=HUD_Rifle.png", "sound=rifle_fire.wav", "raise=weapon_raise.wav", "lower=weapon_lower.wav", "cost=475", "reloadtime=0.3", "maxrounds=12", "range=288", "projectileclass=2002", "projectilespeed=840", "soundlevel=2.0"}},
        {7, {"name=Maverick Pistol", "filename=HUD_Maverick.png", "sound=maverick_fire.wav", "raise=weapon_raise.wav", "lower=weapon_lower.wav", "cost=950", "recharge=1.8", "warmup=0.4", "range=320", "maxrange=480", "projectileclass=203", "projectilespeed=960", "soundlevel=1.0"}},
        {8, {"name=SX-8 Silenced Shotgun", "filename=HUD_SilencedShotgun.png", "sound=silenced_fire.wav", "raise=weapon_raise.wav", "lower=weapon_lower.wav", "cost=550", "reloadtime=0.9", "maxrounds=2", "spread=3", "range=160", "projectileclass=2001", "projectilespeed=600", "projectilemaxrange=320", "soundlevel=0.3"}},
        {9, {"name=RASC-S Silenced Rifle", "filename=HUD_SilencedRifle.png", "sound=silenced_fire.wav", "raise=weapon_raise.wav", "lower=weapon_lower.wav", "cost=675", "reloadtime=0.3", "maxrounds=12", "range=288", "projectileclass=2002", "projectilespeed=840", "soundlevel=0.3"}},
        {10, {"name=Silenced Maverick Pistol", "filename=HUD_SilencedMaverick.png", "sound=silenced_fire.wav", "raise=weapon_raise.wav", "lower=weapon_lower.wav", "cost=1150", "recharge=1.8", "warmup=0.4", "range=320", "maxrange=480", "projectileclass=203", "projectilespeed=960", "soundlevel=0.2"}},
        {11, {"name=Hunter Rifle", "filename=HUD_HunterRifle.png", "sound=silenced_fire.wav", "raise=weapon_raise.wav", "lower=weapon_lower.wav", "cost=500", "recharge=0.8", "range=320", "projectileclass=2002", "projectilespeed=840", "soundlevel=0.5"}},
        {12, {"name=Droid Blaster", "filename=HUD_Blaster.png", "sound=droid_fire.wav", "cost=0", "hideable", "recharge=0.5", "range=192", "projectileclass=201", "projectilespeed=540", "soundlevel=1.0"}},
    };
    return weapons;
}

std::string objectFileText(int file)
{
    std::ostringstream out;
    out << (file == 0 ? "# Tallowind objects: items, ammunition, effects, train pieces and street furniture.\n"
                      : "# Tallowind objects: the people and flying robots of the city.\n")
        << "# Written by tools/artgen; see assets/README.md for what each id serves.\n";
    for (const ObjectEntry& e : objectEntries())
    {
        if (e.file != file)
            continue;
        out << "\n# " << e.comment << "\nobject\n";
        for (const std::string& k : e.keys)
            out << "\t" << k << "\n";
        out << "end\n";
    }
    return out.str();
}

std::string animationFileText()
{
    std::ostringstream out;
    out << "# object id,animation id,frame name pattern,frames,seconds,mode\n";
    for (const ObjectEntry& e : objectEntries())
        for (const AnimationLine& a : e.animations)
            out << e.id << "," << a.id << "," << a.prefix << "," << a.frames << "," << seconds(a.seconds) << ","
                << a.mode << "\n";
    return out.str();
}

std::string weaponFileText()
{
    std::ostringstream out;
    out << "# Tallowind weapons; an item's \"weapon\" key names one of these ids.\n";
    for (const WeaponEntry& w : weaponEntries())
    {
        out << "\nweapon\n\tid=" << w.id << "\n";
        for (const std::string& k : w.keys)
            out << "\t" << k << "\n";
        out << "end\n";
    }
    return out.str();
}
