#include "app/win32/Glyphs.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <initializer_list>
#include <vector>

namespace kiv::win32 {

namespace {

// Each pixel is drawn as kSamples × kSamples samples and averaged.
constexpr int kSamples = 4;
constexpr COLORREF kKey = RGB(255, 0, 255); // never used by a glyph

constexpr COLORREF kInk = RGB(64, 64, 64);
constexpr COLORREF kPaper = RGB(255, 255, 255);
constexpr COLORREF kScreen = RGB(176, 212, 244);
constexpr COLORREF kBlue = RGB(36, 110, 196);
constexpr COLORREF kDarkBlue = RGB(24, 70, 140);
constexpr COLORREF kGreen = RGB(36, 150, 64);
constexpr COLORREF kRed = RGB(208, 52, 44);
constexpr COLORREF kPencil = RGB(236, 168, 40);
constexpr COLORREF kSilver = RGB(200, 204, 210);
constexpr COLORREF kArrow = RGB(30, 96, 180);

struct Pt {
    double x;
    double y;
};

// Draws on a 16 × 16 design grid scaled to the sampled bitmap.
class Painter {
public:
    Painter(HDC dc, int pixels) : mDc(dc), mScale(pixels / 16.0) {}

    // The same drawing turned about the grid's diagonal: x and y change places.
    Painter Transposed() const {
        Painter turned = *this;
        turned.mTransposed = !mTransposed;
        return turned;
    }

    void Polygon(std::initializer_list<Pt> points, COLORREF fill) {
        Polygon(std::vector(points), fill);
    }
    void Polygon(const std::vector<Pt>& points, COLORREF fill) {
        std::vector<POINT> device;
        device.reserve(points.size());
        for (const Pt& p : points) {
            device.push_back(mTransposed ? POINT{Px(p.y), Px(p.x)} : POINT{Px(p.x), Px(p.y)});
        }
        UniqueBrush brush(::CreateSolidBrush(fill));
        ScopedSelectObject selectedBrush(mDc, brush.Get());
        ScopedSelectObject selectedPen(mDc, ::GetStockObject(NULL_PEN));
        ::Polygon(mDc, device.data(), static_cast<int>(device.size()));
    }
    void Rect(double x0, double y0, double x1, double y1, COLORREF fill) {
        Polygon({{x0, y0}, {x1, y0}, {x1, y1}, {x0, y1}}, fill);
    }
    // A rectangle with a border `width` wide inside its edges.
    void Box(double x0, double y0, double x1, double y1, COLORREF fill, COLORREF border,
             double width = 1.0) {
        Rect(x0, y0, x1, y1, border);
        Rect(x0 + width, y0 + width, x1 - width, y1 - width, fill);
    }
    void Ellipse(double x0, double y0, double x1, double y1, COLORREF fill) {
        std::vector<Pt> points;
        const double cx = (x0 + x1) / 2;
        const double cy = (y0 + y1) / 2;
        constexpr int kSteps = 48;
        for (int i = 0; i < kSteps; ++i) {
            const double a = 2 * 3.14159265358979 * i / kSteps;
            points.push_back({cx + (x1 - x0) / 2 * std::cos(a), cy + (y1 - y0) / 2 * std::sin(a)});
        }
        Polygon(points, fill);
    }
    void Line(Pt a, Pt b, double width, COLORREF color) {
        const Pt n = Normal(a, b, width / 2);
        Polygon({{a.x + n.x, a.y + n.y},
                 {b.x + n.x, b.y + n.y},
                 {b.x - n.x, b.y - n.y},
                 {a.x - n.x, a.y - n.y}},
                color);
    }
    // An arrow from `tail` to its point at `tip`.
    void Arrow(Pt tail, Pt tip, double shaft, double head, double headLength, COLORREF color) {
        const double length = std::hypot(tip.x - tail.x, tip.y - tail.y);
        const Pt d{(tip.x - tail.x) / length, (tip.y - tail.y) / length};
        const Pt base{tip.x - d.x * headLength, tip.y - d.y * headLength};
        const Pt s = Normal(tail, tip, shaft / 2);
        const Pt h = Normal(tail, tip, head / 2);
        Polygon({{tail.x + s.x, tail.y + s.y},
                 {base.x + s.x, base.y + s.y},
                 {base.x + h.x, base.y + h.y},
                 tip,
                 {base.x - h.x, base.y - h.y},
                 {base.x - s.x, base.y - s.y},
                 {tail.x - s.x, tail.y - s.y}},
                color);
    }

private:
    int Px(double v) const { return static_cast<int>(std::lround(v * mScale)); }
    static Pt Normal(Pt a, Pt b, double half) {
        const double length = std::hypot(b.x - a.x, b.y - a.y);
        return {-(b.y - a.y) / length * half, (b.x - a.x) / length * half};
    }

