#include "ui/CSkinCache.h"

#include <map>
#include <memory>
#include <utility>

#include "ui/SkinRegion.h"

namespace {

std::map<UINT, std::unique_ptr<CSkinBitmap>>& Bitmaps() {
    static std::map<UINT, std::unique_ptr<CSkinBitmap>> bitmaps;
    return bitmaps;
}

std::map<std::pair<UINT, COLORREF>, std::unique_ptr<CSkinCache::Shape>>& Shapes() {
    static std::map<std::pair<UINT, COLORREF>, std::unique_ptr<CSkinCache::Shape>> shapes;
    return shapes;
}

} // namespace

const CSkinBitmap* CSkinCache::Bitmap(UINT id) {
    auto& bitmaps = Bitmaps();
    const auto found = bitmaps.find(id);
    if (found != bitmaps.end())
        return found->second.get();
    auto bitmap = std::make_unique<CSkinBitmap>();
    if (bitmap->LoadFromResource(id) == nullptr)
        return nullptr; // tried again next time
    return bitmaps.emplace(id, std::move(bitmap)).first->second.get();
}

const CSkinCache::Shape* CSkinCache::ShapeOf(UINT id, COLORREF transparent) {
    auto& shapes = Shapes();
    const auto key = std::make_pair(id, transparent);
    const auto found = shapes.find(key);
    if (found != shapes.end())
        return found->second.get();
    const CSkinBitmap* bitmap = Bitmap(id);
    if (bitmap == nullptr)
        return nullptr;
    auto shape = std::make_unique<Shape>();
    shape->region.Reset(CreateRegionFromBitmap(bitmap->Handle(), transparent, kSkinTolerance));
    if (!shape->region)
        return nullptr;
    shape->box = RECT{};
    GetRgnBox(shape->region, &shape->box);
    return shapes.emplace(key, std::move(shape)).first->second.get();
}

HRGN CSkinCache::CopyRegion(const Shape& shape, int dx, int dy) {
    HRGN copy = CreateRectRgn(0, 0, 0, 0);
    if (copy == nullptr)
        return nullptr;
    if (CombineRgn(copy, shape.region, nullptr, RGN_COPY) == ERROR) {
        DeleteObject(copy);
        return nullptr;
    }
    if (dx != 0 || dy != 0)
        OffsetRgn(copy, dx, dy);
    return copy;
}
