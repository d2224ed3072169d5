#pragma once
// The words of a theme: cursor roles, mouse-button events, trail slots,
// content flags and the placeholder state name.

#include <cstdint>

constexpr int kCursorRoleCount = 20;
constexpr int kMouseEventCount = 9;
constexpr int kTrailSlotCount = 3;

// CTheme::ContentFlags; the same values stand in the container header.
constexpr int32_t ThemeHasCursors = 1;
constexpr int32_t ThemeHasEffects = 2;
constexpr int32_t ThemeHasTrails = 4;
constexpr int32_t ThemeHasSounds = 8;
constexpr int32_t kThemeContentMask = 0xF;

// Cursor states.
constexpr int32_t kCursorStateNormal = 1;
constexpr int32_t kCursorStateLeftDown = 2;
constexpr int32_t kCursorStateMiddleDown = 4;
constexpr int32_t kCursorStateRightDown = 6;

// Every cursor a loader or the editor makes has this group.
constexpr int32_t kThemeCursorGroup = 1;

// A state of this name holds only the editor's placeholder image.
constexpr const wchar_t* kPlaceholderStateName = L"NA";

struct CursorRoleName {
    wchar_t Section[16]; // the "scheme.ini" section of the role
    int32_t Id; // equal to the row index
};

// Table of 20 rows, in role order.
extern const CursorRoleName kCursorRoleSections[kCursorRoleCount];
// Names for the editor's grids and for the control panel's cursor slots.
extern const wchar_t* const kCursorRoleLongNames[kCursorRoleCount];
extern const wchar_t* const kCursorRoleShortNames[kCursorRoleCount];

extern const wchar_t* const kMouseEventNames[kMouseEventCount];
extern const wchar_t* const kTrailSlotNames[kTrailSlotCount];
