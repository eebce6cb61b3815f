#pragma once

#include <cstdint>
#include <functional>

namespace kiv {

// The drawing calls a line needs, over a device context.
class ILineCanvas {
public:
    virtual ~ILineCanvas() = default;
    // Creates a pen and selects it; EndPen puts the previous pen back and deletes it.
    virtual void BeginPen(int32_t style, int32_t width, uint32_t rgb) = 0;
    virtual void EndPen() = 0;
    virtual int32_t GetROP2() = 0;
    // Returns the previous raster operation.
    virtual int32_t SetROP2(int32_t mode) = 0;
    virtual bool MoveTo(int32_t x, int32_t y) = 0;
    virtual void LineTo(int32_t x, int32_t y) = 0;
    virtual uint32_t SysColor(int32_t index) = 0;
};

inline constexpr uint32_t kSystemColorFlag = 0x80000000u;
inline constexpr int32_t kColorButtonShadow = 16;
inline constexpr int32_t kColorButtonHighlight = 20;

// One line with its pen and raster operation, drawn plainly or etched.
class CGDILine {
public:
    uint32_t BorderColor = 0;       // RGB, or kSystemColorFlag | system colour index
    int16_t BorderWidth = 1;        // device units
    int32_t ForegroundMixMode = 13; // copy pen
    int32_t PenStyle = 0;           // solid
    int32_t X1 = 0;
    int32_t X2 = 0;
    int32_t Y1 = 0;
    int32_t Y2 = 0;

    void DrawLine(ILineCanvas& canvas);
    // Draws in the shadow colour, then one pixel down and right in the
    // highlight colour; leaves every property as it was.
    void Draw3DLine(ILineCanvas& canvas, uint32_t shadowColor, uint32_t highlightColor);

    static uint32_t TranslateVBColor(ILineCanvas& canvas, uint32_t color);
};

} // namespace kiv
