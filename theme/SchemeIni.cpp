// Reading "scheme.ini": the scheme version, a cursor from each role section
// that names an image strip, and the description.

#include "SchemeIni.h"

#include "ArchiveFolder.h"
#include "CTheme.h"
#include "FileRetry.h"
#include "ScopedWin.h"
#include "TextFile.h"

#include <algorithm>
#include <climits>
#include <cwchar>
#include <vector>

namespace
{

constexpr DWORD kIniValueChars = 260;
constexpr wchar_t kDescriptionMark[] = L"[Description]";

// Room for any section of the file: the profile functions never return more
// characters than the file has bytes, plus the closing NULs.
size_t SectionBufferChars(const wchar_t* iniPath)
{
    ScopedFile file(CreateFileRetry(iniPath, GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING,
        FILE_ATTRIBUTE_NORMAL, nullptr));
    LARGE_INTEGER size {};
    if (!file || !GetFileSizeEx(file.Get(), &size))
        return 0;
    return static_cast<size_t>(std::min<uint64_t>(size.QuadPart, kMaxTextFileBytes)) + 2;
}

// The section's lines, as the profile functions return them, joined with CR LF.
std::wstring SectionLines(const std::wstring& section, const wchar_t* iniPath, size_t bufferChars)
{
    std::vector<wchar_t> buffer(std::max<size_t>(bufferChars, 2), L'\0');
    DWORD got = GetPrivateProfileSectionW(
        section.c_str(), buffer.data(), static_cast<DWORD>(buffer.size()), iniPath);
    buffer.back() = L'\0';
    std::wstring lines;
    const wchar_t* end = buffer.data() + std::min<size_t>(got, buffer.size() - 1);
    for (const wchar_t* line = buffer.data(); line < end && *line; line += std::wcslen(line) + 1) {
        if (line != buffer.data())
            lines += L"\r\n";
        lines += line;
    }
    return lines;
}

std::wstring FolderOf(const wchar_t* path)
{
    std::wstring folder = path;
    size_t slash = folder.find_last_of(L"\\/");
    return slash == std::wstring::npos ? L"." : folder.substr(0, slash);
}

// "<section>.png" beside the ini file, else "<section>.bmp", whose lower half
// is its alpha mask when perPixel is 1.
std::unique_ptr<LMBitmap> LoadSectionImage(
    const wchar_t* section, const wchar_t* iniPath, int32_t perPixel)
{
    std::wstring stem = FolderOf(iniPath) + L"\\" + section;
    std::wstring png = stem + L".png";
    std::wstring bmp = stem + L".bmp";
    if (!IsExistingFile(png) && IsExistingFile(bmp)) {
        auto image = std::make_unique<LMBitmap>(bmp.c_str(), LMBitmapColorKeyed);
        if (perPixel == 1)
            image->ApplyAlphaMask();
        return image;
    }
    return std::make_unique<LMBitmap>(png.c_str(), 0);
}

// Every line after the first one that begins with "[Description]", joined
// with CR LF once the text has begun.
std::wstring DescriptionOf(const wchar_t* iniPath)
{
    HeapText text;
    ReadTextFile(iniPath, &text);
    std::wstring description;
    std::wstring line;
    bool inside = false;
    const wchar_t* cursor = text ? text.get() : L"";
    while (NextLine(&cursor, &line)) {
        if (!inside) {
            inside = _wcsnicmp(line.c_str(), kDescriptionMark, std::wcslen(kDescriptionMark)) == 0;
            continue;
        }
        if (!description.empty())
            description += L"\r\n";
        description += line;
    }
    return description;
}

} // namespace

int32_t LeadingNumber(const wchar_t* text)
{
    while (*text == L' ' || *text == L'\t')
        ++text;
    bool negative = *text == L'-';
    if (*text == L'-' || *text == L'+')
        ++text;
    int64_t value = 0;
    for (; *text >= L'0' && *text <= L'9'; ++text)
        value = std::min<int64_t>(value * 10 + (*text - L'0'), int64_t { INT32_MAX } + 1);
    value = negative ? -value : std::min<int64_t>(value, INT32_MAX);
    return static_cast<int32_t>(value);
}

int32_t GetIniInt(
    const wchar_t* section, const wchar_t* key, const wchar_t* defaultText, const wchar_t* iniPath)
{
    wchar_t value[kIniValueChars + 1] = {};
    GetPrivateProfileStringW(section, key, defaultText, value, kIniValueChars + 1, iniPath);
    return LeadingNumber(value);
}

int CThemeCursor::LoadFromIni(
    const wchar_t* section, const wchar_t* iniPath, size_t bufferChars, CTheme* /*theme*/)
{
    // Most roles have no section: they are turned away after two reads.
    Frames = GetIniInt(section, L"Frames", L"0", iniPath);
    StdCursor = GetIniInt(section, L"StdCursor", L"1", iniPath);
    if (Frames < 1 || StdCursor != 0)
        return 0;
    Interval = GetIniInt(section, L"Interval", L"200", iniPath);
    // Any style but 0 is ping-pong: the file knows no other.
    Alternate = GetIniInt(section, L"Animation style", L"0", iniPath) != 0 ? 1 : 0;
    HotSpotX = GetIniInt(section, L"Hot spot x", L"0", iniPath);
    HotSpotY = GetIniInt(section, L"Hot spot y", L"0", iniPath);
    bool playScript = GetIniInt(section, L"FrameScript", L"0", iniPath) != 0;
    int32_t perPixel = GetIniInt(section, L"PerPixel", L"1", iniPath);
    Reverse = 0;
    Loop = 1;
    // Kept even when not played, so a later save as ".Trivane" carries it.
    std::wstring script = SectionLines(std::wstring(section) + L"_Script", iniPath, bufferChars);
    if (!script.empty())
        Script = DuplicateText(script.c_str());
    std::unique_ptr<LMBitmap> image = LoadSectionImage(section, iniPath, perPixel);
    // More frames than pixel columns would leave frames without width.
    if (!image->HasPixels() || Frames > image->Width)
        return 0;
    image->TrimToFrames(Frames);
    SectionName = section;
    int flags = LMFrameInterruptible | LMFrameLoop | Reverse | Alternate * LMFramePingPong;
    SetUpAnimation(std::move(image), section, flags, playScript);
    return 1;
}

int CTheme::LoadSchemeIni(const wchar_t* iniPath, int preview)
{
    if (!iniPath || !IsExistingFile(iniPath))
        return 0;
    SchemeVersion = GetIniInt(L"General", L"Version", L"100", iniPath);
    size_t bufferChars = SectionBufferChars(iniPath);
    if (bufferChars == 0)
        return 0;
    // Normal cursors from the role sections, then pressed ones from "_Down";
    // a preview tries the arrow alone.
    const int passes = preview ? 1 : 2;
    const int roles = preview ? 1 : kCursorRoleCount;
    for (int pass = 0; pass < passes; ++pass) {
        for (int role = 0; role < roles; ++role) {
            std::wstring section = kCursorRoleSections[role].Section;
            if (pass == 1)
                section += L"_Down";
            auto cursor = std::make_unique<CThemeCursor>();
            cursor->Role = kCursorRoleSections[role].Id;
            cursor->State = pass == 0 ? kCursorStateNormal : kCursorStateLeftDown;
            cursor->Group = kThemeCursorGroup;
            if (cursor->LoadFromIni(section.c_str(), iniPath, bufferChars, this))
                AddCursor(std::move(cursor));
        }
    }
    Description = DuplicateText(DescriptionOf(iniPath).c_str());
    return 1;
}