    HDC mDc;
    double mScale;
    bool mTransposed = false;
};

void DrawScreen(Painter& p, double right, double bottom) {
    p.Box(0.5, 1.5, right, bottom, kScreen, kInk);
    p.Rect(right / 2 - 2, bottom, right / 2 + 2, bottom + 1.5, kInk);
}

void DrawFloppy(Painter& p, double x0, double y0, double size) {
    const double u = size / 14.0;
    auto at = [&](double x, double y) { return Pt{x0 + x * u, y0 + y * u}; };
    Pt a = at(0, 0);
    Pt b = at(14, 14);
    p.Box(a.x, a.y, b.x, b.y, kBlue, kDarkBlue);
    Pt s0 = at(3, 1);
    Pt s1 = at(11, 5.5);
    p.Rect(s0.x, s0.y, s1.x, s1.y, kSilver);
    Pt slot0 = at(8, 1.8);
    Pt slot1 = at(9.8, 4.6);
    p.Rect(slot0.x, slot0.y, slot1.x, slot1.y, kDarkBlue);
    Pt l0 = at(2.5, 8);
    Pt l1 = at(11.5, 13);
    p.Rect(l0.x, l0.y, l1.x, l1.y, kPaper);
}

// An arrow along each diagonal, from `from` to `to` grid units out from the
// centre on both axes.
void DrawCornerArrows(Painter& p, double from, double to) {
    for (double x : {-1.0, 1.0}) {
        for (double y : {-1.0, 1.0}) {
            p.Arrow({8 + x * from, 8 + y * from}, {8 + x * to, 8 + y * to}, 1.8, 5.5, 3.4, kArrow);
        }
    }
}

void DrawGlyph(Painter& p, Glyph glyph) {
    constexpr double kShaft = 4.0;
    constexpr double kHead = 11.0;
    constexpr double kHeadLength = 6.5;
    switch (glyph) {
    case Glyph::Add:
        DrawScreen(p, 13.5, 12);
        p.Rect(8, 11, 16, 14, kPaper);
        p.Rect(10.5, 8.5, 13.5, 16, kPaper);
        p.Rect(8.8, 11.8, 15.2, 13.2, kGreen);
        p.Rect(11.3, 9.3, 12.7, 15.7, kGreen);
        break;
    case Glyph::Delete:
        p.Line({3, 3}, {13, 13}, 3.2, kRed);
        p.Line({13, 3}, {3, 13}, 3.2, kRed);
        break;
    case Glyph::Rename:
        p.Box(0.5, 4, 15.5, 12, kPaper, kInk);
        p.Rect(2.5, 6.5, 5, 9.5, kInk);
        p.Rect(6, 6.5, 8.5, 9.5, kInk);
        p.Rect(10.6, 2, 12.2, 14, kBlue);
        p.Rect(9.2, 2, 13.6, 3.2, kBlue);
        p.Rect(9.2, 12.8, 13.6, 14, kBlue);
        break;
    case Glyph::Save:
        DrawFloppy(p, 1, 1, 14);
        break;
    case Glyph::SaveAs:
        DrawFloppy(p, 0.5, 0.5, 11.5);
        p.Line({15, 6.5}, {8.8, 12.7}, 3.2, kPencil);
        p.Polygon({{7.7, 11.6}, {9.9, 13.8}, {6.6, 15}}, kInk);
        break;
    case Glyph::Options:
        for (double y : {3.5, 8.0, 12.5}) {
            p.Rect(1, y - 0.6, 15, y + 0.6, kInk);
        }
        p.Box(3, 1.5, 6.5, 5.5, kScreen, kDarkBlue);
        p.Box(9, 6, 12.5, 10, kScreen, kDarkBlue);
        p.Box(5.5, 10.5, 9, 14.5, kScreen, kDarkBlue);
        break;
    case Glyph::PlayList:
        p.Ellipse(0.5, 0.5, 11.5, 11.5, kInk);
        p.Ellipse(1.5, 1.5, 10.5, 10.5, kSilver);
        p.Ellipse(4, 4, 8, 8, kInk);
        p.Ellipse(5, 5, 7, 7, kPaper);
        p.Rect(8, 8.5, 16, 16, kPaper);
        for (double y : {9.5, 12.0, 14.5}) {
            p.Rect(9, y - 0.7, 15.5, y + 0.7, kBlue);
        }
        break;
    case Glyph::About:
        p.Ellipse(0.5, 0.5, 15.5, 15.5, kBlue);
        p.Ellipse(6.8, 3, 9.2, 5.4, kPaper);
        p.Rect(6.9, 6.6, 9.1, 13, kPaper);
        break;
    case Glyph::MoveLeft:
        p.Arrow({14.5, 8}, {1.5, 8}, kShaft, kHead, kHeadLength, kArrow);
        break;
    case Glyph::MoveRight:
        p.Arrow({1.5, 8}, {14.5, 8}, kShaft, kHead, kHeadLength, kArrow);
        break;
    case Glyph::MoveUp:
    case Glyph::MoveDown:
    case Glyph::LowerHeight:
    case Glyph::RaiseHeight: {
        // The glyph of the same change across, turned.
        Painter turned = p.Transposed();
        DrawGlyph(turned, glyph == Glyph::MoveUp        ? Glyph::MoveLeft
                          : glyph == Glyph::MoveDown    ? Glyph::MoveRight
                          : glyph == Glyph::LowerHeight ? Glyph::NarrowWidth
                                                        : Glyph::WidenWidth);
        break;
    }
    case Glyph::NarrowWidth:
        p.Rect(7.2, 2, 8.8, 14, kInk);
        p.Arrow({0.5, 8}, {6.5, 8}, 2.2, 7, 4, kArrow);
        p.Arrow({15.5, 8}, {9.5, 8}, 2.2, 7, 4, kArrow);
        break;
    case Glyph::WidenWidth:
        p.Rect(0.5, 2, 2, 14, kInk);
        p.Rect(14, 2, 15.5, 14, kInk);
        p.Arrow({8.6, 8}, {2.5, 8}, 2.2, 7, 4, kArrow);
        p.Arrow({7.4, 8}, {13.5, 8}, 2.2, 7, 4, kArrow);
        break;
    case Glyph::Expand:
        p.Box(5, 5, 11, 11, kScreen, kInk);
        DrawCornerArrows(p, 2.5, 7.2);
        break;
    case Glyph::Shrink:
        p.Box(5.5, 5.5, 10.5, 10.5, kScreen, kInk);
        DrawCornerArrows(p, 7.5, 3);
        break;
    }
}

BITMAPINFO TopDown32(int width, int height) {
    BITMAPINFO info{};
    info.bmiHeader.biSize = sizeof info.bmiHeader;
    info.bmiHeader.biWidth = width;
    info.bmiHeader.biHeight = -height;
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    info.bmiHeader.biCompression = BI_RGB;
    return info;
}

} // namespace

UniqueBitmap MakeGlyphBitmap(Glyph glyph, int size, bool disabled) {
    size = std::clamp(size, 8, 256);
    const int big = size * kSamples;

    // Draw large on the key colour...
    BITMAPINFO bigInfo = TopDown32(big, big);
    void* bigBits = nullptr;
    UniqueBitmap sampled(
        ::CreateDIBSection(nullptr, &bigInfo, DIB_RGB_COLORS, &bigBits, nullptr, 0));
    UniqueMemoryDc dc(::CreateCompatibleDC(nullptr));
    if (!sampled || !dc) {
        return {};
    }
    {
        ScopedSelectObject selected(dc.Get(), sampled.Get());
        UniqueBrush key(::CreateSolidBrush(kKey));
        RECT all{0, 0, big, big};
        ::FillRect(dc.Get(), &all, key.Get());
        Painter painter(dc.Get(), big);
        DrawGlyph(painter, glyph);
        ::GdiFlush();
    }

    // ...then average each block of samples into one pixel.
    BITMAPINFO info = TopDown32(size, size);
    void* bits = nullptr;
    UniqueBitmap result(::CreateDIBSection(nullptr, &info, DIB_RGB_COLORS, &bits, nullptr, 0));
    if (!result) {
        return {};
    }
    const auto* source = static_cast<const uint32_t*>(bigBits);
    auto* target = static_cast<uint32_t*>(bits);
    const uint32_t keyPixel = (GetRValue(kKey) << 16) | (GetGValue(kKey) << 8) | GetBValue(kKey);
    for (int y = 0; y < size; ++y) {
        for (int x = 0; x < size; ++x) {
            unsigned covered = 0;
            unsigned r = 0;
            unsigned g = 0;
            unsigned b = 0;
            for (int sy = 0; sy < kSamples; ++sy) {
                for (int sx = 0; sx < kSamples; ++sx) {
                    uint32_t pixel =
                        source[(y * kSamples + sy) * big + x * kSamples + sx] & 0xFFFFFF;
                    if (pixel == keyPixel) {
                        continue;
                    }
                    ++covered;
                    r += (pixel >> 16) & 0xFF;
                    g += (pixel >> 8) & 0xFF;
                    b += pixel & 0xFF;
                }
            }
            uint32_t out = 0;
            if (covered > 0) {
                r /= covered;
                g /= covered;
                b /= covered;
                unsigned alpha = covered * 255 / (kSamples * kSamples);
                if (disabled) {
                    const unsigned grey = (r * 30 + g * 59 + b * 11) / 100;
                    r = g = b = 128 + grey / 3;
                    alpha = alpha * 45 / 100;
                }
                out = (alpha << 24) | (r << 16) | (g << 8) | b;
            }
            target[y * size + x] = out;
        }
    }
    return result;
}

UniqueIcon MakeGlyphIcon(Glyph glyph, int size) {
    UniqueBitmap color = MakeGlyphBitmap(glyph, size);
    if (!color) {
        return {};
    }
    BITMAP bitmap{};
    ::GetObjectA(color.Get(), sizeof bitmap, &bitmap);
    // The colour bitmap's alpha decides; the mask only has to exist.
    std::vector<uint8_t> maskBits(static_cast<size_t>(((bitmap.bmWidth + 15) / 16) * 2) *
                                      static_cast<size_t>(bitmap.bmHeight),
                                  0);
    UniqueBitmap mask(::CreateBitmap(bitmap.bmWidth, bitmap.bmHeight, 1, 1, maskBits.data()));
    ICONINFO info{};
    info.fIcon = TRUE;
    info.hbmColor = color.Get();
    info.hbmMask = mask.Get();
    return UniqueIcon(::CreateIconIndirect(&info));
}

} // namespace kiv::win32
