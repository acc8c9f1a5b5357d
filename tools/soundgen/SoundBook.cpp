#include "SoundBook.h"
#include <cmath>
#include <cstdio>

namespace
{
std::string numbered(const char* format, int n)
{
    char buf[96];
    std::snprintf(buf, sizeof buf, format, n);
    return buf;
}

// Babble with speech-like formants. style 0 police droid, 1 cleaning droid,
// 2 advert announcer, 3 terminal chirps.
Buffer voice(uint64_t seed, int syllables, double pitch, int style)
{
    Rng rng(seed);
    Buffer out = silence(0.05);
    const double f1s[5] = {300, 450, 600, 750, 400};
    const double f2s[5] = {900, 1200, 1700, 2200, 2600};
    for (int s = 0; s < syllables; ++s)
    {
        double dur = 0.07 + rng.unit() * 0.12;
        double p = pitch * (style == 0 ? 1.0 : (0.9 + rng.unit() * 0.25));
        Buffer buzz = tone(p, p * (style == 2 ? 1.12 : 0.95), dur, style == 0 ? 1 : 2, 0.6);
        Buffer v = bandpass(buzz, f1s[rng.range(0, 4)], 4.0);
        Buffer v2 = bandpass(buzz, f2s[rng.range(0, 4)], 7.0);
        mixInto(v, v2, 0.0, 0.7);
        if (rng.chance(0.4))
        {
            Buffer c = noise(rng, 0.03, 0.3);
            highpass(c, 3000);
            envelope(c, 0.002, 0.02);
            Buffer both = c;
            append(both, v);
            v = both;
        }
        envelope(v, 0.01, 0.03);
        if (style == 0)
            ringModulate(v, 70.0);
        if (style == 1)
            ringModulate(v, 160.0);
        append(out, v);
        if (rng.chance(0.25))
            append(out, silence(0.08));
        append(out, silence(0.01 + rng.unit() * 0.04));
    }
    append(out, silence(0.05));
    if (style == 0)
        lowpass(out, 3000);
    normalize(out, 0.8);
    return out;
}

Buffer radioBlip(double f)
{
    Buffer b = tone(f, f, 0.06, 1, 0.25);
    envelope(b, 0.002, 0.01);
    return b;
}

// Police droid bark: a squelch blip, robotic speech and a closing blip.
Buffer police(uint64_t seed, int syllables, double pitch)
{
    Buffer out = radioBlip(1400);
    append(out, voice(seed, syllables, pitch, 0));
    append(out, radioBlip(900));
    normalize(out, 0.8);
    return out;
}

Buffer shot(uint64_t seed, double length, double cutoff, double body, double volume)
{
    Rng rng(seed);
    Buffer n = noise(rng, length, 1.0);
    lowpass(n, cutoff);
    decay(n, length / 4.0);
    Buffer thump = tone(body, body * 0.4, length * 0.6, 0, 1.0);
    decay(thump, length / 6.0);
    mixInto(n, thump, 0.0, 0.8);
    envelope(n, 0.001, 0.02);
    normalize(n, volume);
    return n;
}

Buffer zap(double f0, double f1, double length, double volume)
{
    Buffer b = tone(f0, f1, length, 2, 1.0);
    Buffer s = tone(f0 * 1.5, f1 * 1.5, length, 1, 0.4);
    mixInto(b, s, 0.0);
    lowpass(b, 5000);
    decay(b, length / 3.0);
    envelope(b, 0.002, 0.02);
    normalize(b, volume);
    return b;
}

Buffer thud(uint64_t seed, double length, double cutoff)
{
    Rng rng(seed);
    Buffer n = noise(rng, length, 1.0);
    lowpass(n, cutoff);
    decay(n, length / 5.0);
    Buffer low = tone(90, 40, length, 0, 1.0);
    decay(low, length / 4.0);
    mixInto(n, low, 0.0, 1.5);
    envelope(n, 0.002, 0.03);
    normalize(n, 0.8);
    return n;
}

Buffer splash(uint64_t seed)
{
    Rng rng(seed);
    Buffer n = noise(rng, 0.9, 1.0);
    Buffer b = bandpass(n, 900, 0.8);
    decay(b, 0.25);
    for (int i = 0; i < 6; ++i)
    {
        Buffer bub = tone(500 + rng.range(0, 900), 900 + rng.range(0, 900), 0.05, 0, 0.3);
        envelope(bub, 0.005, 0.03);
        mixInto(b, bub, 0.2 + i * 0.09);
    }
    envelope(b, 0.005, 0.1);
    normalize(b, 0.8);
    return b;
}

Buffer explosion(uint64_t seed, double length)
{
    Rng rng(seed);
    Buffer n = noise(rng, length, 1.0);
    lowpass(n, 700);
    decay(n, length / 3.0);
    Buffer boom = tone(70, 28, length, 0, 1.0);
    decay(boom, length / 3.0);
    mixInto(n, boom, 0.0, 2.0);
    Buffer crack = noise(rng, 0.08, 1.0);
    highpass(crack, 2000);
    decay(crack, 0.02);
    mixInto(n, crack, 0.0, 0.6);
    envelope(n, 0.002, 0.2);
    normalize(n, 0.9);
    return n;
}

Buffer thunder(uint64_t seed, double length)
{
    Rng rng(seed);
    Buffer n = noise(rng, length, 1.0);
    lowpass(n, 220);
    // Rolling: a few swells across the length.
    for (size_t i = 0; i < n.size(); ++i)
    {
        double t = static_cast<double>(i) / kRate;
        double roll = 0.6 + 0.4 * std::sin(t * 5.3) * std::sin(t * 1.7 + 1.0);
        n[i] *= roll * std::exp(-t / (length / 2.5));
    }
    envelope(n, 0.05, 0.4);
    normalize(n, 0.9);
    return n;
}

Buffer beep(double f, double length, double volume)
{
    Buffer b = tone(f, f, length, 1, 1.0);
    lowpass(b, 4000);
    envelope(b, 0.003, 0.02);
    normalize(b, volume);
    return b;
}

Buffer typing(uint64_t seed)
{
    Rng rng(seed);
    Buffer n = noise(rng, 0.03, 1.0);
    highpass(n, 2500);
    decay(n, 0.006);
    Buffer click = tone(1800 + rng.range(0, 600), 900, 0.02, 1, 0.3);
    decay(click, 0.004);
    mixInto(n, click, 0.0);
    normalize(n, 0.35);
    return n;
}

Buffer hum(uint64_t seed, double base, double length, double volume, double wobble)
{
    Rng rng(seed);
    Buffer b = tone(base, base, length, 2, 0.6);
    Buffer h = tone(base * 2.01, base * 2.01, length, 0, 0.3);
    mixInto(b, h, 0.0);
    Buffer n = noise(rng, length, 0.15);
    lowpass(n, 900);
    mixInto(b, n, 0.0);
    lowpass(b, 1200);
    for (size_t i = 0; i < b.size(); ++i)
        b[i] *= 1.0 - wobble + wobble * std::sin(6.283185307179586 * 2.0 * i / kRate);
    makeLoop(b, 0.25);
    normalize(b, volume);
    return b;
}

Buffer rainLoop(uint64_t seed, double length)
{
    Rng rng(seed);
    Buffer n = noise(rng, length, 1.0);
    lowpass(n, 5000);
    highpass(n, 400);
    for (int i = 0; i < static_cast<int>(length * 40); ++i)
    {
        Buffer drop = noise(rng, 0.01, 1.0);
        highpass(drop, 3000);
        decay(drop, 0.002);
        mixInto(n, drop, rng.unit() * (length - 0.02), 1.5);
    }
    makeLoop(n, 0.5);
    normalize(n, 0.5);
    return n;
}

Buffer cityLoop(uint64_t seed, double length)
{
    Rng rng(seed);
    Buffer n = noise(rng, length, 1.0);
    lowpass(n, 300);
    Buffer drone = tone(55, 55, length, 2, 0.2);
    lowpass(drone, 200);
    mixInto(n, drone, 0.0);
    // Distant sirens and passing flyers.
    Buffer siren = tone(700, 700, 1.6, 0, 1.0);
    for (size_t i = 0; i < siren.size(); ++i)
        siren[i] = std::sin(6.283185307179586 * (700.0 * i / kRate + 40.0 * std::sin(6.283185307179586 * 1.2 * i / kRate)));
    envelope(siren, 0.6, 0.8);
    mixInto(n, siren, length * 0.3, 0.06);
    Buffer pass = noise(rng, 2.0, 1.0);
    pass = bandpass(pass, 400, 1.0);
    envelope(pass, 1.0, 1.0);
    mixInto(n, pass, length * 0.6, 0.6);
    makeLoop(n, 0.5);
    normalize(n, 0.5);
    return n;
}

// A short jingle: an arpeggio in a major key, then a held chord.
Buffer jingle(uint64_t seed, int root)
{
    Rng rng(seed);
    Buffer out;
    const int steps[6] = {0, 4, 7, 12, 7, 16};
    for (int i = 0; i < 6; ++i)
    {
        Buffer n = tone(midiToHz(root + steps[i]), midiToHz(root + steps[i]), 0.14, 3, 0.5);
        envelope(n, 0.005, 0.05);
        mixInto(out, n, i * 0.12);
    }
    for (int k : {0, 4, 7})
    {
        Buffer n = tone(midiToHz(root + 12 + k), midiToHz(root + 12 + k), 0.5, 3, 0.3);
        envelope(n, 0.01, 0.3);
        mixInto(out, n, 0.75);
    }
    (void)rng;
    return out;
}

Buffer advert(uint64_t seed, int root, int words)
{
    Buffer out = jingle(seed, root);
    append(out, voice(seed * 7 + 1, words, 150.0 + (seed % 5) * 20.0, 2));
    Buffer tail = jingle(seed + 99, root + 5);
    append(out, tail);
    normalize(out, 0.8);
    return out;
}

// Music: a loop of bars in a minor key with bass, pads, arpeggio and drums.
struct Song
{
    uint64_t seed;
    int bpm;
    int bars;
    int root;
    bool drums;
    bool arpeggio;
    double volume;
};

Buffer music(const Song& s)
{
    Rng rng(s.seed);
    double beat = 60.0 / s.bpm;
    double length = s.bars * 4 * beat;
    Buffer out = silence(length);
    const int progression[4][3] = {{0, 3, 7}, {-4, 0, 3}, {-2, 2, 5}, {-5, -2, 2}};
    const int scale[7] = {0, 2, 3, 5, 7, 8, 10};
    for (int bar = 0; bar < s.bars; ++bar)
    {
        const int* chord = progression[bar % 4];
        double t0 = bar * 4 * beat;
        for (int k = 0; k < 3; ++k)
        {
            Buffer pad = tone(midiToHz(s.root + 12 + chord[k]), midiToHz(s.root + 12 + chord[k]), 4 * beat, 3, 0.18);
            envelope(pad, beat * 0.5, beat);
            mixInto(out, pad, t0);
        }
        for (int b = 0; b < 8; ++b)
        {
            int note = s.root - 12 + chord[0] + (b % 4 == 3 ? 7 : 0);
            Buffer bass = tone(midiToHz(note), midiToHz(note), beat * 0.45, 2, 0.35);
            lowpass(bass, 500);
            envelope(bass, 0.005, 0.08);
            mixInto(out, bass, t0 + b * beat * 0.5);
        }
        if (s.arpeggio)
            for (int b = 0; b < 16; ++b)
            {
                int note = s.root + 24 + scale[(chord[0] + 7 + rng.range(0, 6)) % 7];
                Buffer a = tone(midiToHz(note), midiToHz(note), beat * 0.22, 1, 0.07);
                lowpass(a, 2500);
                envelope(a, 0.003, 0.06);
                mixInto(out, a, t0 + b * beat * 0.25);
            }
        if (s.drums)
            for (int b = 0; b < 4; ++b)
            {
                Buffer kick = tone(120, 40, 0.25, 0, 0.8);
                decay(kick, 0.08);
                mixInto(out, kick, t0 + b * beat);
                Buffer hat = noise(rng, 0.05, 0.25);
                highpass(hat, 6000);
                decay(hat, 0.015);
                mixInto(out, hat, t0 + b * beat + beat * 0.5);
                if (b % 2 == 1)
                {
                    Buffer snare = noise(rng, 0.18, 0.5);
                    lowpass(snare, 4000);
                    decay(snare, 0.05);
                    mixInto(out, snare, t0 + b * beat);
                }
            }
    }
    // Anything that rang past the end is cut so that the loop stays exact.
    out.resize(static_cast<size_t>(length * kRate + 0.5));
    envelope(out, 0.01, 0.01);
    normalize(out, s.volume);
    return out;
}
}

