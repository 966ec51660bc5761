#include "core/colorconversion.h"

#include <algorithm>

namespace {

// Single-precision thirds; which side of a channel boundary a hue falls on depends on these exact values.
const float kOneThird = 0.33333331f;
const float kTwoThirds = 0.66666669f;

float channelValue(float p, float q, float t)
{
    if (t < 0.0f) {
        t += 1.0f;
    }
    if (t > 1.0f) {
        t -= 1.0f;
    }
    if (6.0f * t < 1.0f) {
        return p + (q - p) * 6.0f * t;
    }
    if (2.0f * t < 1.0f) {
        return q;
    }
    if (3.0f * t < 2.0f) {
        return p + (q - p) * (kTwoThirds - t) * 6.0f;
    }
    return p;
}

// Truncates rather than rounds, so a round trip may come back one step lower in a channel.
quint8 toByte(float value)
{
    const float scaled = value * 255.0f;
    if (scaled > 255.0f) {
        return 255;
    }
    if (scaled < 0.0f) {
        return 0;
    }
    return quint8(scaled);
}

} // namespace

void rgbToHsl(quint8 red, quint8 green, quint8 blue, float &hue, float &saturation, float &lightness)
{
    const float r = red / 255.0f;
    const float g = green / 255.0f;
    const float b = blue / 255.0f;
    const float max = std::max({r, g, b});
    const float min = std::min({r, g, b});
    const float l = (max + min) / 2.0f;

    if (max == min) {
        hue = 240.0f;
        saturation = 0.0f;
    } else {
        const float d = max - min;
        float h;
        if (r == max) {
            h = (g - b) * 60.0f / d + (g < b ? 360.0f : 0.0f);
        } else if (g == max) {
            h = (b - r) * 60.0f / d + 120.0f;
        } else {
            h = (r - g) * 60.0f / d + 240.0f;
        }
        float s = 0.0f;
        if (l > 0.0f && l <= 0.5f) {
            s = d / (max + min);
        } else if (l > 0.5f) {
            s = d / (2.0f - max - min);
        }
        hue = std::clamp(h, 0.0f, 360.0f);
        saturation = std::clamp(s, 0.0f, 1.0f) * 100.0f;
    }
    lightness = std::clamp(l, 0.0f, 1.0f) * 100.0f;
}

void hslToRgb(float hue, float saturation, float lightness, quint8 &red, quint8 &green, quint8 &blue)
{
    const float l = lightness / 100.0f;
    if (saturation == 0.0f) {
        red = green = blue = toByte(l);
        return;
    }
    const float s = saturation / 100.0f;
    const float q = l < 0.5f ? l * (1.0f + s) : l + s - l * s;
    const float p = 2.0f * l - q;
    const float h = hue / 360.0f;
    red = toByte(channelValue(p, q, h + kOneThird));
    green = toByte(channelValue(p, q, h));
    blue = toByte(channelValue(p, q, h - kOneThird));
}

void rgbToHsl240(int r, int g, int b, float *h, float *s, float *l)
{
    float hue, saturation, lightness;
    rgbToHsl(quint8(r & 0xFF), quint8(g & 0xFF), quint8(b & 0xFF), hue, saturation, lightness);
    *h = hue * 240.0f / 360.0f;
    *s = saturation * 240.0f / 100.0f;
    *l = lightness * 240.0f / 100.0f;
}

void hsl240ToRgb(float h, float s, float l, quint8 *r, quint8 *g, quint8 *b)
{
    hslToRgb(h * 360.0f / 240.0f, s * 100.0f / 240.0f, l * 100.0f / 240.0f, *r, *g, *b);
}
