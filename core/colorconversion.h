#pragma once
// Conversions between RGB bytes and hue, saturation and lightness, on the natural scales
// (hue 0 to 360, saturation and lightness 0 to 100) and on the 0 to 240 scale that HSB lights keep.

#include <QtGlobal>

void rgbToHsl(quint8 red, quint8 green, quint8 blue, float &hue, float &saturation, float &lightness);
void hslToRgb(float hue, float saturation, float lightness, quint8 &red, quint8 &green, quint8 &blue);

// r, g and b count by their low byte.
void rgbToHsl240(int r, int g, int b, float *h, float *s, float *l);
void hsl240ToRgb(float h, float s, float l, quint8 *r, quint8 *g, quint8 *b);
