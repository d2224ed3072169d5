#pragma once
// The system pointers as the engine's tests see them: under Wine
// SetSystemCursor changes nothing, so this model stands in for it. Each
// pointer id shows a picture (a number: the id itself for the user's pointer,
// kDummyPicture for the engine's dummy, anything else for another program's);
// LoadCursorW(NULL, id) gives the system's handle for it, CopyIcon makes new
// handles with the same picture, and SetSystemCursor takes the handle it is
// given. Misuse of a handle fails the running test: destroying one the engine
// does not own, offering one twice, or using one after it was handed over.

#include "EngineWorld.h"

#include <map>
#include <vector>

class SystemCursorModel {
public:
    static constexpr int kDummyPicture = -1;
    static constexpr int kNoPixels = -2;  // GetIconInfo fails on it

    SystemCursorModel();

    // How the system behaves.
    bool NewHandleAfterSet = false;  // LoadCursorW(NULL, id) changes with each swap
    bool CopyFails = false;
    bool SetFails = false;
    HINSTANCE Module = reinterpret_cast<HINSTANCE>(0x400000);  // holds the dummy 0x81

    // What the engine did.
    std::vector<DWORD> SetIds;  // SetSystemCursor, in order
    int Reloads = 0;            // SPI_SETCURSORS

    int Showing(DWORD id) const;
    int PictureOf(HCURSOR cursor) const;
    // Puts a picture up as another program (or an engine that died) would.
    void Show(DWORD id, int picture);
    // Copies the engine neither destroyed nor handed over, and mask bitmaps
    // it did not delete.
    int LiveCopies() const;
    int LiveBitmaps() const;
    bool OwnsBitmap(HGDIOBJ object) const;

    HCURSOR LoadCursorW(HINSTANCE instance, const wchar_t* name);
    HICON CopyIcon(HICON icon);
    BOOL SetSystemCursor(HCURSOR cursor, DWORD id);
    BOOL DestroyCursor(HCURSOR cursor);
    BOOL GetIconInfo(HICON icon, ICONINFO* info);
    int GetObjectW(HANDLE object, int bytes, void* buffer);
    LONG GetBitmapBits(HBITMAP bitmap, LONG bytes, void* bits);
    BOOL DeleteObject(HGDIOBJ object);
    void Reload();

private:
    enum class Kind { System, Resource, Copy, HandedOver, Destroyed };
    struct Handle {
        Kind Owner;
        int Picture;
    };
    struct Bitmap {
        int Picture;
        bool Deleted;
    };

    HCURSOR NewHandle(Kind owner, int picture);
    Handle* Use(HICON icon, const char* call);

    uintptr_t next_;
    std::map<HCURSOR, Handle> handles_;
    std::map<DWORD, HCURSOR> shown_;
    std::map<HGDIOBJ, Bitmap> bitmaps_;
    HCURSOR resource_;
};

// A world whose system pointers are the model's; everything else is Base's
// (the recorded fake world, or the real one). It never waits and never sets a
// real last-chance handler.
template <typename Base> class CursorWorld : public Base {
public:
    SystemCursorModel Cursors;
    std::vector<DWORD> Sleeps;
    std::vector<LPTOP_LEVEL_EXCEPTION_FILTER> Filters;  // handlers set, in order
    LPTOP_LEVEL_EXCEPTION_FILTER PreviousFilter = nullptr;

    HCURSOR LoadCursorW(HINSTANCE instance, const wchar_t* name) override
    {
        return Cursors.LoadCursorW(instance, name);
    }
    HICON CopyIcon(HICON icon) override { return Cursors.CopyIcon(icon); }
    BOOL SetSystemCursor(HCURSOR cursor, DWORD id) override
    {
        return Cursors.SetSystemCursor(cursor, id);
    }
    BOOL DestroyCursor(HCURSOR cursor) override { return Cursors.DestroyCursor(cursor); }
    BOOL GetIconInfo(HICON icon, ICONINFO* info) override
    {
        return Cursors.GetIconInfo(icon, info);
    }
    int GetObjectW(HANDLE object, int bytes, void* buffer) override
    {
        if (Cursors.OwnsBitmap(object))
            return Cursors.GetObjectW(object, bytes, buffer);
        return Base::GetObjectW(object, bytes, buffer);
    }
    LONG GetBitmapBits(HBITMAP bitmap, LONG bytes, void* bits) override
    {
        if (Cursors.OwnsBitmap(bitmap))
            return Cursors.GetBitmapBits(bitmap, bytes, bits);
        return Base::GetBitmapBits(bitmap, bytes, bits);
    }
    BOOL DeleteObject(HGDIOBJ object) override
    {
        if (Cursors.OwnsBitmap(object))
            return Cursors.DeleteObject(object);
        return Base::DeleteObject(object);
    }
    BOOL SystemParametersInfoW(UINT action, UINT uiParam, void* pvParam, UINT winIni) override
    {
        if (action != SPI_SETCURSORS)
            return Base::SystemParametersInfoW(action, uiParam, pvParam, winIni);
        Cursors.Reload();
        return TRUE;
    }
    void Sleep(DWORD milliseconds) override { Sleeps.push_back(milliseconds); }
    LPTOP_LEVEL_EXCEPTION_FILTER
    SetUnhandledExceptionFilter(LPTOP_LEVEL_EXCEPTION_FILTER filter) override
    {
        Filters.push_back(filter);
        return PreviousFilter;
    }
};
