#pragma once

#include <windows.h>

// Lighter and darker shades of a colour for bevels: the amount is added to or taken from each
// channel, clamped to 0..255.
COLORREF LighterColor(COLORREF colour, int amount);
COLORREF DarkerColor(COLORREF colour, int amount);

// The colour a fraction `step / steps` of the way from `from` to `to`, per channel.
COLORREF BlendColor(COLORREF from, COLORREF to, int step, int steps);
