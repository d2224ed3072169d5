#pragma once
// The library pages plus what shows the current theme: six cursor cells,
// nine effect previews, nine sound icons ("blank", "sound") with their
// second objects, the shadow preview and the shadow page's mode objects,
// all starting in "null" (icons "blank"). The settings key and a Run key
// of the test's own exist; the current theme lies in a folder of its own.

#include "Composition.h"
#include "LibraryTestSupport.h"
#include "MessageBoxRecorder.h"

#include <shlwapi.h>

#include <string>

class ComposeTest : public LibraryTest {
protected:
    void SetUp() override;
    void TearDown() override;

    // Saves the theme into the Themes folder, rebuilds the theme list and
    // returns the theme's row.
    int AddRow(const std::wstring& name, CTheme& theme);
    std::wstring CurrentFile() const { return world_.CurrentThemePath; }
    std::wstring RunKey() const { return key_ + L"\\Run"; }

    TempFolder currentFolder_;
    HWND dialog_ = reinterpret_cast<HWND>(0x1234);
};

// A registry value's type and bytes; type REG_NONE when it is missing.
struct RegValue {
    DWORD Type = REG_NONE;
    std::string Bytes;
};
RegValue ReadValue(const std::wstring& subkey, const wchar_t* name);
void WriteValue(const std::wstring& subkey, const wchar_t* name, DWORD type,
                const std::string& bytes);
// The bytes of a REG_SZ of the text, its terminator included.
std::string TextBytes(const std::wstring& text);
