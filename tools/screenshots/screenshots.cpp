// Retakes the pictures of docs/screenshots (scripts/screenshots.sh runs it under
// Wine): kiv.exe from a fresh folder beside the stand-in player, each state
// opened with real input (toolbar buttons, tabs, menus, dialog buttons) and
// captured from the screen once it holds still, as a .bmp in OUT_FOLDER.
//
//   screenshots.exe main OUT_FOLDER [SUFFIX SHOT...]   the main window's states
//   screenshots.exe adding OUT_FOLDER                  the notice of a disc being added
//   screenshots.exe desktop OUT_FOLDER                 the whole desktop before and
//                                                      after a setting with blanking
//   screenshots.exe two-displays OUT_FOLDER            a desk monitor and a television
//                                                      blanked around the player
//
// "main" takes every shot of the main scene, or the named ones with SUFFIX
// ("-144dpi") ending each file name. Exit code 1 names the state that
// could not be reached.
#include "app/win32/TrayIcon.h"
#include "support/KivProcess.h"
#include "util/Strings.h"

#include <commctrl.h>
#include <dbt.h>

#include <algorithm>
#include <cstdio>
#include <fstream>
#include <stdexcept>
#include <string>
#include <vector>

namespace kiv::screenshots {
namespace {

using namespace e2e;
using win32::UniqueKernelHandle;

constexpr const char* kPlayerClass = "KivDemoPlayer";

void Require(bool reached, const std::string& state) {
    if (!reached) {
        throw std::runtime_error("could not reach: " + state);
    }
}

std::string WithoutAmpersands(std::string text) {
    std::erase(text, '&');
    return text;
}

// A push button (or any control) inside `parent` by its text, mnemonics ignored.
HWND ButtonOf(HWND parent, std::string_view text) {
    return FindDescendant(parent, [text](HWND child) {
        return ::IsWindowVisible(child) && WithoutAmpersands(TextOf(child)) == text;
    });
}

bool ClassIs(HWND window, std::string_view className) {
    char name[64] = {};
    ::GetClassNameA(window, name, sizeof name);
    return EqualsIgnoreCase(name, className);
}

POINT Centre(const RECT& r) {
    return {(r.left + r.right) / 2, (r.top + r.bottom) / 2};
}

// A rectangle another process's control writes for `message` (TB_GETITEMRECT,
// TCM_GETITEMRECT), in screen coordinates: the control writes into its own
// process's memory.
RECT RemoteItemRect(HWND control, UINT message, int index) {
    DWORD processId = 0;
    ::GetWindowThreadProcessId(control, &processId);
    UniqueKernelHandle process(
        ::OpenProcess(PROCESS_VM_OPERATION | PROCESS_VM_READ | PROCESS_VM_WRITE, FALSE, processId));
    Require(process.IsValid(), "the process of a control");
    struct RemoteMemory {
        HANDLE process;
        void* address;
        ~RemoteMemory() {
            if (address != nullptr) {
                ::VirtualFreeEx(process, address, 0, MEM_RELEASE);
            }
        }
    } remote{process.Get(), ::VirtualAllocEx(process.Get(), nullptr, sizeof(RECT),
                                             MEM_COMMIT | MEM_RESERVE, PAGE_READWRITE)};
    RECT rect{};
    DWORD_PTR answer = 0;
    const bool read =
        remote.address != nullptr &&
        ::SendMessageTimeoutA(control, message, static_cast<WPARAM>(index),
                              reinterpret_cast<LPARAM>(remote.address), SMTO_ABORTIFHUNG, 5000,
                              &answer) != 0 &&
        answer != 0 &&
        ::ReadProcessMemory(process.Get(), remote.address, &rect, sizeof rect, nullptr) != 0;
    Require(read, "item " + std::to_string(index) + " of a control");
    ::MapWindowPoints(control, nullptr, reinterpret_cast<POINT*>(&rect), 2);
    return rect;
}

// The screen's pixels inside `area`, 24 bits a pixel, rows top down, each
// padded to four bytes as a .bmp holds them.
struct Picture {
    int width = 0;
    int height = 0;
    std::vector<unsigned char> bits;
    bool operator==(const Picture&) const = default;
};

BITMAPINFOHEADER BmpHeader(const Picture& picture) {
    BITMAPINFOHEADER header{};
    header.biSize = sizeof header;
    header.biWidth = picture.width;
    header.biHeight = -picture.height; // top down
    header.biPlanes = 1;
    header.biBitCount = 24;
    header.biCompression = BI_RGB;
    return header;
}

Picture Grab(const RECT& area) {
    Picture picture{area.right - area.left, area.bottom - area.top, {}};
    HDC screen = ::GetDC(nullptr);
    win32::UniqueMemoryDc memory(::CreateCompatibleDC(screen));
    BITMAPINFO info{};
    info.bmiHeader = BmpHeader(picture);
    void* bits = nullptr;
    win32::UniqueBitmap bitmap(
        ::CreateDIBSection(screen, &info, DIB_RGB_COLORS, &bits, nullptr, 0));
    bool copied = false;
    if (memory.Get() != nullptr && bitmap.IsValid()) {
        HGDIOBJ old = ::SelectObject(memory.Get(), bitmap.Get());
        copied = ::BitBlt(memory.Get(), 0, 0, picture.width, picture.height, screen, area.left,
                          area.top, SRCCOPY | CAPTUREBLT) != 0;
        ::GdiFlush();
        ::SelectObject(memory.Get(), old);
    }
    ::ReleaseDC(nullptr, screen);
    Require(copied, "a copy of the screen");
    const auto* first = static_cast<const unsigned char*>(bits);
    const std::size_t stride = (static_cast<std::size_t>(picture.width) * 3 + 3) & ~std::size_t{3};
    picture.bits.assign(first, first + stride * static_cast<std::size_t>(picture.height));
    return picture;
}

void WriteBmp(const Picture& picture, const std::string& path) {
    const BITMAPINFOHEADER header = BmpHeader(picture);
    BITMAPFILEHEADER file{};
    file.bfType = 0x4D42; // "BM"
    file.bfOffBits = sizeof file + sizeof header;
    file.bfSize = static_cast<DWORD>(file.bfOffBits + picture.bits.size());
    std::ofstream out(path, std::ios::binary);
    out.write(reinterpret_cast<const char*>(&file), sizeof file);
    out.write(reinterpret_cast<const char*>(&header), sizeof header);
    out.write(reinterpret_cast<const char*>(picture.bits.data()),
              static_cast<std::streamsize>(picture.bits.size()));
    Require(out.good(), "writing " + path);
}

class Shooter {
public:
    Shooter(std::string folder, std::string suffix)
        : mFolder(std::move(folder)), mSuffix(std::move(suffix)) {}

