#include "ThemeListBuild.h"

#include "LMMessageBox.h"
#include "ThemeMessages.h"

#include <shlwapi.h>

#include <cwctype>
#include <map>

namespace {

// What a file was like when it was last read.
struct FileStamp {
    ULONGLONG Size = 0;
    FILETIME Written{};
    bool Failed = false;    // gave no theme: not read again
    bool Reported = false;  // named in a box already
};

std::map<std::wstring, FileStamp>& KnownFiles()
{
    static std::map<std::wstring, FileStamp> files;
    return files;
}

std::wstring Key(const wchar_t* path)
{
    std::wstring key = path;
    for (wchar_t& c : key)
        c = static_cast<wchar_t>(std::towlower(c));
    return key;
}

bool StampOf(const wchar_t* path, FileStamp* stamp)
{
    WIN32_FILE_ATTRIBUTE_DATA data{};
    if (!GetFileAttributesExW(path, GetFileExInfoStandard, &data))
        return false;
    stamp->Size = (static_cast<ULONGLONG>(data.nFileSizeHigh) << 32) | data.nFileSizeLow;
    stamp->Written = data.ftLastWriteTime;
    return true;
}

bool SameFile(const FileStamp& a, const FileStamp& b)
{
    return a.Size == b.Size && CompareFileTime(&a.Written, &b.Written) == 0;
}

}  // namespace

ThemeListBuild::ThemeListBuild(HWND owner) : owner_(owner)
{
}

ThemeListBuild::~ThemeListBuild()
{
    if (unreadable_.empty())
        return;
    std::wstring text = kUnreadableThemeFiles;
    text += L"\r\n";
    for (const std::wstring& name : unreadable_)
        text += L"\r\n" + name;
    LMMessageBox(owner_, text.c_str(), kProductCaption, MB_OK | MB_ICONWARNING);
}

std::unique_ptr<CTheme> ThemeListBuild::Load(const wchar_t* path, const Loader& load)
{
    FileStamp now;
    const bool stamped = StampOf(path, &now);
    const std::wstring key = Key(path);
    auto known = KnownFiles().find(key);
    const bool unchanged = stamped && known != KnownFiles().end() && SameFile(known->second, now);
    if (unchanged && known->second.Failed)
        return nullptr;
    std::unique_ptr<CTheme> theme;
    int errors = 0;
    {
        LMQuietErrors quiet;
        theme = load();
        errors = quiet.Count();
    }
    if (!theme || errors > 0) {
        now.Failed = !theme;
        // A file that loads with errors is named once, not at every build.
        now.Reported = true;
        if (!(unchanged && known->second.Reported))
            unreadable_.push_back(PathFindFileNameW(path));
        if (stamped)
            KnownFiles()[key] = now;
    } else if (known != KnownFiles().end()) {
        KnownFiles().erase(known);
    }
    return theme;
}

void ForgetUnreadableThemeFiles()
{
    KnownFiles().clear();
}
