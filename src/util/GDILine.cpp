#include "util/GDILine.h"

namespace kiv {

uint32_t CGDILine::TranslateVBColor(ILineCanvas& canvas, uint32_t color) {
    if ((color & kSystemColorFlag) != 0) {
        return canvas.SysColor(static_cast<int32_t>(color & ~kSystemColorFlag));
    }
    return color;
}

void CGDILine::DrawLine(ILineCanvas& canvas) {
    canvas.BeginPen(PenStyle, BorderWidth, TranslateVBColor(canvas, BorderColor));
    int32_t previousMode = 0;
    if (canvas.GetROP2() != ForegroundMixMode) {
        previousMode = canvas.SetROP2(ForegroundMixMode);
    }
    if (canvas.MoveTo(X1, Y1)) {
        canvas.LineTo(X2, Y2);
    }
    if (previousMode != 0) {
        canvas.SetROP2(previousMode);
    }
    canvas.EndPen();
}

void CGDILine::Draw3DLine(ILineCanvas& canvas, uint32_t shadowColor, uint32_t highlightColor) {
    const uint32_t savedColor = BorderColor;
    BorderColor = shadowColor;
    DrawLine(canvas);
    ++X1;
    ++Y1;
    ++X2;
    ++Y2;
    BorderColor = highlightColor;
    DrawLine(canvas);
    BorderColor = savedColor;
    --X1;
    --Y1;
    --X2;
    --Y2;
}

} // namespace kiv
