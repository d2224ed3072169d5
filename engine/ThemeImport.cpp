#include "ThemeImport.h"

#include "CTheme.h"
#include "EngineLifecycle.h"
#include "EngineValues.h"
#include "EngineWorld.h"
#include "LMMessageBox.h"
#include "Language.h"
#include "ProductCaption.h"
#include "ThemeArgument.h"
#include "UiTextFormat.h"

#include <cwchar>

namespace {

constexpr int kQuestionChars = 2048;

bool SamePath(const std::wstring& a, const std::wstring& b)
{
    return _wcsicmp(a.c_str(), b.c_str()) == 0;
}

std::wstring FileNameOf(const std::wstring& path)
{
    size_t slash = path.find_last_of(L"\\/");
    return slash == std::wstring::npos ? path : path.substr(slash + 1);
}

bool FileExists(const std::wstring& path)
{
    DWORD attributes = World().GetFileAttributesW(path.c_str());
    return attributes != INVALID_FILE_ATTRIBUTES && !(attributes & FILE_ATTRIBUTE_DIRECTORY);
}

// The long form of path, or path itself when the system cannot give one;
// empty when it does not fit in chars.
std::wstring LongPathOf(const wchar_t* path, DWORD chars)
{
    std::wstring buffer(chars, L'\0');
    DWORD length = World().GetLongPathNameW(path, &buffer[0], chars);
    if (length == 0)
        return wcslen(path) < chars ? std::wstring(path) : std::wstring();
    if (length >= chars)
        return std::wstring();
    buffer.resize(length);
    return buffer;
}

bool AskToOverwrite(const wchar_t* themesFolder)
{
    wchar_t text[kQuestionChars];
    FormatUiText(text, kQuestionChars, GetUiString(kUiOverwriteThemeQuestion),
                 kOverwriteThemeQuestionEnglish, themesFolder);
    return LMMessageBox(nullptr, text, kProductCaption, MB_YESNO) == IDYES;
}

}  // namespace

ImportPlan PlanThemeImport(const std::wstring& argument, const std::wstring& current,
                           const std::wstring& themesFolder,
                           const std::function<bool(const std::wstring&)>& exists)
{
    ImportPlan plan;
    if (SamePath(argument, current)) {
        plan.Action = ImportAction::UseCurrent;
        plan.Target = current;
        return plan;
    }
    std::wstring name = FileNameOf(argument);
    std::wstring target = themesFolder + L"\\" + name;
    if (name.empty() || target.size() >= static_cast<size_t>(kPathChars))
        return plan;
    plan.Target = target;
    if (SamePath(argument, target))
        plan.Action = ImportAction::UseInThemes;
    else if (exists(target))
        plan.Action = ImportAction::AskOverwrite;
    else
        plan.Action = ImportAction::Copy;
    return plan;
}

std::wstring ImportThemeArgument(const wchar_t* argument, const wchar_t* currentPath,
                                 const wchar_t* themesFolder)
{
    std::wstring longArgument = LongPathOf(argument, kArgumentChars);
    std::wstring longCurrent = LongPathOf(currentPath, kPathChars);
    if (longArgument.empty() || longCurrent.empty())
        return std::wstring();
    ImportPlan plan = PlanThemeImport(longArgument, longCurrent, themesFolder, FileExists);
    switch (plan.Action) {
    case ImportAction::None:
        return std::wstring();
    case ImportAction::AskOverwrite:
        if (AskToOverwrite(themesFolder))
            World().CopyFileW(longArgument.c_str(), plan.Target.c_str(), FALSE);
        break;
    case ImportAction::Copy:
        World().CopyFileW(longArgument.c_str(), plan.Target.c_str(), FALSE);
        break;
    case ImportAction::UseCurrent:
    case ImportAction::UseInThemes:
        break;
    }
    return FileExists(plan.Target) ? plan.Target : std::wstring();
}

int MergeThemeInto(const wchar_t* currentPath, const wchar_t* targetPath)
{
    CTheme current;
    if (FileExists(currentPath) && !current.Load(currentPath, 0))
        return 0;
    CTheme target;
    if (!target.Load(targetPath, 0))
        return 0;
    int32_t flags = target.ContentFlags;
    if (flags & ThemeHasCursors) {
        current.TakeCursors(target);
        current.Name = std::move(target.Name);
    }
    if (flags & ThemeHasEffects)
        current.TakeEffects(target);
    if (flags & ThemeHasTrails)
        current.TakeTrails(target);
    return current.Save(currentPath, 0);
}

int AnnounceTheme()
{
    World().EnumWindows(NotifyThemeListEnumProc, 0);
    HWND engine = FindEngineWindow();
    if (!engine)
        return 0;
    UINT reapply = World().RegisterWindowMessageW(L"WM_TRV_REAPPLY");
    if (!reapply)
        return 0;
    World().PostMessageW(engine, reapply, 0, 0);
    return 1;
}

int HandleThemeArgument(const wchar_t* commandLine)
{
    wchar_t argument[kArgumentChars];
    if (!ParseThemeArgument(CommandLineArguments(commandLine), argument, kArgumentChars))
        return 0;
    // Only theme files are taken in; a folder or any other file is left alone.
    if (!FileExists(argument) || !HasThemeExtension(argument))
        return 0;
    wchar_t current[kPathChars] = {};
    wchar_t themes[kPathChars] = {};
    World().GetCurrentThemePath(current);
    World().GetThemesFolder(themes);
    std::wstring target = ImportThemeArgument(argument, current, themes);
    if (!target.empty())
        MergeThemeInto(current, target.c_str());
    return AnnounceTheme();
}
