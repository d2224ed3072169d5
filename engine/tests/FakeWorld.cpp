#include "FakeWorld.h"

#include <cwchar>
#include <sstream>
#include <type_traits>

namespace {

void Put(std::ostringstream& out, const wchar_t* text)
{
    out << (text ? Narrow(text) : std::string("null"));
}

void Put(std::ostringstream& out, const char* text)
{
    out << (text ? text : "null");
}

template <typename T> void Put(std::ostringstream& out, const T& value)
{
    if constexpr (std::is_pointer_v<T>)
        out << "0x" << std::hex << reinterpret_cast<uintptr_t>(value) << std::dec;
    else
        out << static_cast<long long>(value);
}

HANDLE FakeHandle(uintptr_t value)
{
    return reinterpret_cast<HANDLE>(value);
}

}  // namespace

std::string Narrow(const std::wstring& text)
{
    std::string out;
    for (wchar_t c : text)
        out += c < 0x80 ? static_cast<char>(c) : '?';
    return out;
}

template <typename... Args> void FakeWorld::Record(const char* name, const Args&... args)
{
    std::ostringstream out;
    out << name;
    ((out << ' ', Put(out, args)), ...);
    Calls.push_back(out.str());
}

int FakeWorld::Count(const std::string& prefix) const
{
    return static_cast<int>(CallsOf(prefix).size());
}

int FakeWorld::IndexOf(const std::string& prefix) const
{
    for (size_t i = 0; i < Calls.size(); ++i) {
        if (Calls[i].compare(0, prefix.size(), prefix) == 0)
            return static_cast<int>(i);
    }
    return -1;
}

std::vector<std::string> FakeWorld::CallsOf(const std::string& prefix) const
{
    std::vector<std::string> found;
    for (const std::string& call : Calls) {
        if (call.compare(0, prefix.size(), prefix) == 0)
            found.push_back(call);
    }
    return found;
}

LPWSTR FakeWorld::GetCommandLineW()
{
    Record("GetCommandLineW");
    return &CommandLine[0];
}

DWORD FakeWorld::GetModuleFileNameW(HMODULE module, wchar_t* buffer, DWORD chars)
{
    Record("GetModuleFileNameW", module);
    if (chars == 0)
        return 0;
    DWORD length = static_cast<DWORD>(ModulePath.size());
    DWORD copied = length < chars ? length : chars - 1;
    wmemcpy(buffer, ModulePath.c_str(), copied);
    buffer[copied] = L'\0';
    return length < chars ? length : chars;
}

DWORD FakeWorld::GetFileAttributesW(const wchar_t* path)
{
    Record("GetFileAttributesW", path);
    auto found = FileAttributes.find(path);
    return found == FileAttributes.end() ? INVALID_FILE_ATTRIBUTES : found->second;
}

DWORD FakeWorld::GetLongPathNameW(const wchar_t* path, wchar_t* buffer, DWORD chars)
{
    Record("GetLongPathNameW", path);
    DWORD length = static_cast<DWORD>(wcslen(path));
    if (length >= chars)
        return length + 1;
    wmemcpy(buffer, path, length + 1);
    return length;
}

BOOL FakeWorld::CopyFileW(const wchar_t* from, const wchar_t* to, BOOL failIfExists)
{
    Record("CopyFileW", from, to, failIfExists);
    FileAttributes[to] = FILE_ATTRIBUTE_NORMAL;
    return TRUE;
}

DWORD FakeWorld::GetLastError()
{
    return LastError;
}

HANDLE FakeWorld::GetCurrentProcess()
{
    return FakeHandle(0xF0);
}

HANDLE FakeWorld::GetCurrentThread()
{
    return FakeHandle(0xF1);
}

BOOL FakeWorld::SetProcessWorkingSetSize(HANDLE process, SIZE_T minimum, SIZE_T maximum)
{
    Record("SetProcessWorkingSetSize", process, static_cast<long long>(minimum),
           static_cast<long long>(maximum));
    return TRUE;
}

BOOL FakeWorld::ShellExecuteExW(SHELLEXECUTEINFOW* info)
{
    Record("ShellExecuteExW", info->lpFile, info->lpDirectory, info->lpParameters, info->fMask,
           info->nShow, info->cbSize);
    return TRUE;
}

DWORD FakeWorld::NowMs()
{
    return Now;
}

void FakeWorld::Sleep(DWORD milliseconds)
{
    Record("Sleep", milliseconds);
}

int FakeWorld::GetThreadPriority(HANDLE thread)
{
    Record("GetThreadPriority", thread);
    return ThreadPriority;
}

BOOL FakeWorld::SetThreadPriority(HANDLE thread, int priority)
{
    Record("SetThreadPriority", thread, priority);
    ThreadPriority = priority;
    return TRUE;
}

