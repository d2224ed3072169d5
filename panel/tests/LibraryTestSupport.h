#pragma once
// The library pages under a test root, built with the panel's factories:
// pages, side tabs, lists with bars and scroll parts (frames 361 high,
// thumbs 30), the cursor strip and the selection bar's buttons, the trails
// page's parts and the cursor grid. Themes and Sounds folders and a
// settings key of the test's own; sounds are recorded, not played.

#include "PanelState.h"
#include "PanelTestSupport.h"
#include "RecordingWorld.h"
#include "TempFolder.h"
#include "TestThemes.h"
#include "ThemeLists.h"

#include <memory>
#include <string>
#include <tuple>
#include <vector>

class LibraryTest : public PanelTreeTest {
protected:
    void SetUp() override;
    void TearDown() override;

    void Relist() { RefreshThemeListsFrom(themes_.Path().c_str()); }
    // Saves the theme into the Themes folder and lists the folder again.
    std::wstring AddTheme(const std::wstring& fileName, CTheme& theme)
    {
        EXPECT_TRUE(SaveTestTheme(themes_.File(fileName), theme));
        Relist();
        return themes_.File(fileName);
    }
    // The theme list's row of that display name, or -1.
    int ThemeRow(const std::wstring& name) const;

    TempFolder themes_;
    TempFolder soundFiles_;
    std::wstring key_;
    RecordingWorld world_;
};

// The library pages plus what shows the current theme: six cursor cells,
// nine effect previews, nine sound icons ("blank", "sound") with their
// second objects and the shadow preview, each in "null" (icons "blank"). The settings key and a Run
// key of the test's own exist; the current theme lies in a folder of its own.
class ComposeTest : public LibraryTest {
protected:
    void SetUp() override;
    void TearDown() override;
    // Saves the theme into the Themes folder and rebuilds the list; its row.
    int AddRow(const std::wstring& name, CTheme& theme);
    std::wstring CurrentFile() const { return world_.CurrentThemePath; }

    TempFolder currentFolder_;
    std::wstring runKey_;
    HWND dialog_ = reinterpret_cast<HWND>(0x1234);
};

// A registry value's type (REG_NONE when missing) and bytes; the bytes of a
// REG_SZ of the text.
using RegValue = std::pair<DWORD, std::string>;
RegValue ReadValue(const std::wstring& subkey, const wchar_t* name);
void WriteValue(const std::wstring& subkey, const wchar_t* name, const RegValue& value);
std::string TextBytes(const std::wstring& text);
// The four bytes of a DWORD value of that type.
RegValue Dword(DWORD type, uint32_t value);

// Grey cursors of the roles given (32 x 32 unless said), named.
std::unique_ptr<CTheme> NamedTheme(const wchar_t* name,
                                   const std::vector<TestCursor>& cursors = {TestCursor{}});
// No cursors; grey effects and trails in the slots given.
std::unique_ptr<CTheme> SpriteTheme(const wchar_t* name, const std::vector<int>& effects,
                                    const std::vector<int>& trails);
// Saved with the pixel size of its first record, whose image fields start
// at imageOffset, cleared: that entry loads without pixels.
bool SaveWithoutPixels(const std::wstring& path, CTheme& theme, size_t imageOffset);
// Saved compressed with the body cut short: listed, but it does not load.
bool SaveCutShort(const std::wstring& path, CTheme& theme);

// The pixels of a "Default" text state of this look, and of a label.
std::vector<uint32_t> TextPixels(const std::wstring& text, int size, int bold, COLORREF color);
std::vector<uint32_t> LabelPixels(const LMObj* label);