    // Writes `area`, cut to the displays, once two grabs a moment apart
    // agree: painting is over.
    void Shoot(const std::string& name, const RECT& wanted) {
        const int left = ::GetSystemMetrics(SM_XVIRTUALSCREEN);
        const int top = ::GetSystemMetrics(SM_YVIRTUALSCREEN);
        const RECT screen{left, top, left + ::GetSystemMetrics(SM_CXVIRTUALSCREEN),
                          top + ::GetSystemMetrics(SM_CYVIRTUALSCREEN)};
        RECT area{};
        Require(::IntersectRect(&area, &wanted, &screen) != 0, name + " on the screen");
        Picture last = Grab(area);
        auto grabbed = std::chrono::steady_clock::now();
        const bool steady = PumpUntil([&] {
            if (std::chrono::steady_clock::now() - grabbed < 150ms) {
                return false;
            }
            Picture now = Grab(area);
            grabbed = std::chrono::steady_clock::now();
            const bool same = now == last;
            last = std::move(now);
            return same;
        });
        Require(steady, name + " holding still");
        const std::string path = mFolder + "\\" + name + mSuffix + ".bmp";
        WriteBmp(last, path);
        std::printf("%s%s: %s%s\n", name.c_str(), mSuffix.c_str(), RectText(area).c_str(),
                    EqualRect(&area, &wanted) ? "" : (", cut from " + RectText(wanted)).c_str());
    }

private:
    std::string mFolder;
    std::string mSuffix;
};

// KIV started on its own data in a fresh folder, the stand-in player beside it.
class Scene {
public:
    Scene(const PlayerSpec& player, const std::vector<CWindowSetting>& settings,
          const std::string& options, const std::string& playList)
        : mPlayer(player) {
        Require(mPlayer.Started(), "the stand-in player");
        mFolder.WriteSettings(settings);
        mFolder.Write("KIV.ini", "[KIV]\r\n" + options);
        if (!playList.empty()) {
            mFolder.Write("KIVPlay.dat", playList);
        }
    }