DWORD FakeWorld::GetPriorityClass(HANDLE process)
{
    Record("GetPriorityClass", process);
    return PriorityClass;
}

BOOL FakeWorld::SetPriorityClass(HANDLE process, DWORD priorityClass)
{
    Record("SetPriorityClass", process, priorityClass);
    PriorityClass = priorityClass;
    return TRUE;
}

HANDLE FakeWorld::OpenMutexW(DWORD access, BOOL inherit, const wchar_t* name)
{
    Record("OpenMutexW", access, inherit, name);
    return ExistingMutex;
}

HANDLE FakeWorld::CreateMutexW(SECURITY_ATTRIBUTES*, BOOL owned, const wchar_t* name)
{
    Record("CreateMutexW", owned, name);
    return NewMutex;
}

BOOL FakeWorld::ReleaseMutex(HANDLE mutex)
{
    Record("ReleaseMutex", mutex);
    return TRUE;
}

BOOL FakeWorld::CloseHandle(HANDLE handle)
{
    Record("CloseHandle", handle);
    return TRUE;
}

HANDLE FakeWorld::CreateFileMappingW(HANDLE file, SECURITY_ATTRIBUTES*, DWORD protect,
                                     DWORD sizeHigh, DWORD sizeLow, const wchar_t* name)
{
    Record("CreateFileMappingW", file, protect, sizeHigh, sizeLow, name);
    return Mapping;
}

void* FakeWorld::MapViewOfFile(HANDLE mapping, DWORD access, DWORD offsetHigh, DWORD offsetLow,
                               SIZE_T bytes)
{
    Record("MapViewOfFile", mapping, access, offsetHigh, offsetLow, static_cast<long long>(bytes));
    return ViewMaps ? View : nullptr;
}

BOOL FakeWorld::UnmapViewOfFile(const void* view)
{
    Record("UnmapViewOfFile", view);
    return TRUE;
}

HMODULE FakeWorld::LoadLibraryW(const wchar_t* path)
{
    Record("LoadLibraryW", path);
    return Library;
}

FARPROC FakeWorld::GetProcAddress(HMODULE module, const char* name)
{
    Record("GetProcAddress", module, name);
    auto found = Procs.find(name);
    return found == Procs.end() ? nullptr : found->second;
}

LSTATUS FakeWorld::RegOpenKeyExW(HKEY root, const wchar_t* subkey, DWORD options, REGSAM access,
                                 HKEY* key)
{
    Record("RegOpenKeyExW", root, subkey, options, access);
    *key = reinterpret_cast<HKEY>(0x60);
    return ERROR_SUCCESS;
}

LSTATUS FakeWorld::RegSetValueExW(HKEY key, const wchar_t* name, DWORD, DWORD type,
                                  const BYTE* data, DWORD bytes)
{
    Record("RegSetValueExW", key, name, type, reinterpret_cast<const wchar_t*>(data), bytes);
    return ERROR_SUCCESS;
}

LSTATUS FakeWorld::RegCloseKey(HKEY key)
{
    Record("RegCloseKey", key);
    return ERROR_SUCCESS;
}

UINT FakeWorld::RegisterWindowMessageW(const wchar_t* name)
{
    Record("RegisterWindowMessageW", name);
    auto found = Messages.find(name);
    if (found != Messages.end())
        return found->second;
    UINT number = 0xC100 + static_cast<UINT>(Messages.size());
    Messages[name] = number;
    return number;
}

ATOM FakeWorld::RegisterClassExW(const WNDCLASSEXW* windowClass)
{
    Record("RegisterClassExW", windowClass->lpszClassName, windowClass->style,
           windowClass->cbWndExtra);
    return 1;
}

HWND FakeWorld::CreateWindowExW(DWORD exStyle, const wchar_t* className, const wchar_t* title,
                                DWORD style, int x, int y, int width, int height, HWND parent,
                                HMENU, HINSTANCE, void*)
{
    Record("CreateWindowExW", exStyle, className, title, style, x, y, width, height, parent);
    return CreatedWindow;
}

HWND FakeWorld::FindWindowW(const wchar_t* className, const wchar_t* title)
{
    Record("FindWindowW", className, title);
    auto found = WindowsByClass.find(className ? className : L"");
    return found == WindowsByClass.end() ? nullptr : found->second;
}

BOOL FakeWorld::EnumWindows(WNDENUMPROC proc, LPARAM param)
{
    Record("EnumWindows");
    for (HWND window : TopWindows) {
        if (!proc(window, param))
            return FALSE;
    }
    return TRUE;
}

