#include "RecordingWorld.h"

#include <cstdarg>
#include <cwchar>

namespace {

std::optional<std::wstring> Copy(const wchar_t* text)
{
    return text ? std::optional<std::wstring>(text) : std::nullopt;
}

const wchar_t* OrDash(const std::optional<std::wstring>& text)
{
    return text ? text->c_str() : L"-";
}

std::wstring Line(const wchar_t* format, ...)
{
    wchar_t line[1024];
    va_list arguments;
    va_start(arguments, format);
    vswprintf(line, sizeof(line) / sizeof(line[0]), format, arguments);
    va_end(arguments);
    return line;
}

}  // namespace

bool RecordingWorld::Launch::operator==(const Launch& other) const
{
    return std::tie(File, Parameters, Folder, Verb, Owner, Mask, Show) ==
           std::tie(other.File, other.Parameters, other.Folder, other.Verb, other.Owner, other.Mask,
                    other.Show);
}

RecordingWorld::RecordingWorld() : previous_(SetWorld(this))
{
}

RecordingWorld::~RecordingWorld()
{
    SetWorld(previous_);
}

void RecordingWorld::Clear()
{
    Posts.clear();
    Launches.clear();
    Requests.clear();
    Log.clear();
    lastSound_ = nullptr;
}

HWND RecordingWorld::FindWindowW(const wchar_t* className, const wchar_t* title)
{
    if (RealWindows)
        return EngineWorld::FindWindowW(className, title);
    return className && wcscmp(className, L"Pavolt") == 0 ? EngineWindow : nullptr;
}

BOOL RecordingWorld::PostMessageW(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    Posts.emplace_back(window, message, wParam, lParam);
    Log.push_back(Line(L"post %p %u %llu %lld", window, message,
                       static_cast<unsigned long long>(wParam), static_cast<long long>(lParam)));
    return !(RealWindows || RealPosts) ||
           EngineWorld::PostMessageW(window, message, wParam, lParam);
}

BOOL RecordingWorld::ShellExecuteExW(SHELLEXECUTEINFOW* info)
{
    Launch launch{info->lpFile ? info->lpFile : L"",
                  Copy(info->lpParameters),
                  Copy(info->lpDirectory),
                  Copy(info->lpVerb),
                  info->hwnd,
                  info->fMask,
                  info->nShow};
    Log.push_back(Line(L"start %ls %#lx %d %ls %ls %ls", launch.File.c_str(), launch.Mask,
                       launch.Show, OrDash(launch.Verb), OrDash(launch.Parameters),
                       OrDash(launch.Folder)));
    Launches.push_back(std::move(launch));
    return TRUE;
}

BOOL RecordingWorld::PlaySoundW(const wchar_t* sound, HMODULE, DWORD flags)
{
    const bool held = Holds && Holds(sound ? sound : lastSound_);
    Requests.push_back({flags & SND_MEMORY || !sound ? L"" : sound, sound, flags, held});
    if (!sound) {
        Log.push_back(held ? L"stop held" : L"stop");
        return TRUE;
    }
    lastSound_ = sound;
    Log.push_back(Line(L"play %p %#lx", sound, flags));
    return TRUE;
}

void RecordingWorld::GetCurrentThemePath(wchar_t* buffer)
{
    if (CurrentThemePath.empty()) {
        EngineWorld::GetCurrentThemePath(buffer);
        return;
    }
    wcsncpy(buffer, CurrentThemePath.c_str(), MAX_PATH - 1);
    buffer[MAX_PATH - 1] = L'\0';
}
