#pragma once
// The library pages under a test root, built with the panel's factories as
// the window build will build them: pages, side tabs, lists with their bars
// and scroll parts (frames 361 high, thumbs 30), the cursor strip and the
// selection bar's buttons, the trails page's parts and the cursor grid.
// Themes and Sounds folders and a settings key of the test's own; sounds
// are recorded, not played.

#include "EngineWorld.h"
#include "PanelState.h"
#include "PanelTestSupport.h"
#include "TempFolder.h"
#include "TestThemes.h"

#include <memory>
#include <string>
#include <vector>

class SoundRecorder : public EngineWorld {
public:
    SoundRecorder() : previous_(SetWorld(this)) {}
    ~SoundRecorder() override { SetWorld(previous_); }

    struct Request {
        std::wstring File;             // empty for a sound from memory
        const void* Memory = nullptr;  // null for a file
        DWORD Flags = 0;
    };
    std::vector<Request> Requests;

    BOOL PlaySoundW(const wchar_t* sound, HMODULE module, DWORD flags) override;

private:
    EngineWorld* previous_;
};

class LibraryTest : public PanelTreeTest {
protected:
    void SetUp() override;
    void TearDown() override;

    // Saves the theme uncompressed as that file of the Themes folder and
    // lists the folder again.
    std::wstring AddTheme(const std::wstring& fileName, CTheme& theme);
    void Relist();
    void SetCurrentTrail(const std::wstring& value);
    // The theme list's row of that display name, or -1.
    int ThemeRow(const std::wstring& name) const;

    TempFolder themes_;
    TempFolder soundFiles_;
    std::wstring key_;
    SoundRecorder sounds_;
};

// A theme of one grey cursor per role given (32 x 32 unless said), named.
std::unique_ptr<CTheme> NamedTheme(const wchar_t* name,
                                   const std::vector<TestCursor>& cursors = {TestCursor{}});

// Saves the theme and clears the pixel size of its first record, whose
// image fields start at imageOffset: that entry loads without pixels.
bool SaveWithoutPixels(const std::wstring& path, CTheme& theme, size_t imageOffset);

// Saves the theme compressed and cuts its body short: it is listed by its
// header but does not load.
bool SaveCutShort(const std::wstring& path, CTheme& theme);

// The pixels a "Default" text state of this look holds, and a label's.
std::vector<uint32_t> TextPixels(const std::wstring& text, int size, int bold, COLORREF color);
std::vector<uint32_t> LabelPixels(const LMObj* label);
