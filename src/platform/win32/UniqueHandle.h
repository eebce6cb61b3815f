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

// A handle that is null when invalid, closed by `Close`.
template <typename H, auto Close> using UniqueNullHandle = UniqueHandle<NullHandleTraits<H, Close>>;

using UniqueFile = UniqueHandle<FileHandleTraits>;
using UniqueKernelHandle = UniqueNullHandle<HANDLE, &::CloseHandle>;
using UniqueModule = UniqueNullHandle<HMODULE, &::FreeLibrary>;
using UniqueWindow = UniqueNullHandle<HWND, &::DestroyWindow>;
using UniqueHook = UniqueNullHandle<HHOOK, &::UnhookWindowsHookEx>;
using UniqueRegKey = UniqueNullHandle<HKEY, &::RegCloseKey>;
using UniqueIcon = UniqueNullHandle<HICON, &::DestroyIcon>;
using UniqueCursor = UniqueNullHandle<HCURSOR, &::DestroyCursor>;
using UniqueMenu = UniqueNullHandle<HMENU, &::DestroyMenu>;
using UniqueImageList = UniqueNullHandle<HIMAGELIST, &::ImageList_Destroy>;
// A DC of CreateCompatibleDC; window DCs are WindowDc's.
using UniqueMemoryDc = UniqueNullHandle<HDC, &::DeleteDC>;
using UniqueWindowClass = UniqueHandle<WindowClassTraits>;
// GDI objects, one owner type per kind so that nothing is cast at use.
template <typename H> using UniqueGdiObject = UniqueNullHandle<H, &::DeleteObject>;
using UniquePen = UniqueGdiObject<HPEN>;
using UniqueBrush = UniqueGdiObject<HBRUSH>;
using UniqueFont = UniqueGdiObject<HFONT>;
using UniqueBitmap = UniqueGdiObject<HBITMAP>;
using UniqueRegion = UniqueGdiObject<HRGN>;

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
