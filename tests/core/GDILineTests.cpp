#include "util/GDILine.h"

#include <gtest/gtest.h>

#include <string>

namespace kiv {
namespace {

// Records the drawing as text; its raster operation differs from the line's.
struct RecordingCanvas : ILineCanvas {
    void BeginPen(int32_t, int32_t width, uint32_t rgb) override {
        drawn += "pen " + std::to_string(width) + " " + std::to_string(rgb) + ";";
    }
    void EndPen() override {}
    int32_t GetROP2() override { return rop; }
    int32_t SetROP2(int32_t mode) override { return std::exchange(rop, mode); }
    bool MoveTo(int32_t x, int32_t y) override {
        drawn += std::to_string(x) + "," + std::to_string(y);
        return true;
    }
    void LineTo(int32_t x, int32_t y) override {
        drawn += "-" + std::to_string(x) + "," + std::to_string(y) + ";";
    }
    uint32_t SysColor(int32_t index) override { return 0x1000u + static_cast<uint32_t>(index); }

    std::string drawn;
    int32_t rop = 7;
};

TEST(GDILine, EtchedLineDrawsTwiceAndLeavesItsPropertiesAndTheCanvasAsTheyWere) {
    RecordingCanvas canvas;
    CGDILine line;
    line.BorderColor = 0x123456;
    line.BorderWidth = 3;
    line.X1 = 1;
    line.X2 = 30;
    line.Draw3DLine(canvas, kSystemColorFlag | kColorButtonShadow,
                    kSystemColorFlag | kColorButtonHighlight);
    EXPECT_EQ(canvas.drawn, "pen 3 4112;1,0-30,0;pen 3 4116;2,1-31,1;");
    EXPECT_EQ(canvas.rop, 7);
    EXPECT_EQ(line.BorderColor, 0x123456u);
    EXPECT_EQ(line.X1 + line.Y1 + line.X2 + line.Y2, 1 + 30);
}

} // namespace
} // namespace kiv
