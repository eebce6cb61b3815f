#include "util/GDILine.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace kiv {
namespace {

// Records the drawing calls, with a current raster operation like a device context.
class RecordingCanvas : public ILineCanvas {
public:
    void BeginPen(int32_t style, int32_t width, uint32_t rgb) override {
        calls.push_back("pen " + std::to_string(style) + " " + std::to_string(width) + " " +
                        std::to_string(rgb));
    }
    void EndPen() override { calls.push_back("end pen"); }
    int32_t GetROP2() override { return rop; }
    int32_t SetROP2(int32_t mode) override {
        calls.push_back("rop " + std::to_string(mode));
        return std::exchange(rop, mode);
    }
    bool MoveTo(int32_t x, int32_t y) override {
        calls.push_back("move " + std::to_string(x) + "," + std::to_string(y));
        return moveSucceeds;
    }
    void LineTo(int32_t x, int32_t y) override {
        calls.push_back("line " + std::to_string(x) + "," + std::to_string(y));
    }
    uint32_t SysColor(int32_t index) override { return 0x1000u + static_cast<uint32_t>(index); }

    std::vector<std::string> calls;
    int32_t rop = 13;
    bool moveSucceeds = true;
};

TEST(GDILine, TranslatesSystemColoursOnly) {
    RecordingCanvas canvas;
    EXPECT_EQ(CGDILine::TranslateVBColor(canvas, 0x00FFFFFF), 0x00FFFFFFu);
    EXPECT_EQ(CGDILine::TranslateVBColor(canvas, kSystemColorFlag | 16), 0x1010u);
}

TEST(GDILine, LeavesTheRasterOperationAloneWhenItAlreadyMatches) {
    RecordingCanvas canvas;
    CGDILine line;
    line.X2 = 10;
    line.DrawLine(canvas);
    EXPECT_EQ(canvas.calls,
              (std::vector<std::string>{"pen 0 1 0", "move 0,0", "line 10,0", "end pen"}));
    canvas.calls.clear();
    canvas.rop = 7;
    line.DrawLine(canvas);
    EXPECT_EQ(canvas.calls, (std::vector<std::string>{"pen 0 1 0", "rop 13", "move 0,0",
                                                      "line 10,0", "rop 7", "end pen"}));
    EXPECT_EQ(canvas.rop, 7);
    canvas.calls.clear();
    canvas.rop = 13;
    canvas.moveSucceeds = false;
    line.DrawLine(canvas);
    EXPECT_EQ(canvas.calls, (std::vector<std::string>{"pen 0 1 0", "move 0,0", "end pen"}));
}

TEST(GDILine, EtchedLineDrawsTwiceAndRestoresItsProperties) {
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
    EXPECT_EQ(canvas.calls,
              (std::vector<std::string>{"pen 0 3 4112", "move 1,2", "line 30,2", "end pen",
                                        "pen 0 3 4116", "move 2,3", "line 31,3", "end pen"}));
    EXPECT_EQ(line.BorderColor, 0x123456u);
    EXPECT_EQ(line.X1, 1);
    EXPECT_EQ(line.Y1, 2);
    EXPECT_EQ(line.X2, 30);
    EXPECT_EQ(line.Y2, 2);
}

} // namespace
} // namespace kiv
