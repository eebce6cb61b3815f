#pragma once

#include "platform/win32/Win32.h"

#include <commctrl.h>

#include <utility>

namespace kiv::win32 {

// Closing a handle may change the thread's last error; code that reports a
// failure after a guard went out of scope must still read the failure's own.
class CPreservedLastError {
public:
    CPreservedLastError() noexcept : mError(::GetLastError()) {}
    ~CPreservedLastError() { ::SetLastError(mError); }
    CPreservedLastError(const CPreservedLastError&) = delete;
    CPreservedLastError& operator=(const CPreservedLastError&) = delete;

private:
    DWORD mError;
};

// One move-only owner for every kind of handle. A traits type names the
// handle type, its invalid value and how to close it.
template <typename Traits> class UniqueHandle {
public:
    using Handle = typename Traits::Handle;

    UniqueHandle() noexcept = default;
    explicit UniqueHandle(Handle handle) noexcept : mHandle(handle) {}
    ~UniqueHandle() { Reset(); }

    UniqueHandle(const UniqueHandle&) = delete;
    UniqueHandle& operator=(const UniqueHandle&) = delete;
    UniqueHandle(UniqueHandle&& other) noexcept : mHandle(other.Release()) {}
    UniqueHandle& operator=(UniqueHandle&& other) noexcept {
        if (this != &other) {
            Reset(other.Release());
        }
        return *this;
    }

    Handle Get() const noexcept { return mHandle; }
    bool IsValid() const noexcept { return !(mHandle == Traits::Invalid()); }
    explicit operator bool() const noexcept { return IsValid(); }

    Handle Release() noexcept { return std::exchange(mHandle, Traits::Invalid()); }
    void Reset(Handle handle = Traits::Invalid()) noexcept {
        Handle old = std::exchange(mHandle, handle);
        if (!(old == Traits::Invalid())) {
            CPreservedLastError keep;
            Traits::Close(old);
        }
    }

private:
    Handle mHandle = Traits::Invalid();
};

// Traits for the handles that are null when invalid.
template <typename H, auto CloseFunction> struct NullHandleTraits {
    using Handle = H;
    static Handle Invalid() noexcept { return nullptr; }
    static void Close(Handle h) noexcept { CloseFunction(h); }
};

struct FileHandleTraits {
    using Handle = HANDLE;
    static Handle Invalid() noexcept { return INVALID_HANDLE_VALUE; }
    static void Close(Handle h) noexcept { ::CloseHandle(h); }
};

// GDI objects, one owner type per kind so that nothing is cast at use.
template <typename H> using GdiObjectTraits = NullHandleTraits<H, &::DeleteObject>;

// A registered window class: unregistering needs the module that registered it.
struct WindowClassId {
    ATOM atom = 0;
    HINSTANCE instance = nullptr;
    bool operator==(const WindowClassId&) const = default;
};
struct WindowClassTraits {
    using Handle = WindowClassId;
    static Handle Invalid() noexcept { return {}; }
    static void Close(Handle h) noexcept {
        ::UnregisterClassA(reinterpret_cast<LPCSTR>(static_cast<ULONG_PTR>(h.atom)), h.instance);
    }
};

using KernelHandleTraits = NullHandleTraits<HANDLE, &::CloseHandle>;
using ModuleTraits = NullHandleTraits<HMODULE, &::FreeLibrary>;
using WindowTraits = NullHandleTraits<HWND, &::DestroyWindow>;
using HookTraits = NullHandleTraits<HHOOK, &::UnhookWindowsHookEx>;
using RegKeyTraits = NullHandleTraits<HKEY, &::RegCloseKey>;
using IconTraits = NullHandleTraits<HICON, &::DestroyIcon>;
using CursorTraits = NullHandleTraits<HCURSOR, &::DestroyCursor>;
using MenuTraits = NullHandleTraits<HMENU, &::DestroyMenu>;
using ImageListTraits = NullHandleTraits<HIMAGELIST, &::ImageList_Destroy>;
// A DC of CreateCompatibleDC; window DCs are WindowDc's.
using MemoryDcTraits = NullHandleTraits<HDC, &::DeleteDC>;

using UniqueFile = UniqueHandle<FileHandleTraits>;
using UniqueKernelHandle = UniqueHandle<KernelHandleTraits>;
using UniqueModule = UniqueHandle<ModuleTraits>;
using UniqueWindow = UniqueHandle<WindowTraits>;
using UniqueHook = UniqueHandle<HookTraits>;
using UniqueRegKey = UniqueHandle<RegKeyTraits>;
using UniqueIcon = UniqueHandle<IconTraits>;
using UniqueCursor = UniqueHandle<CursorTraits>;
using UniqueMenu = UniqueHandle<MenuTraits>;
using UniqueImageList = UniqueHandle<ImageListTraits>;
using UniqueMemoryDc = UniqueHandle<MemoryDcTraits>;
using UniqueWindowClass = UniqueHandle<WindowClassTraits>;
using UniquePen = UniqueHandle<GdiObjectTraits<HPEN>>;
using UniqueBrush = UniqueHandle<GdiObjectTraits<HBRUSH>>;
using UniqueFont = UniqueHandle<GdiObjectTraits<HFONT>>;
using UniqueBitmap = UniqueHandle<GdiObjectTraits<HBITMAP>>;
using UniqueRegion = UniqueHandle<GdiObjectTraits<HRGN>>;

// Selects an object into a DC for a scope, then puts the previous one back.
class ScopedSelectObject {
public:
    ScopedSelectObject(HDC dc, HGDIOBJ object) noexcept
        : mDc(dc), mPrevious(object != nullptr ? ::SelectObject(dc, object) : nullptr) {}
    ~ScopedSelectObject() {
        if (mPrevious != nullptr && mPrevious != HGDI_ERROR) {
            CPreservedLastError keep;
            ::SelectObject(mDc, mPrevious);
        }
    }
    ScopedSelectObject(const ScopedSelectObject&) = delete;
    ScopedSelectObject& operator=(const ScopedSelectObject&) = delete;

private:
    HDC mDc;
    HGDIOBJ mPrevious;
};

// BeginPaint and EndPaint as one scope.
class PaintDc {
public:
    explicit PaintDc(HWND window) noexcept : mWindow(window), mDc(::BeginPaint(window, &mPaint)) {}
    ~PaintDc() {
        if (mDc != nullptr) {
            CPreservedLastError keep;
            ::EndPaint(mWindow, &mPaint);
        }
    }
    PaintDc(const PaintDc&) = delete;
    PaintDc& operator=(const PaintDc&) = delete;

    HDC Get() const noexcept { return mDc; }
    const PAINTSTRUCT& Paint() const noexcept { return mPaint; }

private:
    HWND mWindow;
    PAINTSTRUCT mPaint{};
    HDC mDc;
};

// GetDC and ReleaseDC as one scope; a null window stands for the screen.
class WindowDc {
public:
    explicit WindowDc(HWND window) noexcept : mWindow(window), mDc(::GetDC(window)) {}
    ~WindowDc() {
        if (mDc != nullptr) {
            CPreservedLastError keep;
            ::ReleaseDC(mWindow, mDc);
        }
    }
    WindowDc(const WindowDc&) = delete;
    WindowDc& operator=(const WindowDc&) = delete;

    HDC Get() const noexcept { return mDc; }

private:
    HWND mWindow;
    HDC mDc;
};

} // namespace kiv::win32
