#include "app/win32/MainToolbar.h"

#include "app/win32/Glyphs.h"

#include <array>

namespace kiv::win32 {

namespace {
struct ButtonSpec {
    std::string_view tip;
    Glyph glyph;
    std::optional<MainCommand> command; // none for the separator
};

constexpr std::array<ButtonSpec, 9> kButtons = {{
    {"Add a new setting", Glyph::Add, MainCommand::Add},
    {"Delete the current setting", Glyph::Delete, MainCommand::Delete},
    {"Rename the current setting", Glyph::Rename, MainCommand::Rename},
    {"Save changes to the current setting", Glyph::Save, MainCommand::Save},
    {"Save the current setting under another name", Glyph::SaveAs, MainCommand::SaveAs},
    {"", Glyph::Add, std::nullopt},
    {"Set KIV program Options", Glyph::Options, MainCommand::Options},
    {"Select a DVD from the PlayList", Glyph::PlayList, MainCommand::PlayList},
    {"Information about KIV", Glyph::About, MainCommand::About},
}};

int CommandId(size_t index) {
    return CMainToolbar::kFirstButtonId + static_cast<int>(index);
}
} // namespace

CMainToolbar::~CMainToolbar() {
    // The owner destroys the toolbar; its image lists must outlive it.
    if (mToolbar != nullptr && ::IsWindow(mToolbar)) {
        ::SendMessageA(mToolbar, TB_SETIMAGELIST, 0, 0);
        ::SendMessageA(mToolbar, TB_SETDISABLEDIMAGELIST, 0, 0);
    }
}

bool CMainToolbar::Create(HWND owner, int id) {
    mToolbar =
        ::CreateWindowExA(0, TOOLBARCLASSNAMEA, "",
                          WS_CHILD | WS_VISIBLE | TBSTYLE_FLAT | TBSTYLE_TOOLTIPS | CCS_NODIVIDER |
                              CCS_NORESIZE | CCS_NOPARENTALIGN,
                          0, 0, 0, 0, owner, reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)),
                          ::GetModuleHandleA(nullptr), nullptr);
    if (mToolbar == nullptr) {
        return false;
    }
    ::SendMessageA(mToolbar, TB_BUTTONSTRUCTSIZE, sizeof(TBBUTTON), 0);
    std::array<TBBUTTON, kButtons.size()> buttons{};
    int image = 0;
    for (size_t i = 0; i < kButtons.size(); ++i) {
        TBBUTTON& button = buttons[i];
        button.idCommand = CommandId(i);
        if (!kButtons[i].command) {
            button.fsStyle = BTNS_SEP;
            button.iBitmap = 6;
            continue;
        }
        button.iBitmap = image++;
        button.fsStyle = BTNS_BUTTON;
        button.fsState = TBSTATE_ENABLED;
    }
    ::SendMessageA(mToolbar, TB_ADDBUTTONSA, buttons.size(),
                   reinterpret_cast<LPARAM>(buttons.data()));
    return true;
}

void CMainToolbar::Layout(UINT dpi, int width, int height) {
    const int icon = ::MulDiv(16, static_cast<int>(dpi), 96);
    UniqueImageList images(::ImageList_Create(icon, icon, ILC_COLOR32, 8, 0));
    UniqueImageList disabled(::ImageList_Create(icon, icon, ILC_COLOR32, 8, 0));
    for (const ButtonSpec& spec : kButtons) {
        if (!spec.command) {
            continue;
        }
        UniqueBitmap picture = MakeGlyphBitmap(spec.glyph, icon);
        UniqueBitmap faint = MakeGlyphBitmap(spec.glyph, icon, true);
        ::ImageList_Add(images.Get(), picture.Get(), nullptr);
        ::ImageList_Add(disabled.Get(), faint.Get(), nullptr);
    }
    ::SendMessageA(mToolbar, TB_SETIMAGELIST, 0, reinterpret_cast<LPARAM>(images.Get()));
    ::SendMessageA(mToolbar, TB_SETDISABLEDIMAGELIST, 0, reinterpret_cast<LPARAM>(disabled.Get()));
    mImages = std::move(images);
    mDisabledImages = std::move(disabled);

    const int button = icon + ::MulDiv(8, static_cast<int>(dpi), 96);
    ::SendMessageA(mToolbar, TB_SETBITMAPSIZE, 0, MAKELPARAM(icon, icon));
    ::SendMessageA(mToolbar, TB_SETBUTTONSIZE, 0, MAKELPARAM(button, button));
    ::MoveWindow(mToolbar, ::MulDiv(4, static_cast<int>(dpi), 96), 0, width, height, TRUE);
}

namespace {
const ButtonSpec* ButtonOf(int commandId) {
    const int index = commandId - CMainToolbar::kFirstButtonId;
    if (index < 0 || index >= static_cast<int>(kButtons.size())) {
        return nullptr;
    }
    return &kButtons[static_cast<size_t>(index)];
}
} // namespace

std::optional<MainCommand> CMainToolbar::CommandOf(int commandId) {
    const ButtonSpec* button = ButtonOf(commandId);
    return button ? button->command : std::nullopt;
}

std::string_view CMainToolbar::TipOf(int commandId) {
    const ButtonSpec* button = ButtonOf(commandId);
    return button ? button->tip : std::string_view();
}

bool CMainToolbar::OnTipNotify(NMHDR& header) {
    const auto tips = reinterpret_cast<HWND>(::SendMessageA(mToolbar, TB_GETTOOLTIPS, 0, 0));
    if ((header.code != TTN_GETDISPINFOA && header.code != TTN_GETDISPINFOW) || tips == nullptr ||
        header.hwndFrom != tips) {
        return false;
    }
    const std::string_view text = TipOf(static_cast<int>(header.idFrom));
    // The tip window copies the text before the buffer changes again.
    if (header.code == TTN_GETDISPINFOA) {
        mTipText.assign(text);
        reinterpret_cast<NMTTDISPINFOA&>(header).lpszText = mTipText.data();
    } else {
        mWideTipText.assign(text.begin(), text.end());
        reinterpret_cast<NMTTDISPINFOW&>(header).lpszText = mWideTipText.data();
    }
    return true;
}

void CMainToolbar::SetEnabled(MainCommand command, bool enabled) {
    for (size_t i = 0; i < kButtons.size(); ++i) {
        if (kButtons[i].command == command) {
            ::SendMessageA(mToolbar, TB_ENABLEBUTTON, static_cast<WPARAM>(CommandId(i)),
                           MAKELPARAM(enabled ? TRUE : FALSE, 0));
        }
    }
}

} // namespace kiv::win32
