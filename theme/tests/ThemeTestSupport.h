#pragma once
// Helpers shared by the theme tests.

#include "CTheme.h"
#include "FileRetry.h"
#include "TempFolder.h"

#include <functional>
#include <memory>
#include <string>
#include <vector>

// Records the pauses of the retrying file functions instead of sleeping; an
// optional action runs at each pause.
class SleepRecorder
{
public:
    explicit SleepRecorder(std::function<void()> action = {});
    ~SleepRecorder();
    SleepRecorder(const SleepRecorder&) = delete;
    SleepRecorder& operator=(const SleepRecorder&) = delete;

    const std::vector<DWORD>& Sleeps() const { return sleeps_; }

private:
    std::vector<DWORD> sleeps_;
    std::function<void()> action_;
    ThemeFileSleep previous_;
};

std::wstring WriteTestFile(
    const TempFolder& folder, const std::wstring& name, const std::string& bytes);

// A 32-bit bitmap of the given flags with every pixel set from top-down values.
std::unique_ptr<LMBitmap> MakeTestBitmap(
    int width, int height, int flags, const std::vector<uint32_t>& topDownPixels);

// An entry of the given kind whose animation is the bitmap, set up as a loader does.
template <typename Entry>
std::unique_ptr<Entry> MakeAnimatedEntry(
    std::unique_ptr<LMBitmap> bitmap, const wchar_t* name, int frames = 1)
{
    auto entry = std::make_unique<Entry>();
    entry->Frames = frames;
    entry->SetUpAnimation(std::move(bitmap), name, LMFrameInterruptible, true);
    return entry;
}

std::unique_ptr<CThemeCursor> MakeCursor(int32_t role, int32_t state, int32_t group);

// Names of the files in a folder, "." and ".." left out.
std::vector<std::wstring> FolderFiles(const std::wstring& folder);

uint32_t PixelOf(const LMBitmap& bitmap, int x, int y);
