#include "ui/CSkinPalette.h"

#include <vector>

#include "ui/CGdiObject.h"

namespace {

constexpr COLORREF kTransparent = RGB(255, 0, 255);
constexpr size_t kMaxEntries = 256;

struct Collector {
    std::vector<COLORREF> colours;
};

void AddColourTable(HMODULE module, LPCSTR name, Collector& into) {
    HRSRC resource = FindResourceA(module, name, MAKEINTRESOURCEA(2));
    HGLOBAL block = resource != nullptr ? LoadResource(module, resource) : nullptr;
    const BYTE* data = block != nullptr ? static_cast<const BYTE*>(LockResource(block)) : nullptr;
    const DWORD size = resource != nullptr ? SizeofResource(module, resource) : 0;
    if (data == nullptr || size < sizeof(BITMAPINFOHEADER))
        return;
    BITMAPINFOHEADER header = {};
    CopyMemory(&header, data, sizeof(header));
    if (header.biSize < sizeof(BITMAPINFOHEADER) || header.biSize > size || header.biBitCount > 8)
        return;
    size_t count = header.biClrUsed != 0 ? header.biClrUsed : (size_t{1} << header.biBitCount);
    const size_t available = (size - header.biSize) / sizeof(RGBQUAD);
    if (count > available)
        count = available;
    const RGBQUAD* table = reinterpret_cast<const RGBQUAD*>(data + header.biSize);
    for (size_t i = 0; i < count && into.colours.size() < kMaxEntries; ++i) {
        const COLORREF colour = RGB(table[i].rgbRed, table[i].rgbGreen, table[i].rgbBlue);
        if (colour == kTransparent)
            continue;
        bool known = false;
        for (COLORREF seen : into.colours)
            known = known || seen == colour;
        if (!known)
            into.colours.push_back(colour);
    }
}

BOOL CALLBACK OnBitmap(HMODULE module, LPCSTR /*type*/, LPSTR name, LONG_PTR param) {
    AddColourTable(module, name, *reinterpret_cast<Collector*>(param));
    return TRUE;
}

bool IsTopLevel(HWND window) {
    return window != nullptr && (GetWindowLongA(window, GWL_STYLE) & WS_CHILD) == 0;
}

} // namespace

HPALETTE CSkinPalette::Build(HMODULE module) {
    Collector found;
    EnumResourceNamesA(module, MAKEINTRESOURCEA(2), OnBitmap, reinterpret_cast<LONG_PTR>(&found));
    if (found.colours.empty())
        return nullptr;
    std::vector<BYTE> block(sizeof(LOGPALETTE) + found.colours.size() * sizeof(PALETTEENTRY), 0);
    LOGPALETTE* palette = reinterpret_cast<LOGPALETTE*>(block.data());
    palette->palVersion = 0x300;
    palette->palNumEntries = static_cast<WORD>(found.colours.size());
    for (size_t i = 0; i < found.colours.size(); ++i) {
        palette->palPalEntry[i].peRed = GetRValue(found.colours[i]);
        palette->palPalEntry[i].peGreen = GetGValue(found.colours[i]);
        palette->palPalEntry[i].peBlue = GetBValue(found.colours[i]);
        palette->palPalEntry[i].peFlags = 0;
    }
    return CreatePalette(palette);
}

HPALETTE CSkinPalette::Handle() {
    static const CPaletteHandle palette(Build(GetModuleHandleA(nullptr)));
    return palette.Get();
}

HPALETTE CSkinPalette::Select(HDC dc, HPALETTE palette) {
    if (palette == nullptr || dc == nullptr)
        return nullptr;
    const BOOL background = IsTopLevel(WindowFromDC(dc)) ? FALSE : TRUE;
    HPALETTE previous = SelectPalette(dc, palette, background);
    RealizePalette(dc);
    return previous;
}

void CSkinPalette::Restore(HDC dc, HPALETTE previous) {
    if (previous != nullptr)
        SelectPalette(dc, previous, TRUE);
}
