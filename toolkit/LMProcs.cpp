#include "LMProcs.h"

namespace LMProcs {

decltype(&::UpdateLayeredWindow) UpdateLayeredWindow = nullptr;
decltype(&::SetLayeredWindowAttributes) SetLayeredWindowAttributes = nullptr;
decltype(&::AlphaBlend) AlphaBlend = nullptr;
decltype(&::TransparentBlt) TransparentBlt = nullptr;
decltype(&::SetProcessWorkingSetSize) SetProcessWorkingSetSize = nullptr;
decltype(&::DrawThemeParentBackground) DrawThemeParentBackground = nullptr;
decltype(&::SetWindowPos) SetWindowPos = &::SetWindowPos;

namespace {

template <typename Proc> void Bind(Proc& proc, HMODULE module, const char* name)
{
    proc = module ? reinterpret_cast<Proc>(reinterpret_cast<void*>(GetProcAddress(module, name)))
                  : nullptr;
}

}  // namespace

void BindLayered()
{
    HMODULE user32 = GetModuleHandleW(L"USER32.DLL");
    Bind(UpdateLayeredWindow, user32, "UpdateLayeredWindow");
    Bind(SetLayeredWindowAttributes, user32, "SetLayeredWindowAttributes");
    // Kept loaded for the life of the process, like the procedures bound from it.
    HMODULE msimg32 = LoadLibraryW(L"msimg32.dll");
    Bind(AlphaBlend, msimg32, "AlphaBlend");
    Bind(TransparentBlt, msimg32, "TransparentBlt");
    Bind(SetProcessWorkingSetSize, GetModuleHandleW(L"Kernel32.DLL"), "SetProcessWorkingSetSize");
}

void BindThemeBackground()
{
    Bind(DrawThemeParentBackground, GetModuleHandleW(L"uxtheme.dll"), "DrawThemeParentBackground");
}

int EnableTabTexture(HWND window)
{
    decltype(&::EnableThemeDialogTexture) enable = nullptr;
    Bind(enable, GetModuleHandleW(L"uxtheme.dll"), "EnableThemeDialogTexture");
    return window && enable && SUCCEEDED(enable(window, ETDT_ENABLETAB)) ? 1 : 0;
}

}  // namespace LMProcs