std::vector<SoundRecipe> soundBook()
{
    std::vector<SoundRecipe> book;
    auto add = [&book](const std::string& name, std::function<Buffer()> make) { book.push_back({name, make}); };

    const char* adsMp3[] = {"Ad_Cybernetics", "Ad_OilHeater", "Ad_PersonalitySuppression", "Ad_PersonalityUpgrade",
                            "Ad_Plants", "Ad_WetDream", "Ad_Yeah", "Ad_NerveStapling", "Ad_SpendMoney",
                            "Ad_AugmentedReality", "Ad_BrainSalt", "Ad_LegalTron", "Ad_Voting",
                            "Ad_DoNotQuestion", "Ad_FindersFee", "Ad_Thought"};
    uint64_t seed = 100;
    for (const char* a : adsMp3)
    {
        uint64_t s = ++seed;
        add(std::string(a) + ".mp3", [s] { return advert(s, 60 + static_cast<int>(s % 7), 10 + static_cast<int>(s % 6)); });
    }
    const char* adsWav[] = {"Ad_CleanNClear", "Ad_Cosmetic", "Ad_CyberLimb", "Ad_DiscountBrothel", "Ad_Grenade"};
    for (const char* a : adsWav)
    {
        uint64_t s = ++seed;
        add(std::string(a) + ".wav", [s] { return advert(s, 62 + static_cast<int>(s % 5), 8); });
    }
    const char* cleaner[] = {"CD_KeepClear1", "CD_KeepClear2", "CD_KeepClear3", "CD_Crap", "CD_Error",
                             "CD_Filthy", "CD_Garbage", "CD_Grotty", "CD_HumanRefuse", "CD_Incinerate"};
    for (const char* c : cleaner)
    {
        uint64_t s = ++seed;
        add(std::string(c) + ".wav", [s] { return voice(s, 4 + static_cast<int>(s % 4), 260.0, 1); });
    }
    for (int i = 1; i <= 14; ++i)
        add(numbered("Police_Patrol_%d.wav", i), [i] { return police(400 + i, 5 + i % 4, 110.0); });
    for (int i = 1; i <= 3; ++i)
        add(numbered("Police_Scanning_%d.wav", i), [i] { return police(500 + i, 6, 120.0); });
    for (int i = 1; i <= 7; ++i)
        add(numbered("Police_Combat_%d.wav", i), [i] { return police(600 + i, 4 + i % 3, 140.0); });
    for (int i = 1; i <= 2; ++i)
        add(numbered("Police_Engaging_%d.wav", i), [i] { return police(700 + i, 5, 150.0); });
    for (int i = 1; i <= 5; ++i)
        add(numbered("shotgunhit%d.wav", i), [i] { return shot(800 + i, 0.18, 2500 + i * 300, 140, 0.7); });
    for (int i = 1; i <= 3; ++i)
        add(numbered("typing_%d.wav", i), [i] { return typing(900 + i); });

    add("blaster_charge.wav", [] { return zap(200, 1400, 0.6, 0.6); });
    add("blaster_fire.wav", [] { return zap(1800, 300, 0.25, 0.7); });
    add("droid_fire.wav", [] { return zap(1200, 500, 0.2, 0.6); });
    add("maverick_fire.wav", [] {
        Buffer b = zap(900, 120, 0.5, 0.8);
        mixInto(b, shot(31, 0.4, 1500, 90, 0.6), 0.0);
        normalize(b, 0.9);
        return b;
    });
    add("pistol_fire.wav", [] { return shot(32, 0.3, 4000, 180, 0.9); });
    add("shotgun_fire.wav", [] { return shot(33, 0.55, 2500, 110, 1.0); });
    add("rifle_fire.wav", [] { return shot(34, 0.35, 6000, 160, 0.9); });
    add("silenced_fire.wav", [] { return shot(35, 0.12, 1500, 220, 0.5); });
    add("weapon_raise.wav", [] {
        Buffer b = thud(36, 0.08, 3000);
        mixInto(b, beep(2200, 0.03, 0.3), 0.05);
        return b;
    });
    add("weapon_lower.wav", [] {
        Buffer b = beep(1600, 0.03, 0.3);
        mixInto(b, thud(37, 0.08, 2500), 0.03);
        return b;
    });
    add("body_drop.wav", [] { return thud(40, 0.4, 600); });
    add("body_pickup.wav", [] { return thud(41, 0.3, 1200); });
    add("body_splash.wav", [] { return splash(42); });
    add("bullet_hit.wav", [] { return shot(43, 0.12, 3500, 300, 0.6); });
    add("bullet_ricochet1.wav", [] { return zap(3200, 1200, 0.35, 0.5); });
    add("bullet_ricochet2.wav", [] { return zap(2600, 900, 0.45, 0.5); });
    add("buzzer_negative.wav", [] {
        Buffer b = tone(140, 130, 0.45, 1, 0.5);
        lowpass(b, 1500);
        envelope(b, 0.01, 0.05);
        return b;
    });
    add("camera_crime.wav", [] {
        Buffer b;
        for (int i = 0; i < 3; ++i)
            mixInto(b, beep(i % 2 == 0 ? 1500 : 1100, 0.12, 0.6), i * 0.15);
        return b;
    });
    add("cashregister.wav", [] {
        Buffer b = thud(44, 0.15, 3000);
        Buffer bell = tone(2600, 2600, 0.6, 0, 0.5);
        decay(bell, 0.15);
        mixInto(b, bell, 0.1);
        normalize(b, 0.7);
        return b;
    });
    add("cophack.wav", [] {
        Buffer b = voice(45, 10, 700.0, 3);
        ringModulate(b, 30.0);
        normalize(b, 0.6);
        return b;
    });
    add("emp_blast.wav", [] {
        Buffer b = zap(60, 3000, 0.9, 0.8);
        mixInto(b, explosion(46, 0.8), 0.0, 0.4);
        normalize(b, 0.9);
        return b;
    });
    add("explosion.wav", [] { return explosion(47, 1.4); });
    add("flashbang.wav", [] {
        Buffer b = explosion(48, 0.4);
        Buffer ring = tone(3900, 3900, 1.5, 0, 0.25);
        decay(ring, 0.6);
        mixInto(b, ring, 0.05);
        normalize(b, 0.9);
        return b;
    });
    add("interface_beep.wav", [] { return beep(1320, 0.07, 0.5); });
    add("thunder1.wav", [] { return thunder(50, 2.5); });
    add("thunder2.wav", [] { return thunder(51, 3.0); });
    add("thunder_long.wav", [] { return thunder(52, 5.0); });
    add("city_loop.wav", [] { return cityLoop(53, 6.0); });
    add("rain_loop.wav", [] { return rainLoop(54, 4.0); });
    add("vending_hum.wav", [] { return hum(55, 120, 2.0, 0.25, 0.1); });
    add("vent_hiss.wav", [] { return rainLoop(56, 2.0); });
    add("drone_hum.wav", [] { return hum(57, 180, 2.0, 0.35, 0.3); });
    add("flyer_hum.wav", [] { return hum(58, 90, 2.0, 0.45, 0.2); });

    add("Music_Cyberpunk_life.mp3", [] { return music({60, 96, 8, 45, true, true, 0.7}); });
    add("menu.mp3", [] { return music({61, 80, 8, 50, false, true, 0.6}); });
    add("comic.mp3", [] { return music({62, 70, 6, 48, false, false, 0.6}); });
    add("chase.mp3", [] { return music({63, 140, 8, 52, true, true, 0.75}); });
    add("death.mp3", [] { return music({64, 60, 2, 41, false, false, 0.6}); });
    add("unlock.mp3", [] { return jingle(65, 67); });
    return book;
}
