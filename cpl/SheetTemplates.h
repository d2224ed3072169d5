#pragma once
// The page and sheet descriptions handed to the property-sheet functions.

#include <windows.h>

#include <commctrl.h>
#include <prsht.h>

#include <cstddef>

namespace cpl {

// The page description up to hActCtx and the sheet header up to hbmHeader:
// 52 bytes each on 32-bit Windows, the versions every system of the product
// knows.
constexpr UINT kPageTemplateBytes = offsetof(PROPSHEETPAGEW, hActCtx) + sizeof(HANDLE);
constexpr UINT kSheetHeaderBytes = offsetof(PROPSHEETHEADERW, hbmHeader) + sizeof(HBITMAP);
#ifndef _WIN64
static_assert(kPageTemplateBytes == 52, "the page description of 32-bit Windows");
static_assert(kSheetHeaderBytes == 52, "the sheet header of 32-bit Windows");
#endif

// The page the extension adds: titled, counted by the sheet, with the
// release callback; pageParam is the extension object the page holds.
PROPSHEETPAGEW ExtensionPageTemplate(LPARAM pageParam);

// The page of the stand-alone sheet: titled only, no parameter.
PROPSHEETPAGEW StandAlonePageTemplate();

// The modeless stand-alone sheet over that one page.
PROPSHEETHEADERW StandAloneSheetHeader(const PROPSHEETPAGEW* page);

}  // namespace cpl
