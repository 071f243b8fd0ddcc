// Prints, as a plain PPM picture of one row, the colours a 256-colour display holds while
// Torvane's main window is in the foreground: Windows' 20 static colours and, in the 236 free
// entries, the skin palette that the program builds from its bitmaps (CSkinPalette::Build, run
// on the program file given). main-256.sh maps screenshots onto these colours.
//   palette_dump TORVANE.EXE
#include <windows.h>

#include <cstdio>
#include <vector>

#include "ui/CSkinPalette.h"

namespace {

// The static colours of the system palette, the first ten and the last ten entries.
const COLORREF kStatic[20] = {
    RGB(0, 0, 0),       RGB(128, 0, 0),     RGB(0, 128, 0),     RGB(128, 128, 0),
    RGB(0, 0, 128),     RGB(128, 0, 128),   RGB(0, 128, 128),   RGB(192, 192, 192),
    RGB(192, 220, 192), RGB(166, 202, 240), RGB(255, 251, 240), RGB(160, 160, 164),
    RGB(128, 128, 128), RGB(255, 0, 0),     RGB(0, 255, 0),     RGB(255, 255, 0),
    RGB(0, 0, 255),     RGB(255, 0, 255),   RGB(0, 255, 255),   RGB(255, 255, 255)};

} // namespace

int main(int argc, char** argv) {
    if (argc < 2)
        return 2;
    HMODULE program = LoadLibraryExA(argv[1], nullptr, LOAD_LIBRARY_AS_DATAFILE);
    HPALETTE palette = program != nullptr ? CSkinPalette::Build(program) : nullptr;
    if (palette == nullptr) {
        std::fprintf(stderr, "no skin palette in %s\n", argv[1]);
        return 1;
    }
    std::vector<COLORREF> colours(kStatic, kStatic + 20);
    const UINT count = GetPaletteEntries(palette, 0, 0, nullptr);
    std::vector<PALETTEENTRY> entries(count);
    GetPaletteEntries(palette, 0, count, entries.data());
    size_t added = 0;
    for (const PALETTEENTRY& entry : entries) {
        const COLORREF colour = RGB(entry.peRed, entry.peGreen, entry.peBlue);
        bool known = false;
        for (COLORREF seen : colours)
            known = known || seen == colour;
        // Entries beyond the 236 free ones get no hardware entry of their own.
        if (!known && colours.size() < 256) {
            colours.push_back(colour);
            ++added;
        }
    }
    std::fprintf(stderr, "%u skin colours, %u of them new to the static 20; %u entries in all\n",
                 count, static_cast<unsigned>(added), static_cast<unsigned>(colours.size()));
    std::printf("P3\n%u 1\n255\n", static_cast<unsigned>(colours.size()));
    for (COLORREF colour : colours)
        std::printf("%u %u %u\n", GetRValue(colour), GetGValue(colour), GetBValue(colour));
    DeleteObject(palette);
    return 0;
}
