#pragma once
// Which theme role a system pointer slot is drawn with: the slot's own role,
// the button role over push buttons, and the resize variants by the side of
// the window the pointer is on.

#include <windows.h>

#include <cstdint>

class CTheme;
class CThemeCursor;

constexpr int32_t kButtonRole = 19;
constexpr int kClassNameChars = 100;  // 99 characters and the terminator

// The role a slot stands for, or -1 for a slot outside 0..14.
int32_t SlotRole(int slot);
// The variant role of a resize slot (8..11), or -1.
int32_t SlotVariantRole(int slot);
// For a resize slot with a variant in the theme: the variant when the pointer
// is on its side of the window, else the slot's own role.
int32_t ChooseResizeRole(int slot, const RECT& window, POINT pointer);
// 19 for class "Button" (exactly) unless the style's low byte is 5 to 8.
int ButtonRoleFor(const wchar_t* className, LONG_PTR style);

// A cursor of the theme that can be drawn: an entry without pixels has no
// animation and counts as missing.
CThemeCursor* FindDrawableCursor(const CTheme* theme, int32_t role, int32_t state);