    void Start(std::string_view arguments, const std::string& caption) {
        mKiv.emplace(mFolder, arguments);
        mMain = mKiv->WaitForMainWindow();
        Require(mMain != nullptr, "KIV's main window");
        Require(PumpUntil([&] { return mKiv->Caption() == caption; }), "the caption " + caption);
    }

    HWND Main() const { return mMain; }
    HWND Player() const { return mPlayer.Window(); }
    DWORD ProcessId() const { return mKiv->ProcessId(); }

    // A window of KIV's, visible and in front, with the keyboard focus in it.
    HWND WaitForFront(const char* className) {
        HWND window = nullptr;
        const bool front = PumpUntil([&] {
            window = FindProcessWindow(ProcessId(), className);
            return window != nullptr && ::GetForegroundWindow() == window;
        });
        Require(front && WaitForFocusIn(window), std::string("the window ") + className);
        // In front is not always on top under Wine: the picture needs the window seen.
        HWND over = nullptr;
        if (!PumpUntil([&] {
                over = ::GetAncestor(::WindowFromPoint(CentreOf(window)), GA_ROOT);
                return over == window;
            })) {
            char name[64] = {};
            ::GetClassNameA(over, name, sizeof name);
            Require(false, std::string("the window ") + className + " uncovered (" + name +
                               " over it, enabled " + std::to_string(::IsWindowEnabled(window)) +
                               ")");
        }
        return window;
    }
    void WaitGone(HWND window, const std::string& state) {
        Require(PumpUntil([&] { return !::IsWindow(window) || !::IsWindowVisible(window); }),
                state + " closing");
    }

    // Clicks, then takes the pointer off the window so that no tip shows.
    void Click(POINT at) {
        Require(ClickAt(at), "the pointer at a button");
        RECT main = WindowRectOf(mMain);
        Require(MovePointerTo({main.left > 40 ? 8 : 1015, 300}), "the pointer parked");
    }
    // A dialog's push button, pressed by its click message: under Wine a
    // dialog is now and then reported under another window for a moment, and
    // a pointer click would land on that one.
    void PressButton(HWND parent, std::string_view text) {
        HWND button = ButtonOf(parent, text);
        Require(button != nullptr, "the button " + std::string(text));
        ::PostMessageA(button, BM_CLICK, 0, 0);
    }
    // A toolbar button by its index, the separator counted.
    void ClickToolbar(int index) {
        HWND toolbar = ::FindWindowExA(mMain, nullptr, TOOLBARCLASSNAMEA, nullptr);
        Require(toolbar != nullptr, "the toolbar");
        Click(Centre(RemoteItemRect(toolbar, TB_GETITEMRECT, index)));
    }
    void ClickTab(HWND window, int index) {
        HWND tab =
            FindDescendant(window, [](HWND child) { return ClassIs(child, WC_TABCONTROLA); });
        Require(tab != nullptr, "a tab strip");
        Click(Centre(RemoteItemRect(tab, TCM_GETITEMRECT, index)));
        Require(PumpUntil([&] { return ::SendMessageA(tab, TCM_GETCURSEL, 0, 0) == index; }),
                "tab " + std::to_string(index));
    }
    // KIV's open pop-up menu, once its menu loop runs.
    HWND WaitForMenu() {
        HWND menu = nullptr;
        Require(PumpUntil([&] {
                    GUITHREADINFO info{};
                    info.cbSize = sizeof info;
                    menu = FindProcessWindow(ProcessId(), "#32768");
                    return menu != nullptr &&
                           ::GetGUIThreadInfo(::GetWindowThreadProcessId(menu, nullptr), &info) &&
                           (info.flags & GUI_INMENUMODE) != 0;
                }),
                "a pop-up menu");
        return menu;
    }
    void WaitNoMenu() {
        Require(PumpUntil([&] { return FindProcessWindow(ProcessId(), "#32768") == nullptr; }),
                "the menu closing");
    }

