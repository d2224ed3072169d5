#pragma once
// Move-only owners for every kind of Win32 handle the system holds.

#include <windows.h>

#include <utility>

template <typename Traits> class ScopedHandle {
public:
    using Handle = typename Traits::Handle;

    ScopedHandle() = default;
    explicit ScopedHandle(Handle handle) : handle_(handle) {}
    ~ScopedHandle() { Reset(); }

    ScopedHandle(ScopedHandle&& other) noexcept : handle_(other.Release()) {}
    ScopedHandle& operator=(ScopedHandle&& other) noexcept
    {
        if (this != &other)
            Reset(other.Release());
        return *this;
    }
    ScopedHandle(const ScopedHandle&) = delete;
    ScopedHandle& operator=(const ScopedHandle&) = delete;

    Handle Get() const { return handle_; }
    bool IsValid() const { return handle_ != Traits::Invalid(); }
    explicit operator bool() const { return IsValid(); }

    Handle Release() { return std::exchange(handle_, Traits::Invalid()); }
    void Reset(Handle handle = Traits::Invalid())
    {
        Handle old = std::exchange(handle_, handle);
        if (old != Traits::Invalid())
            Traits::Close(old);
    }

private:
    Handle handle_ = Traits::Invalid();
};

namespace scoped_traits {

template <typename T> struct GdiObject {
    using Handle = T;
    static T Invalid() { return nullptr; }
    static void Close(T handle) { DeleteObject(handle); }
};

struct MemoryDC {
    using Handle = HDC;
    static HDC Invalid() { return nullptr; }
    static void Close(HDC dc) { DeleteDC(dc); }
};

struct KernelObject {
    using Handle = HANDLE;
    static HANDLE Invalid() { return nullptr; }
    static void Close(HANDLE handle) { CloseHandle(handle); }
};

struct File {
    using Handle = HANDLE;
    static HANDLE Invalid() { return INVALID_HANDLE_VALUE; }
    static void Close(HANDLE handle) { CloseHandle(handle); }
};

struct RegistryKey {
    using Handle = HKEY;
    static HKEY Invalid() { return nullptr; }
    static void Close(HKEY key) { RegCloseKey(key); }
};

struct Module {
    using Handle = HMODULE;
    static HMODULE Invalid() { return nullptr; }
    static void Close(HMODULE module) { FreeLibrary(module); }
};

struct Window {
    using Handle = HWND;
    static HWND Invalid() { return nullptr; }
    static void Close(HWND window) { DestroyWindow(window); }
};

struct Icon {
    using Handle = HICON;
    static HICON Invalid() { return nullptr; }
    static void Close(HICON icon) { DestroyIcon(icon); }
};

struct Hook {
    using Handle = HHOOK;
    static HHOOK Invalid() { return nullptr; }
    static void Close(HHOOK hook) { UnhookWindowsHookEx(hook); }
};

struct GlobalMemory {
    using Handle = HGLOBAL;
    static HGLOBAL Invalid() { return nullptr; }
    static void Close(HGLOBAL memory) { GlobalFree(memory); }
};

struct FindSearch {
    using Handle = HANDLE;
    static HANDLE Invalid() { return INVALID_HANDLE_VALUE; }
    static void Close(HANDLE search) { FindClose(search); }
};

struct Menu {
    using Handle = HMENU;
    static HMENU Invalid() { return nullptr; }
    static void Close(HMENU menu) { DestroyMenu(menu); }
};

struct MappedView {
    using Handle = void*;
    static void* Invalid() { return nullptr; }
    static void Close(void* view) { UnmapViewOfFile(view); }
};

struct ChangeNotification {
    using Handle = HANDLE;
    static HANDLE Invalid() { return INVALID_HANDLE_VALUE; }
    static void Close(HANDLE notification) { FindCloseChangeNotification(notification); }
};

}  // namespace scoped_traits

using ScopedGdiObject = ScopedHandle<scoped_traits::GdiObject<HGDIOBJ>>;
using ScopedBitmap = ScopedHandle<scoped_traits::GdiObject<HBITMAP>>;
using ScopedRegion = ScopedHandle<scoped_traits::GdiObject<HRGN>>;
using ScopedFont = ScopedHandle<scoped_traits::GdiObject<HFONT>>;
using ScopedBrush = ScopedHandle<scoped_traits::GdiObject<HBRUSH>>;
using ScopedMemoryDC = ScopedHandle<scoped_traits::MemoryDC>;
using ScopedKernelHandle = ScopedHandle<scoped_traits::KernelObject>;
using ScopedFile = ScopedHandle<scoped_traits::File>;
using ScopedRegKey = ScopedHandle<scoped_traits::RegistryKey>;
using ScopedModule = ScopedHandle<scoped_traits::Module>;
using ScopedWindow = ScopedHandle<scoped_traits::Window>;
using ScopedHook = ScopedHandle<scoped_traits::Hook>;
using ScopedIcon = ScopedHandle<scoped_traits::Icon>;
using ScopedGlobal = ScopedHandle<scoped_traits::GlobalMemory>;
using ScopedMappedView = ScopedHandle<scoped_traits::MappedView>;
using ScopedFindSearch = ScopedHandle<scoped_traits::FindSearch>;
using ScopedChangeNotification = ScopedHandle<scoped_traits::ChangeNotification>;
using ScopedMenu = ScopedHandle<scoped_traits::Menu>;

// A window's DC, released to its window.
class ScopedWindowDC {
public:
    explicit ScopedWindowDC(HWND window) : window_(window), dc_(::GetDC(window)) {}
    ~ScopedWindowDC()
    {
        if (dc_)
            ReleaseDC(window_, dc_);
    }
    ScopedWindowDC(const ScopedWindowDC&) = delete;
    ScopedWindowDC& operator=(const ScopedWindowDC&) = delete;

    HDC Get() const { return dc_; }

private:
    HWND window_;
    HDC dc_;
};

// Selects an object into a DC and puts the previous one back.
class ScopedSelectObject {
public:
    ScopedSelectObject(HDC dc, HGDIOBJ object)
        : dc_(dc), previous_(object ? SelectObject(dc, object) : nullptr)
    {
    }
    ~ScopedSelectObject()
    {
        if (previous_ && previous_ != HGDI_ERROR)
            SelectObject(dc_, previous_);
    }
    ScopedSelectObject(const ScopedSelectObject&) = delete;
    ScopedSelectObject& operator=(const ScopedSelectObject&) = delete;

    bool Selected() const { return previous_ && previous_ != HGDI_ERROR; }

private:
    HDC dc_;
    HGDIOBJ previous_;
};