LRESULT FakeWorld::DefWindowProcW(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    Record("DefWindowProcW", window, message, wParam, lParam);
    return DefaultResult;
}

BOOL FakeWorld::PostMessageW(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    Record("PostMessageW", window, message, wParam, lParam);
    return TRUE;
}

BOOL FakeWorld::SendNotifyMessageW(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    Record("SendNotifyMessageW", window, message, wParam, lParam);
    return TRUE;
}

LRESULT FakeWorld::SendMessageTimeoutW(HWND window, UINT message, WPARAM wParam, LPARAM lParam,
                                       UINT flags, UINT timeoutMs, DWORD_PTR* result)
{
    Record("SendMessageTimeoutW", window, message, wParam, lParam, flags, timeoutMs);
    if (result)
        *result = 0;
    return 0;
}

void FakeWorld::PostQuitMessage(int exitCode)
{
    Record("PostQuitMessage", exitCode);
}

BOOL FakeWorld::GetMessageW(MSG*, HWND, UINT, UINT)
{
    Record("GetMessageW");
    return FALSE;
}

BOOL FakeWorld::TranslateMessage(const MSG*)
{
    Record("TranslateMessage");
    return TRUE;
}

LRESULT FakeWorld::DispatchMessageW(const MSG*)
{
    Record("DispatchMessageW");
    return 0;
}

LONG_PTR FakeWorld::GetWindowLongPtrW(HWND window, int index)
{
    Record("GetWindowLongPtrW", window, index);
    if (index != GWLP_USERDATA)
        return 0;
    auto found = UserData.find(window);
    return found == UserData.end() ? 0 : found->second;
}

LONG_PTR FakeWorld::SetWindowLongPtrW(HWND window, int index, LONG_PTR value)
{
    Record("SetWindowLongPtrW", window, index, value);
    LONG_PTR previous = 0;
    if (index == GWLP_USERDATA) {
        previous = UserData[window];
        UserData[window] = value;
    }
    return previous;
}

BOOL FakeWorld::SetWindowTextW(HWND window, const wchar_t* text)
{
    Record("SetWindowTextW", window, text);
    return TRUE;
}

BOOL FakeWorld::SetWindowPos(HWND window, HWND insertAfter, int x, int y, int width, int height,
                             UINT flags)
{
    Record("SetWindowPos", window, insertAfter, x, y, width, height, flags);
    return TRUE;
}

HWND FakeWorld::GetWindow(HWND window, UINT relation)
{
    Record("GetWindow", window, relation);
    return nullptr;
}

HWND FakeWorld::GetParent(HWND window)
{
    Record("GetParent", window);
    return nullptr;
}

BOOL FakeWorld::IsWindowVisible(HWND window)
{
    Record("IsWindowVisible", window);
    return FALSE;
}

BOOL FakeWorld::GetWindowRect(HWND window, RECT* rect)
{
    Record("GetWindowRect", window);
    *rect = RECT{};
    return FALSE;
}

HWND FakeWorld::WindowFromPoint(POINT point)
{
    Record("WindowFromPoint", point.x, point.y);
    return nullptr;
}

HWND FakeWorld::ChildWindowFromPointEx(HWND window, POINT point, UINT flags)
{
    Record("ChildWindowFromPointEx", window, point.x, point.y, flags);
    return nullptr;
}

BOOL FakeWorld::ScreenToClient(HWND window, POINT*)
{
    Record("ScreenToClient", window);
    return FALSE;
}

int FakeWorld::GetClassNameW(HWND window, wchar_t* buffer, int chars)
{
    Record("GetClassNameW", window);
    if (chars > 0)
        buffer[0] = L'\0';
    return 0;
}

BOOL FakeWorld::RegisterHotKey(HWND window, int id, UINT modifiers, UINT key)
{
    Record("RegisterHotKey", window, id, modifiers, key);
    return HotKeyRegisters;
}

BOOL FakeWorld::UnregisterHotKey(HWND window, int id)
{
    Record("UnregisterHotKey", window, id);
    return TRUE;
}

MMRESULT FakeWorld::timeSetEvent(UINT delayMs, UINT resolutionMs, LPTIMECALLBACK callback,
                                 DWORD_PTR user, UINT flags)
{
    Record("timeSetEvent", delayMs, resolutionMs, reinterpret_cast<void*>(callback),
           static_cast<long long>(user), flags);
    return TimerId;
}

MMRESULT FakeWorld::timeKillEvent(UINT id)
{
    Record("timeKillEvent", id);
    return TIMERR_NOERROR;
}

UINT_PTR FakeWorld::SetTimer(HWND window, UINT_PTR id, UINT elapseMs, TIMERPROC)
{
    Record("SetTimer", window, static_cast<long long>(id), elapseMs);
    return id;
}

