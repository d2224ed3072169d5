#pragma once
// The engine's transparent dummy cursor, and how to tell it from a real
// pointer: a monochrome cursor whose masks draw nothing, with its hot spot at
// (19, 23).

#include <windows.h>

#include <cstdint>
#include <vector>

// The cursor resource in the engine program.
constexpr int kDummyCursorResource = 0x81;
constexpr int kDummyHotSpotX = 19;
constexpr int kDummyHotSpotY = 23;

// What a cursor looks like: its hot spot and its mask, the AND half above the
// XOR half, rows top-down, RowBytes apart.
struct CursorPicture {
    int32_t HotX = 0;
    int32_t HotY = 0;
    bool HasColour = false;
    int32_t Width = 0;
    int32_t Height = 0;  // both halves
    int32_t RowBytes = 0;
    std::vector<uint8_t> Mask;
};

// A monochrome picture whose AND half is all ones and XOR half all zeros.
bool DrawsNothing(const CursorPicture& picture);
// DrawsNothing with the dummy's hot spot.
bool IsDummyPicture(const CursorPicture& picture);

// Hot spot and mask of a cursor, through the engine's world; false when the
// cursor has no readable mask.
bool ReadCursorPicture(HCURSOR cursor, CursorPicture* picture);
// The cursor looks like the engine's dummy (a copy of it, or what the system
// shows once one is installed, also by an earlier engine).
bool ShowsDummy(HCURSOR cursor);
