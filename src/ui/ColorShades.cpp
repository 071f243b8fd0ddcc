#include "ui/ColorShades.h"

namespace {

int Clamp(int value) {
    return value < 0 ? 0 : (value > 255 ? 255 : value);
}

COLORREF Shift(COLORREF colour, int amount) {
    return RGB(Clamp(GetRValue(colour) + amount), Clamp(GetGValue(colour) + amount),
               Clamp(GetBValue(colour) + amount));
}

int Between(int from, int to, int step, int steps) {
    return steps <= 0 ? from : from + (to - from) * step / steps;
}

} // namespace

COLORREF LighterColor(COLORREF colour, int amount) {
    return Shift(colour, amount);
}

COLORREF DarkerColor(COLORREF colour, int amount) {
    return Shift(colour, -amount);
}

COLORREF BlendColor(COLORREF from, COLORREF to, int step, int steps) {
    return RGB(Between(GetRValue(from), GetRValue(to), step, steps),
               Between(GetGValue(from), GetGValue(to), step, steps),
               Between(GetBValue(from), GetBValue(to), step, steps));
}
