#include "Synth.h"
#include <algorithm>
#include <cmath>

namespace
{
const double kTwoPi = 6.283185307179586;

size_t samplesFor(double seconds)
{
    return static_cast<size_t>(seconds * kRate + 0.5);
}

double wave(int kind, double phase)
{
    double p = phase - std::floor(phase);
    switch (kind)
    {
    case 1:
        return p < 0.5 ? 1.0 : -1.0;
    case 2:
        return 2.0 * p - 1.0;
    case 3:
        return p < 0.5 ? 4.0 * p - 1.0 : 3.0 - 4.0 * p;
    default:
        return std::sin(kTwoPi * p);
    }
}
}

Buffer silence(double seconds)
{
    return Buffer(samplesFor(seconds), 0.0);
}

Buffer tone(double f0, double f1, double seconds, int kind, double volume)
{
    Buffer b(samplesFor(seconds));
    double phase = 0.0;
    for (size_t i = 0; i < b.size(); ++i)
    {
        double t = b.size() > 1 ? static_cast<double>(i) / (b.size() - 1) : 0.0;
        double f = f0 + (f1 - f0) * t;
        b[i] = wave(kind, phase) * volume;
        phase += f / kRate;
    }
    return b;
}

Buffer noise(Rng& rng, double seconds, double volume)
{
    Buffer b(samplesFor(seconds));
    for (double& s : b)
        s = (rng.unit() * 2.0 - 1.0) * volume;
    return b;
}

void envelope(Buffer& b, double attack, double release)
{
    size_t a = samplesFor(attack), r = samplesFor(release);
    for (size_t i = 0; i < b.size(); ++i)
    {
        double g = 1.0;
        if (a > 0 && i < a)
            g = static_cast<double>(i) / a;
        size_t fromEnd = b.size() - 1 - i;
        if (r > 0 && fromEnd < r)
            g = std::min(g, static_cast<double>(fromEnd) / r);
        b[i] *= g;
    }
}

void decay(Buffer& b, double tau)
{
    for (size_t i = 0; i < b.size(); ++i)
        b[i] *= std::exp(-static_cast<double>(i) / kRate / tau);
}

void lowpass(Buffer& b, double cutoffHz)
{
    double rc = 1.0 / (kTwoPi * cutoffHz), dt = 1.0 / kRate, alpha = dt / (rc + dt);
    double y = 0.0;
    for (double& s : b)
    {
        y += alpha * (s - y);
        s = y;
    }
}

void highpass(Buffer& b, double cutoffHz)
{
    double rc = 1.0 / (kTwoPi * cutoffHz), dt = 1.0 / kRate, alpha = rc / (rc + dt);
    double prevIn = 0.0, prevOut = 0.0;
    for (double& s : b)
    {
        double out = alpha * (prevOut + s - prevIn);
        prevIn = s;
        prevOut = out;
        s = out;
    }
}

Buffer bandpass(const Buffer& in, double centreHz, double q)
{
    double w0 = kTwoPi * centreHz / kRate, alpha = std::sin(w0) / (2.0 * q);
    double b0 = alpha, b2 = -alpha, a0 = 1.0 + alpha, a1 = -2.0 * std::cos(w0), a2 = 1.0 - alpha;
    Buffer out(in.size());
    double x1 = 0, x2 = 0, y1 = 0, y2 = 0;
    for (size_t i = 0; i < in.size(); ++i)
    {
        double y = (b0 * in[i] + b2 * x2 - a1 * y1 - a2 * y2) / a0;
        x2 = x1;
        x1 = in[i];
        y2 = y1;
        y1 = y;
        out[i] = y;
    }
    return out;
}

void mixInto(Buffer& dst, const Buffer& src, double atSeconds, double gain)
{
    size_t start = samplesFor(atSeconds);
    if (dst.size() < start + src.size())
        dst.resize(start + src.size(), 0.0);
    for (size_t i = 0; i < src.size(); ++i)
        dst[start + i] += src[i] * gain;
}

void append(Buffer& dst, const Buffer& src)
{
    dst.insert(dst.end(), src.begin(), src.end());
}

void normalize(Buffer& b, double peak)
{
    double m = 0.0;
    for (double s : b)
        m = std::max(m, std::fabs(s));
    if (m <= 0.0)
        return;
    for (double& s : b)
        s *= peak / m;
}

void ringModulate(Buffer& b, double hz)
{
    for (size_t i = 0; i < b.size(); ++i)
        b[i] *= 0.5 + 0.5 * std::sin(kTwoPi * hz * i / kRate);
}

void makeLoop(Buffer& b, double fadeSeconds)
{
    size_t f = samplesFor(fadeSeconds);
    if (f * 2 >= b.size())
        return;
    size_t n = b.size() - f;
    for (size_t i = 0; i < f; ++i)
    {
        double g = static_cast<double>(i) / f;
        b[i] = b[i] * g + b[n + i] * (1.0 - g);
    }
    b.resize(n);
}

double midiToHz(int note)
{
    return 440.0 * std::pow(2.0, (note - 69) / 12.0);
}
