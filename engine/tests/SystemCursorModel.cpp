#include "SystemCursorModel.h"

#include <gtest/gtest.h>

#include <cstring>

namespace {

constexpr DWORD kPointerIds[] = {32512, 32651, 32650, 32514, 32515, 32513, 32631, 32648,
                                 32645, 32644, 32642, 32643, 32646, 32516, 32649};

constexpr int kSide = 32;
constexpr int kRowBytes = kSide / 8;
constexpr int kMaskBytes = kRowBytes * kSide * 2;

// On 64-bit builds the handles carry high bits, so records must keep the low 32.
constexpr uintptr_t kFirstHandle =
    sizeof(void*) == 8 ? static_cast<uintptr_t>(0xFFFFFFFF80010000ull) : 0x80010000u;

// The masks of a picture: the dummy draws nothing (AND ones, XOR zeros), every
// other picture draws everywhere.
void FillMask(int picture, uint8_t* mask, LONG bytes)
{
    for (LONG i = 0; i < bytes; ++i) {
        bool andHalf = i < kMaskBytes / 2;
        bool blank = picture == SystemCursorModel::kDummyPicture;
        mask[i] = (andHalf == blank) ? 0xFF : 0x00;
    }
}

}  // namespace

SystemCursorModel::SystemCursorModel() : next_(kFirstHandle)
{
    for (DWORD id : kPointerIds)
        shown_[id] = NewHandle(Kind::System, static_cast<int>(id));
    resource_ = NewHandle(Kind::Resource, kDummyPicture);
}

HCURSOR SystemCursorModel::NewHandle(Kind owner, int picture)
{
    HCURSOR handle = reinterpret_cast<HCURSOR>(next_);
    next_ += 0x10;
    handles_[handle] = Handle{owner, picture};
    return handle;
}

SystemCursorModel::Handle* SystemCursorModel::Use(HICON icon, const char* call)
{
    auto found = handles_.find(icon);
    if (found == handles_.end()) {
        ADD_FAILURE() << call << " of a handle nobody made: " << icon;
        return nullptr;
    }
    if (found->second.Owner == Kind::HandedOver)
        ADD_FAILURE() << call << " of a handle already handed to the system: " << icon;
    if (found->second.Owner == Kind::Destroyed)
        ADD_FAILURE() << call << " of a destroyed handle: " << icon;
    return &found->second;
}

int SystemCursorModel::Showing(DWORD id) const
{
    return PictureOf(shown_.at(id));
}

int SystemCursorModel::PictureOf(HCURSOR cursor) const
{
    auto found = handles_.find(cursor);
    return found == handles_.end() ? 0 : found->second.Picture;
}

void SystemCursorModel::Show(DWORD id, int picture)
{
    if (NewHandleAfterSet)
        shown_[id] = NewHandle(Kind::System, picture);
    else
        handles_[shown_.at(id)].Picture = picture;
}

int SystemCursorModel::LiveCopies() const
{
    int live = 0;
    for (const auto& entry : handles_)
        live += entry.second.Owner == Kind::Copy;
    return live;
}

int SystemCursorModel::LiveBitmaps() const
{
    int live = 0;
    for (const auto& entry : bitmaps_)
        live += !entry.second.Deleted;
    return live;
}

bool SystemCursorModel::OwnsBitmap(HGDIOBJ object) const
{
    return bitmaps_.count(object) != 0;
}

HCURSOR SystemCursorModel::LoadCursorW(HINSTANCE instance, const wchar_t* name)
{
    uintptr_t id = reinterpret_cast<uintptr_t>(name);
    if (!instance) {
        auto found = shown_.find(static_cast<DWORD>(id));
        return found == shown_.end() ? nullptr : found->second;
    }
    return instance == Module && id == 0x81 ? resource_ : nullptr;
}

HICON SystemCursorModel::CopyIcon(HICON icon)
{
    Handle* source = Use(icon, "CopyIcon");
    if (!source || CopyFails)
        return nullptr;
    return NewHandle(Kind::Copy, source->Picture);
}

BOOL SystemCursorModel::SetSystemCursor(HCURSOR cursor, DWORD id)
{
    SetIds.push_back(id);
    Handle* offered = Use(cursor, "SetSystemCursor");
    if (!offered || !shown_.count(id))
        return FALSE;
    if (offered->Owner != Kind::Copy) {
        ADD_FAILURE() << "SetSystemCursor given a handle the engine does not own: " << cursor;
        return FALSE;
    }
    if (SetFails)
        return FALSE;
    offered->Owner = Kind::HandedOver;
    Show(id, offered->Picture);
    return TRUE;
}

BOOL SystemCursorModel::DestroyCursor(HCURSOR cursor)
{
    Handle* handle = Use(cursor, "DestroyCursor");
    if (!handle)
        return FALSE;
    if (handle->Owner == Kind::System || handle->Owner == Kind::Resource)
        ADD_FAILURE() << "DestroyCursor of a shared handle: " << cursor;
    handle->Owner = Kind::Destroyed;
    return TRUE;
}

BOOL SystemCursorModel::GetIconInfo(HICON icon, ICONINFO* info)
{
    *info = ICONINFO{};
    Handle* handle = Use(icon, "GetIconInfo");
    if (!handle || handle->Picture == kNoPixels)
        return FALSE;
    bool dummy = handle->Picture == kDummyPicture;
    info->xHotspot = dummy ? 19 : 3;
    info->yHotspot = dummy ? 23 : 4;
    info->hbmMask = reinterpret_cast<HBITMAP>(next_);
    next_ += 0x10;
    bitmaps_[info->hbmMask] = Bitmap{handle->Picture, false};
    return TRUE;
}

int SystemCursorModel::GetObjectW(HANDLE object, int bytes, void* buffer)
{
    const Bitmap& bitmap = bitmaps_.at(object);
    if (bitmap.Deleted)
        ADD_FAILURE() << "GetObjectW of a deleted bitmap";
    if (bytes < static_cast<int>(sizeof(BITMAP)))
        return 0;
    BITMAP info = {};
    info.bmWidth = kSide;
    info.bmHeight = kSide * 2;
    info.bmWidthBytes = kRowBytes;
    info.bmPlanes = 1;
    info.bmBitsPixel = 1;
    memcpy(buffer, &info, sizeof(info));
    return sizeof(info);
}

LONG SystemCursorModel::GetBitmapBits(HBITMAP bitmap, LONG bytes, void* bits)
{
    const Bitmap& found = bitmaps_.at(bitmap);
    if (found.Deleted)
        ADD_FAILURE() << "GetBitmapBits of a deleted bitmap";
    LONG copied = bytes < kMaskBytes ? bytes : kMaskBytes;
    FillMask(found.Picture, static_cast<uint8_t*>(bits), copied);
    return copied;
}

BOOL SystemCursorModel::DeleteObject(HGDIOBJ object)
{
    Bitmap& bitmap = bitmaps_.at(object);
    if (bitmap.Deleted)
        ADD_FAILURE() << "a bitmap deleted twice";
    bitmap.Deleted = true;
    return TRUE;
}

void SystemCursorModel::Reload()
{
    ++Reloads;
    for (DWORD id : kPointerIds)
        Show(id, static_cast<int>(id));
}
