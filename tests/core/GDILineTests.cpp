#include "util/GDILine.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace kiv {
namespace {

// Records the drawing calls; its raster operation differs from the line's.
struct RecordingCanvas : ILineCanvas {
    void BeginPen(int32_t, int32_t width, uint32_t rgb) override {
        calls.push_back("pen " + std::to_string(width) + " " + std::to_string(rgb));
    }
    void EndPen() override {}
    int32_t GetROP2() override { return rop; }
    int32_t SetROP2(int32_t mode) override { return std::exchange(rop, mode); }
    bool MoveTo(int32_t x, int32_t y) override {
        calls.push_back("move " + std::to_string(x) + "," + std::to_string(y));
        return true;
    }
    void LineTo(int32_t x, int32_t y) override {
        calls.push_back("line " + std::to_string(x) + "," + std::to_string(y));
    }
    uint32_t SysColor(int32_t index) override { return 0x1000u + static_cast<uint32_t>(index); }

    std::vector<std::string> calls;
    int32_t rop = 7;
};

TEST(GDILine, EtchedLineDrawsTwiceAndLeavesItsPropertiesAndTheCanvasAsTheyWere) {
    RecordingCanvas canvas;
    CGDILine line;
    line.BorderColor = 0x123456;
    line.BorderWidth = 3;
    line.X1 = 1;
    line.Y1 = 2;
    line.X2 = 30;
    line.Y2 = 2;
    line.Draw3DLine(canvas, kSystemColorFlag | kColorButtonShadow,
                    kSystemColorFlag | kColorButtonHighlight);
    EXPECT_EQ(canvas.calls, (std::vector<std::string>{"pen 3 4112", "move 1,2", "line 30,2",
                                                      "pen 3 4116", "move 2,3", "line 31,3"}));
    EXPECT_EQ(canvas.rop, 7);
    EXPECT_EQ(line.BorderColor, 0x123456u);
    EXPECT_EQ(line.X1, 1);
    EXPECT_EQ(line.Y2, 2);
}

} // namespace
} // namespace kiv
