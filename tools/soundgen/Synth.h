#pragma once
#include "Rng.h"
#include <vector>

// A few building blocks for the game's synthesized sounds. Buffers are mono
// at kRate samples a second, values about -1 .. 1.
using Buffer = std::vector<double>;

constexpr int kRate = 22050;

Buffer silence(double seconds);
// Waveforms: 0 sine, 1 square, 2 saw, 3 triangle. Frequency glides from f0 to f1.
Buffer tone(double f0, double f1, double seconds, int wave, double volume);
Buffer noise(Rng& rng, double seconds, double volume);
// Attack and release in seconds, linear.
void envelope(Buffer& b, double attack, double release);
// Exponential decay with the given time constant in seconds.
void decay(Buffer& b, double tau);
void lowpass(Buffer& b, double cutoffHz);
void highpass(Buffer& b, double cutoffHz);
// Resonant band-pass (two-pole) around a centre frequency.
Buffer bandpass(const Buffer& b, double centreHz, double q);
// Adds src into dst starting at the given time, growing dst as needed.
void mixInto(Buffer& dst, const Buffer& src, double atSeconds, double gain = 1.0);
void append(Buffer& dst, const Buffer& src);
void normalize(Buffer& b, double peak);
void ringModulate(Buffer& b, double hz);
// Makes the end flow into the start: the last fade seconds are blended
// into the first ones and cut off, so the buffer loops without a click.
void makeLoop(Buffer& b, double fadeSeconds);
double midiToHz(int note);