    // Closes KIV as its close box does; the taskbar is back afterwards.
    void Close() {
        Require(mKiv->Close() && mKiv->ExitCode() == 0, "KIV ending cleanly");
        HWND taskbar = ::FindWindowA("Shell_TrayWnd", nullptr);
        Require(taskbar == nullptr || PumpUntil([&] { return ::IsWindowVisible(taskbar) != 0; }),
                "the taskbar shown again");
    }

private:
    PlayerProcess mPlayer;
    KivFolder mFolder;
    std::optional<KivProcess> mKiv;
    HWND mMain = nullptr;
};

CWindowSetting DemoSetting(std::string name, int left, int top, int width, int height,
                           std::string hotKey) {
    CWindowSetting setting =
        Setting(std::move(name), left, top, width, height, std::string("Class:") + kPlayerClass);
    setting.ApplicationName = "Demo Player";
    setting.HotKey = std::move(hotKey);
    return setting;
}

PlayerSpec DemoPlayer() {
    PlayerSpec spec;
    spec.className = kPlayerClass;
    spec.caption = "Demo Player";
    spec.bounds = {60, 60, 400, 300};
    return spec;
}

// The first-run settings for the 1024 x 768 screen, on the stand-in player;
// "Letterbox" locked, with a hot key and an orbit.
std::vector<CWindowSetting> MainSettings() {
    CWindowSetting letterbox = DemoSetting("Letterbox", 0, -126, 1024, 1021, "10113");
    letterbox.OrbitRangeHorizontal = 3;
    letterbox.OrbitRangeVertical = 2;
    letterbox.OrbitInterval = 60;
    letterbox.OrbitIncrement = 1;
    letterbox.LockPosition = true;
    return {DemoSetting("Anamorphic", 0, 0, 1024, 768, "10112"), letterbox,
            DemoSetting("4x3", 128, 0, 768, 768, "10114")};
}

constexpr const char* kPlayList = "S1=Alien;S2=Anamorphic;S3=ALIEN;S4=1A2B3C4D;\r\n"
                                  "S1=Casablanca;S2=4x3;S3=CASABLANCA;S4=9E0011;\r\n"
                                  "S1=Heat;S2=Letterbox;S3=HEAT;S4=5F3A21C0;\r\n"
                                  "S1=The Third Man;S2=4x3;S3=THE_THIRD_MAN;S4=77AB;\r\n";

// The main window, its pages, menu and dialogs. R: holds the disc
// "Heat", which selects "Letterbox" at start-up.
void MainScene(Shooter& shooter, const std::vector<std::string>& wanted) {
    auto want = [&](std::initializer_list<const char*> names) {
        return std::any_of(names.begin(), names.end(), [&](const char* name) {
            return wanted.empty() || std::find(wanted.begin(), wanted.end(), name) != wanted.end();
        });
    };
    Scene scene(DemoPlayer(), MainSettings(),
                "Drive=R\r\nPlayListAutoSelect=1\r\nPlayListDefaultSetting=Letterbox\r\n"
                "LaunchApplication=C:\\Program Files\\Player\\player.exe\r\n",
                kPlayList);
    scene.Start("", "KIV - Letterbox");
    HWND main = scene.WaitForFront("frmMain");
    Require(PumpUntil(
                [&] { return SameRect(WindowRectOf(scene.Player()), Ltwh(0, -126, 1024, 1021)); }),
            "the player placed by Letterbox");
    auto shootMain = [&](const char* name) {
        if (want({name})) {
            Require(PumpUntil([&] { return ::GetForegroundWindow() == main; }), "KIV in front");
            shooter.Shoot(name, WindowRectOf(main));
        }
    };

    if (want({"hot-key", "orbiting", "blanking"})) {
        const char* pages[] = {"hot-key", "orbiting", "blanking"};
        for (int page = 1; page <= 3; ++page) {
            scene.ClickTab(main, page);
            shootMain(pages[page - 1]);
        }
    }
    if (want({"window-position"})) {
        scene.ClickTab(main, 0);
        shootMain("window-position");
    }

    if (want({"aspect-ratio-menu"})) {
        SendChord({VK_MENU}, 'A');
        scene.WaitForMenu();
        Tap(VK_DOWN);
        Tap(VK_DOWN); // "Rename..."
        shootMain("aspect-ratio-menu");
        Tap(VK_ESCAPE);
        Tap(VK_ESCAPE);
        scene.WaitNoMenu();
    }

    if (want({"setting-name"})) {
        scene.ClickToolbar(4); // Save As
        HWND dialog = scene.WaitForFront("frmSettingName");
        shooter.Shoot("setting-name", WindowRectOf(main));
        scene.PressButton(dialog, "Cancel");
        scene.WaitGone(dialog, "the setting name dialog");
    }

    if (want({"options-window", "options-playlist", "options-blanking", "options-hotkeys",
              "options-other"})) {
        scene.ClickToolbar(6);
        HWND dialog = scene.WaitForFront("frmOptions");
        const char* pages[] = {"options-window", "options-playlist", "options-blanking",
                               "options-hotkeys", "options-other"};
        for (int page = 0; page < 5; ++page) {
            if (want({pages[page]})) {
                scene.ClickTab(dialog, page);
                shooter.Shoot(pages[page], WindowRectOf(dialog));
            }
        }
        scene.PressButton(dialog, "Exit");
        scene.WaitGone(dialog, "the options dialog");
    }

    if (want({"play-list"})) {
        scene.ClickToolbar(7);
        HWND window = scene.WaitForFront("frmPlayList");
        Require(PumpUntil([&] {
                    return ChildWithText(window, "Current Volume: HEAT, Serial Number: 5F3A21C0") !=
                           nullptr;
                }),
                "the play list reading the disc");
        shooter.Shoot("play-list", WindowRectOf(window));
        scene.PressButton(window, "Exit");
        scene.WaitGone(window, "the play list");
    }

    if (want({"wizard-name", "wizard-list"})) {
        scene.PressButton(main, "...");
        HWND wizard = scene.WaitForFront("frmWindowSelect");
        shooter.Shoot("wizard-name", WindowRectOf(wizard));
        scene.PressButton(wizard, "Next>");
        HWND finish = nullptr;
        Require(PumpUntil([&] { return (finish = ButtonOf(wizard, "Finish")) != nullptr; }),
                "the wizard's window list");
        HWND list = FindDescendant(wizard, [](HWND child) { return ClassIs(child, WC_LISTBOXA); });
        Require(list != nullptr &&
                    PumpUntil([&] { return ::SendMessageA(list, LB_GETCOUNT, 0, 0) > 0; }),
                "the player in the wizard's list");
        // The system copies a list box's answer across processes itself.
        RECT item{};
        Require(::SendMessageA(list, LB_GETITEMRECT, 0, reinterpret_cast<LPARAM>(&item)) != LB_ERR,
                "the first entry of the wizard's list");
        ::MapWindowPoints(list, nullptr, reinterpret_cast<POINT*>(&item), 2);
        scene.Click(Centre(item));
        Require(PumpUntil([&] { return ::IsWindowEnabled(finish) != 0; }),
                "the player chosen in the wizard");
        shooter.Shoot("wizard-list", WindowRectOf(wizard));
        scene.PressButton(wizard, "Cancel");
        scene.WaitGone(wizard, "the wizard");
    }

    if (want({"about"})) {
        scene.ClickToolbar(8);
        HWND about = scene.WaitForFront("frmAbout");
        shooter.Shoot("about", WindowRectOf(about));
        scene.PressButton(about, "OK");
        scene.WaitGone(about, "the About box");
    }

    scene.Close();
}

// KIV started with no setting chosen, the player where it opened: the tray
// icon's menu; then a disc not on the play list arrives in T: (MY_DVD_TITLE)
// and is added.
void AddingScene(Shooter& shooter) {
    Scene scene(DemoPlayer(), MainSettings(),
                "Drive=T\r\nPlayListAutoAdd=1\r\nPlayListDefaultSetting=Letterbox\r\n", kPlayList);
    scene.Start("", "KIV");
    HWND main = scene.WaitForFront("frmMain");

    // The menu opens at the pointer, here over the notification area.
    Require(MovePointerTo({1010, 757}), "the pointer on the tray");
    ::PostMessageA(main, win32::kTrayIconMessage, 0, WM_RBUTTONDOWN);
    scene.WaitForMenu();
    shooter.Shoot("tray-menu", RECT{1024 - 330, 768 - 230, 1024, 768});
    Tap(VK_ESCAPE);
    scene.WaitNoMenu();
    // The menu took the activation with it: a click on the caption brings KIV back.
    const RECT frame = WindowRectOf(main);
    scene.Click({(frame.left + frame.right) / 2, frame.top + ::GetSystemMetrics(SM_CYCAPTION) / 2});
    Require(PumpUntil([&] { return ::GetForegroundWindow() == main; }), "KIV in front");

    // Wine announces no arrival for its stand-in drives: this is the system's broadcast.
    DEV_BROADCAST_VOLUME disc{sizeof disc, DBT_DEVTYP_VOLUME, 0, 1u << ('T' - 'A'), DBTF_MEDIA};
    DWORD_PTR answer = 0;
    ::SendMessageTimeoutA(HWND_BROADCAST, WM_DEVICECHANGE, DBT_DEVICEARRIVAL,
                          reinterpret_cast<LPARAM>(&disc), SMTO_ABORTIFHUNG, 5000, &answer);
    Require(PumpUntil([&] {
                return FindProcessWindow(scene.ProcessId(), "frmAddingTitle") != nullptr &&
                       ChildWithText(main, "Current DVD: My Dvd Title") != nullptr;
            }),
            "the adding notice");
    shooter.Shoot("adding-notice", WindowRectOf(main));
    scene.Close();
}

// The whole desktop: the player as it opened, then placed by a setting with
// blanking on, KIV minimized.
void DesktopScene(Shooter& shooter) {
    constexpr RECT kScreen{0, 0, 1024, 768};
    CWindowSetting movie = DemoSetting("Movie", 64, 104, 896, 560, "10112");
    movie.BlankingOn = true;
    Scene scene(DemoPlayer(), {movie}, "WindowStartMode=1\r\n", "");
    HWND taskbar = ::FindWindowA("Shell_TrayWnd", nullptr);
    Require(taskbar != nullptr && ::IsWindowVisible(taskbar), "the taskbar");
    Require(PumpUntil([&] { return ::GetForegroundWindow() == scene.Player(); }),
            "the player in front");
    shooter.Shoot("end-result-before", kScreen);

    scene.Start("/S Movie", "KIV - Movie");
    Require(PumpUntil([&] {
                return SameRect(WindowRectOf(scene.Player()), Ltwh(64, 104, 896, 560)) &&
                       !ProcessWindows(scene.ProcessId(), "frmBlank", true).empty() &&
                       !::IsWindowVisible(taskbar);
            }),
            "the player placed, the rest blanked, the taskbar hidden");
    shooter.Shoot("end-result-blanking", kScreen);
    scene.Close();
}

// A television right of the desk monitor (tests/wine/two-monitors.sh makes
// the desktop): the player on it, blanked around, KIV's window on the desk.
void TwoDisplaysScene(Shooter& shooter) {
    CWindowSetting tv = DemoSetting("Television", 1100, 40, 1100, 620, "10112");
    tv.BlankingOn = true;
    Scene scene(DemoPlayer(), {tv}, "ShowTrayIcon=0\r\n", "");
    scene.Start("/S Television", "KIV - Television");
    Require(PumpUntil([&] {
                return SameRect(WindowRectOf(scene.Player()), Ltwh(1100, 40, 1100, 620)) &&
                       ProcessWindows(scene.ProcessId(), "frmBlank", true).size() == 4;
            }),
            "the player placed on the television and blanked around");
    shooter.Shoot("two-displays", RECT{0, 0, ::GetSystemMetrics(SM_CXVIRTUALSCREEN),
                                       ::GetSystemMetrics(SM_CYVIRTUALSCREEN)});
    scene.Close();
}

// The screen as it was when a state was not reached, for the script to show.
void KeepScreen(const std::string& folder) {
    try {
        WriteBmp(Grab({0, 0, ::GetSystemMetrics(SM_CXSCREEN), ::GetSystemMetrics(SM_CYSCREEN)}),
                 folder + "\\failed.bmp");
    } catch (const std::exception&) {
        // The error already told is the one that matters.
    }
}

int Run(int argc, char** argv) {
    const std::string scene = argc >= 3 ? argv[1] : "";
    if (scene == "main") {
        Shooter shooter(argv[2], argc >= 4 ? argv[3] : "");
        MainScene(shooter, std::vector<std::string>(argv + std::min(argc, 4), argv + argc));
    } else if (scene == "adding" && argc == 3) {
        Shooter shooter(argv[2], "");
        AddingScene(shooter);
    } else if (scene == "desktop" && argc == 3) {
        Shooter shooter(argv[2], "");
        DesktopScene(shooter);
    } else if (scene == "two-displays" && argc == 3) {
        Shooter shooter(argv[2], "");
        TwoDisplaysScene(shooter);
    } else {
        std::fprintf(stderr, "usage: screenshots main OUT_FOLDER [SUFFIX SHOT...]\n"
                             "       screenshots adding|desktop|two-displays OUT_FOLDER\n");
        return 2;
    }
    return 0;
}

} // namespace
} // namespace kiv::screenshots

int main(int argc, char** argv) {
    // The pictures are taken in the screen's own pixels at any DPI.
    ::SetProcessDpiAwarenessContext(DPI_AWARENESS_CONTEXT_PER_MONITOR_AWARE_V2);
    try {
        return kiv::screenshots::Run(argc, argv);
    } catch (const std::exception& error) {
        std::fprintf(stderr, "screenshots: %s\n", error.what());
        kiv::screenshots::KeepScreen(argc >= 3 ? argv[2] : ".");
        return 1;
    }
}
