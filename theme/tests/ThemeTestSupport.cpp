#include "ThemeTestSupport.h"

#include "ScopedWin.h"

SleepRecorder::SleepRecorder(std::function<void()> action)
    : action_(std::move(action))
{
    previous_ = SetThemeFileSleep([this](DWORD ms) {
        sleeps_.push_back(ms);
        if (action_)
            action_();
    });
}

SleepRecorder::~SleepRecorder()
{
    SetThemeFileSleep(previous_);
}

std::wstring WriteTestFile(
    const TempFolder& folder, const std::wstring& name, const std::string& bytes)
{
    std::wstring path = folder.File(name);
    WriteBytesToFile(path, bytes.data(), bytes.size());
    return path;
}

std::unique_ptr<LMBitmap> MakeTestBitmap(
    int width, int height, int flags, const std::vector<uint32_t>& topDownPixels)
{
    auto bitmap = std::make_unique<LMBitmap>(width, height, flags);
    size_t i = 0;
    for (int y = 0; y < height; ++y) {
        for (int x = 0; x < width && i < topDownPixels.size(); ++x)
            *bitmap->PixelAt(x, y) = topDownPixels[i++];
    }
    return bitmap;
}

std::unique_ptr<CThemeCursor> MakeCursor(int32_t role, int32_t state, int32_t group)
{
    auto cursor = std::make_unique<CThemeCursor>();
    cursor->Role = role;
    cursor->State = state;
    cursor->Group = group;
    return cursor;
}

std::vector<std::wstring> FolderFiles(const std::wstring& folder)
{
    std::vector<std::wstring> names;
    WIN32_FIND_DATAW found;
    ScopedFindSearch search(FindFirstFileW((folder + L"\\*").c_str(), &found));
    if (!search)
        return names;
    do {
        std::wstring name = found.cFileName;
        if (name != L"." && name != L"..")
            names.push_back(name);
    } while (FindNextFileW(search.Get(), &found));
    return names;
}

uint32_t PixelOf(const LMBitmap& bitmap, int x, int y)
{
    return *bitmap.PixelAt(x, y);
}
