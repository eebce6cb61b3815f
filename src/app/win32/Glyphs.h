#pragma once

#include "platform/win32/UniqueHandle.h"

namespace kiv::win32 {

// The pictures of the toolbar and of the nudge buttons, drawn in code so that
// they are sharp at every size the screen's DPI asks for.
enum class Glyph {
    // Toolbar
    Add,
    Delete,
    Rename,
    Save,
    SaveAs,
    Options,
    PlayList,
    About,
    // Nudge buttons, in the order of their indexes
    MoveLeft,
    MoveRight,
    MoveUp,
    MoveDown,
    NarrowWidth,
    WidenWidth,
    LowerHeight,
    RaiseHeight,
    Expand,
    Shrink,
};

// A top-down 32-bit DIB section of size × size pixels holding the glyph,
// smoothed, with straight (not premultiplied) alpha; `disabled` draws it in
// faint grey.
UniqueBitmap MakeGlyphBitmap(Glyph glyph, int size, bool disabled = false);

// The glyph as an icon, for buttons that show a picture.
UniqueIcon MakeGlyphIcon(Glyph glyph, int size);

} // namespace kiv::win32
