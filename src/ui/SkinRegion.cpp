#include "ui/SkinRegion.h"

#include <climits>
#include <vector>

#include "ui/CGdiObject.h"
#include "ui/CMemoryDC.h"
#include "ui/CSelectedObject.h"

namespace {

constexpr size_t kListGrowth = 100;
constexpr size_t kBatchSize = 2000;

struct ChannelBounds {
    BYTE low[3]; // red, green, blue
    BYTE high[3];
};

ChannelBounds BoundsOf(COLORREF colour, COLORREF tolerance) {
    const int channel[3] = {GetRValue(colour), GetGValue(colour), GetBValue(colour)};
    const int slack[3] = {GetRValue(tolerance), GetGValue(tolerance), GetBValue(tolerance)};
    ChannelBounds bounds = {};
    for (int i = 0; i < 3; ++i) {
        const int low = channel[i] - slack[i];
        const int high = channel[i] + slack[i];
        bounds.low[i] = static_cast<BYTE>(low < 0 ? 0 : low);
        bounds.high[i] = static_cast<BYTE>(high > 255 ? 255 : high);
    }
    return bounds;
}

bool Within(const ChannelBounds& b, BYTE red, BYTE green, BYTE blue) {
    return red >= b.low[0] && red <= b.high[0] && green >= b.low[1] && green <= b.high[1] &&
           blue >= b.low[2] && blue <= b.high[2];
}

// Collects row rectangles and ORs them into the result a batch at a time.
class RectangleBatches {
public:
    RectangleBatches() { rects_.reserve(kListGrowth); }

    bool Add(LONG left, LONG top, LONG right) {
        if (rects_.size() == rects_.capacity())
            rects_.reserve(rects_.capacity() + kListGrowth);
        rects_.push_back(RECT{left, top, right, top + 1});
        if (left < bound_.left)
            bound_.left = left;
        if (top < bound_.top)
            bound_.top = top;
        if (right > bound_.right)
            bound_.right = right;
        if (top + 1 > bound_.bottom)
            bound_.bottom = top + 1;
        return rects_.size() < kBatchSize || Flush();
    }

    // Turns the list into a region and ORs it into the result; false when the system refuses.
    bool Flush() {
        const size_t count = rects_.size();
        std::vector<BYTE> block(sizeof(RGNDATAHEADER) + count * sizeof(RECT));
        RGNDATA* data = reinterpret_cast<RGNDATA*>(block.data());
        data->rdh.dwSize = sizeof(RGNDATAHEADER);
        data->rdh.iType = RDH_RECTANGLES;
        data->rdh.nCount = static_cast<DWORD>(count);
        data->rdh.nRgnSize = static_cast<DWORD>(count * sizeof(RECT));
        data->rdh.rcBound = count > 0 ? bound_ : RECT{0, 0, 0, 0};
        if (count > 0)
            CopyMemory(data->Buffer, rects_.data(), count * sizeof(RECT));
        HRGN part = ExtCreateRegion(nullptr, static_cast<DWORD>(block.size()), data);
        rects_.clear();
        bound_ = kEmptyBound;
        if (part == nullptr)
            return false;
        if (!result_) {
            result_.Reset(part);
            return true;
        }
        const int combined = CombineRgn(result_, result_, part, RGN_OR);
        DeleteObject(part);
        return combined != ERROR;
    }

    HRGN Release() { return result_.Release(); }

private:
    static constexpr RECT kEmptyBound = {LONG_MAX, LONG_MAX, 0, 0};
    std::vector<RECT> rects_;
    RECT bound_ = kEmptyBound;
    CRegionHandle result_;
};

} // namespace

bool IsTransparentPixel(COLORREF pixel, COLORREF transparent, COLORREF tolerance) {
    return Within(BoundsOf(transparent, tolerance), GetRValue(pixel), GetGValue(pixel),
                  GetBValue(pixel));
}

HRGN CreateRegionFromBitmap(HBITMAP bitmap, COLORREF transparent, COLORREF tolerance) {
    if (bitmap == nullptr)
        return nullptr;
    CMemoryDC target;
    if (!target)
        return nullptr;
    BITMAP shape = {};
    if (GetObjectA(bitmap, sizeof(shape), &shape) == 0 || shape.bmWidth <= 0 || shape.bmHeight == 0)
        return nullptr;
    const int width = shape.bmWidth;
    const int height = shape.bmHeight < 0 ? -shape.bmHeight : shape.bmHeight;

    // A 32-bit bottom-up copy of the picture, read directly.
    BITMAPINFO info = {};
    info.bmiHeader.biSize = sizeof(BITMAPINFOHEADER);
    info.bmiHeader.biWidth = width;
    info.bmiHeader.biHeight = height;
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    info.bmiHeader.biCompression = BI_RGB;
    void* bits = nullptr;
    CBitmapHandle copy(CreateDIBSection(target, &info, DIB_RGB_COLORS, &bits, nullptr, 0));
    if (!copy || bits == nullptr)
        return nullptr;
    {
        CSelectedObject selectedCopy(target, copy.Get());
        CMemoryDC source(target.Get());
        CSelectedObject selectedSource(source, bitmap);
        if (!selectedCopy || !selectedSource ||
            !BitBlt(target, 0, 0, width, height, source, 0, 0, SRCCOPY))
            return nullptr;
        GdiFlush();
    }

    const ChannelBounds bounds = BoundsOf(transparent, tolerance);
    const BYTE* pixels = static_cast<const BYTE*>(bits);
    RectangleBatches batches;
    for (int y = 0; y < height; ++y) {
        const BYTE* row = pixels + static_cast<size_t>(height - 1 - y) * width * 4;
        int x = 0;
        while (x < width) {
            while (x < width && Within(bounds, row[x * 4 + 2], row[x * 4 + 1], row[x * 4]))
                ++x;
            const int start = x;
            while (x < width && !Within(bounds, row[x * 4 + 2], row[x * 4 + 1], row[x * 4]))
                ++x;
            if (x > start && !batches.Add(start, y, x))
                return nullptr;
        }
    }
    if (!batches.Flush())
        return nullptr;
    return batches.Release();
}