BOOL FakeWorld::KillTimer(HWND window, UINT_PTR id)
{
    Record("KillTimer", window, static_cast<long long>(id));
    return TRUE;
}

BOOL FakeWorld::GetCursorPos(POINT* point)
{
    Record("GetCursorPos");
    *point = POINT{100, 200};
    return TRUE;
}

BOOL FakeWorld::GetCursorInfo(CURSORINFO* info)
{
    Record("GetCursorInfo");
    info->flags = 0;
    info->hCursor = nullptr;
    info->ptScreenPos = POINT{100, 200};
    return TRUE;
}

HCURSOR FakeWorld::LoadCursorW(HINSTANCE instance, const wchar_t* name)
{
    Record("LoadCursorW", instance, reinterpret_cast<uintptr_t>(name));
    return reinterpret_cast<HCURSOR>(0x7000 + reinterpret_cast<uintptr_t>(name));
}

HICON FakeWorld::CopyIcon(HICON icon)
{
    Record("CopyIcon", icon);
    return icon;
}

BOOL FakeWorld::SetSystemCursor(HCURSOR cursor, DWORD id)
{
    Record("SetSystemCursor", cursor, id);
    return TRUE;
}

BOOL FakeWorld::DestroyCursor(HCURSOR cursor)
{
    Record("DestroyCursor", cursor);
    return TRUE;
}

BOOL FakeWorld::GetIconInfo(HICON icon, ICONINFO* info)
{
    Record("GetIconInfo", icon);
    *info = ICONINFO{};
    return FALSE;
}

BOOL FakeWorld::DeleteObject(HGDIOBJ object)
{
    Record("DeleteObject", object);
    return TRUE;
}

BOOL FakeWorld::GetConsoleDisplayMode(DWORD* flags)
{
    Record("GetConsoleDisplayMode");
    *flags = 0;
    return TRUE;
}

HDESK FakeWorld::OpenInputDesktop(DWORD flags, BOOL inherit, ACCESS_MASK access)
{
    Record("OpenInputDesktop", flags, inherit, access);
    return reinterpret_cast<HDESK>(0x70);
}

BOOL FakeWorld::CloseDesktop(HDESK desktop)
{
    Record("CloseDesktop", desktop);
    return TRUE;
}

BOOL FakeWorld::SystemParametersInfoW(UINT action, UINT uiParam, void*, UINT winIni)
{
    Record("SystemParametersInfoW", action, uiParam, winIni);
    return TRUE;
}

int FakeWorld::GetSystemMetrics(int index)
{
    Record("GetSystemMetrics", index);
    return 0;
}

BOOL FakeWorld::PlaySoundW(const wchar_t* sound, HMODULE module, DWORD flags)
{
    Record("PlaySoundW", reinterpret_cast<const void*>(sound), module, flags);
    return TRUE;
}

void FakeWorld::GetCurrentThemePath(wchar_t* buffer)
{
    Record("GetCurrentThemePath");
    wcscpy(buffer, CurrentThemePath.c_str());
}

void FakeWorld::GetThemesFolder(wchar_t* buffer)
{
    Record("GetThemesFolder");
    wcscpy(buffer, ThemesFolder.c_str());
}

int FakeWorld::ReadRegistryDword(int32_t* out, HKEY root, const wchar_t* subkey,
                                 const wchar_t* name, int32_t fallback)
{
    Record("ReadRegistryDword", root, subkey, name, fallback);
    auto found = Settings.find(name);
    *out = found == Settings.end() ? fallback : found->second;
    return found != Settings.end();
}

HWND FakeWorld::GetAncestor(HWND window, UINT flags)
{
    Record("GetAncestor", window, flags);
    return window;
}

BOOL FakeWorld::ShowWindow(HWND window, int command)
{
    Record("ShowWindow", window, command);
    return TRUE;
}

int FakeWorld::ChangeObjectState(LMObj* object, const wchar_t* name)
{
    Record("ChangeObjectState", name);
    return EngineWorld::ChangeObjectState(object, name);
}

int FakeWorld::GetObjectW(HANDLE object, int bytes, void*)
{
    Record("GetObjectW", object, bytes);
    return 0;
}

LONG FakeWorld::GetBitmapBits(HBITMAP bitmap, LONG bytes, void*)
{
    Record("GetBitmapBits", bitmap, bytes);
    return 0;
}

LPTOP_LEVEL_EXCEPTION_FILTER
FakeWorld::SetUnhandledExceptionFilter(LPTOP_LEVEL_EXCEPTION_FILTER filter)
{
    Record("SetUnhandledExceptionFilter", reinterpret_cast<void*>(filter));
    return nullptr;
}
