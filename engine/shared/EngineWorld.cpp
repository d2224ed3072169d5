// The real world: each operation forwards to the call of its name.

#include "EngineWorld.h"

#include "LMClock.h"
#include "LMObj.h"
#include "RegistrySettings.h"
#include "ThemeLocations.h"

LPWSTR EngineWorld::GetCommandLineW()
{
    return ::GetCommandLineW();
}

DWORD EngineWorld::GetModuleFileNameW(HMODULE module, wchar_t* buffer, DWORD chars)
{
    return ::GetModuleFileNameW(module, buffer, chars);
}

DWORD EngineWorld::GetFileAttributesW(const wchar_t* path)
{
    return ::GetFileAttributesW(path);
}

DWORD EngineWorld::GetLongPathNameW(const wchar_t* path, wchar_t* buffer, DWORD chars)
{
    return ::GetLongPathNameW(path, buffer, chars);
}

BOOL EngineWorld::CopyFileW(const wchar_t* from, const wchar_t* to, BOOL failIfExists)
{
    return ::CopyFileW(from, to, failIfExists);
}

DWORD EngineWorld::GetLastError()
{
    return ::GetLastError();
}

HANDLE EngineWorld::GetCurrentProcess()
{
    return ::GetCurrentProcess();
}

HANDLE EngineWorld::GetCurrentThread()
{
    return ::GetCurrentThread();
}

BOOL EngineWorld::SetProcessWorkingSetSize(HANDLE process, SIZE_T minimum, SIZE_T maximum)
{
    return ::SetProcessWorkingSetSize(process, minimum, maximum);
}

BOOL EngineWorld::ShellExecuteExW(SHELLEXECUTEINFOW* info)
{
    return ::ShellExecuteExW(info);
}

DWORD EngineWorld::NowMs()
{
    return LMClockNowMs();
}

void EngineWorld::Sleep(DWORD milliseconds)
{
    ::Sleep(milliseconds);
}

int EngineWorld::GetThreadPriority(HANDLE thread)
{
    return ::GetThreadPriority(thread);
}

BOOL EngineWorld::SetThreadPriority(HANDLE thread, int priority)
{
    return ::SetThreadPriority(thread, priority);
}

DWORD EngineWorld::GetPriorityClass(HANDLE process)
{
    return ::GetPriorityClass(process);
}

BOOL EngineWorld::SetPriorityClass(HANDLE process, DWORD priorityClass)
{
    return ::SetPriorityClass(process, priorityClass);
}

HANDLE EngineWorld::OpenMutexW(DWORD access, BOOL inherit, const wchar_t* name)
{
    return ::OpenMutexW(access, inherit, name);
}

HANDLE EngineWorld::CreateMutexW(SECURITY_ATTRIBUTES* attributes, BOOL owned, const wchar_t* name)
{
    return ::CreateMutexW(attributes, owned, name);
}

BOOL EngineWorld::ReleaseMutex(HANDLE mutex)
{
    return ::ReleaseMutex(mutex);
}

BOOL EngineWorld::CloseHandle(HANDLE handle)
{
    return ::CloseHandle(handle);
}

HANDLE EngineWorld::CreateFileMappingW(HANDLE file, SECURITY_ATTRIBUTES* attributes, DWORD protect,
                                       DWORD sizeHigh, DWORD sizeLow, const wchar_t* name)
{
    return ::CreateFileMappingW(file, attributes, protect, sizeHigh, sizeLow, name);
}

void* EngineWorld::MapViewOfFile(HANDLE mapping, DWORD access, DWORD offsetHigh, DWORD offsetLow,
                                 SIZE_T bytes)
{
    return ::MapViewOfFile(mapping, access, offsetHigh, offsetLow, bytes);
}

BOOL EngineWorld::UnmapViewOfFile(const void* view)
{
    return ::UnmapViewOfFile(view);
}

HMODULE EngineWorld::LoadLibraryW(const wchar_t* path)
{
    return ::LoadLibraryW(path);
}

FARPROC EngineWorld::GetProcAddress(HMODULE module, const char* name)
{
    return ::GetProcAddress(module, name);
}

LSTATUS EngineWorld::RegOpenKeyExW(HKEY root, const wchar_t* subkey, DWORD options, REGSAM access,
                                   HKEY* key)
{
    return ::RegOpenKeyExW(root, subkey, options, access, key);
}

LSTATUS EngineWorld::RegSetValueExW(HKEY key, const wchar_t* name, DWORD reserved, DWORD type,
                                    const BYTE* data, DWORD bytes)
{
    return ::RegSetValueExW(key, name, reserved, type, data, bytes);
}

LSTATUS EngineWorld::RegCloseKey(HKEY key)
{
    return ::RegCloseKey(key);
}

LSTATUS EngineWorld::RegCreateKeyExW(HKEY root, const wchar_t* subkey, DWORD reserved,
                                     wchar_t* className, DWORD options, REGSAM access,
                                     SECURITY_ATTRIBUTES* security, HKEY* key, DWORD* disposition)
{
    return ::RegCreateKeyExW(root, subkey, reserved, className, options, access, security, key,
                             disposition);
}

LSTATUS EngineWorld::RegDeleteKeyW(HKEY root, const wchar_t* subkey)
{
    return ::RegDeleteKeyW(root, subkey);
}

LSTATUS EngineWorld::RegDeleteValueW(HKEY key, const wchar_t* name)
{
    return ::RegDeleteValueW(key, name);
}

LSTATUS EngineWorld::RegQueryInfoKeyW(HKEY key, wchar_t* className, DWORD* classChars,
                                      DWORD* reserved, DWORD* subkeys, DWORD* longestSubkey,
                                      DWORD* longestClass, DWORD* values, DWORD* longestValueName,
                                      DWORD* longestValue, DWORD* securityBytes,
                                      FILETIME* lastWrite)
{
    return ::RegQueryInfoKeyW(key, className, classChars, reserved, subkeys, longestSubkey,
                              longestClass, values, longestValueName, longestValue, securityBytes,
                              lastWrite);
}

BOOL EngineWorld::GetVersionExW(OSVERSIONINFOW* version)
{
    return ::GetVersionExW(version);
}

DWORD EngineWorld::GetShortPathNameW(const wchar_t* path, wchar_t* buffer, DWORD chars)
{
    return ::GetShortPathNameW(path, buffer, chars);
}

HANDLE EngineWorld::CreateFileW(const wchar_t* path, DWORD access, DWORD share,
                                SECURITY_ATTRIBUTES* security, DWORD disposition, DWORD flags,
                                HANDLE templateFile)
{
    return ::CreateFileW(path, access, share, security, disposition, flags, templateFile);
}

BOOL EngineWorld::WriteFile(HANDLE file, const void* data, DWORD bytes, DWORD* written,
                            OVERLAPPED* overlapped)
{
    return ::WriteFile(file, data, bytes, written, overlapped);
}

UINT EngineWorld::RegisterWindowMessageW(const wchar_t* name)
{
    return ::RegisterWindowMessageW(name);
}

ATOM EngineWorld::RegisterClassExW(const WNDCLASSEXW* windowClass)
{
    return ::RegisterClassExW(windowClass);
}

HWND EngineWorld::CreateWindowExW(DWORD exStyle, const wchar_t* className, const wchar_t* title,
                                  DWORD style, int x, int y, int width, int height, HWND parent,
                                  HMENU menu, HINSTANCE instance, void* param)
{
    return ::CreateWindowExW(exStyle, className, title, style, x, y, width, height, parent, menu,
                             instance, param);
}

HWND EngineWorld::FindWindowW(const wchar_t* className, const wchar_t* title)
{
    return ::FindWindowW(className, title);
}

BOOL EngineWorld::EnumWindows(WNDENUMPROC proc, LPARAM param)
{
    return ::EnumWindows(proc, param);
}

LRESULT EngineWorld::DefWindowProcW(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    return ::DefWindowProcW(window, message, wParam, lParam);
}

BOOL EngineWorld::PostMessageW(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    return ::PostMessageW(window, message, wParam, lParam);
}

BOOL EngineWorld::SendNotifyMessageW(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    return ::SendNotifyMessageW(window, message, wParam, lParam);
}

LRESULT EngineWorld::SendMessageTimeoutW(HWND window, UINT message, WPARAM wParam, LPARAM lParam,
                                         UINT flags, UINT timeoutMs, DWORD_PTR* result)
{
    return ::SendMessageTimeoutW(window, message, wParam, lParam, flags, timeoutMs, result);
}

void EngineWorld::PostQuitMessage(int exitCode)
{
    ::PostQuitMessage(exitCode);
}

BOOL EngineWorld::GetMessageW(MSG* message, HWND window, UINT first, UINT last)
{
    return ::GetMessageW(message, window, first, last);
}

BOOL EngineWorld::TranslateMessage(const MSG* message)
{
    return ::TranslateMessage(message);
}

LRESULT EngineWorld::DispatchMessageW(const MSG* message)
{
    return ::DispatchMessageW(message);
}

LONG_PTR EngineWorld::GetWindowLongPtrW(HWND window, int index)
{
    return ::GetWindowLongPtrW(window, index);
}

LONG_PTR EngineWorld::SetWindowLongPtrW(HWND window, int index, LONG_PTR value)
{
    return ::SetWindowLongPtrW(window, index, value);
}

BOOL EngineWorld::SetWindowTextW(HWND window, const wchar_t* text)
{
    return ::SetWindowTextW(window, text);
}

BOOL EngineWorld::SetWindowPos(HWND window, HWND insertAfter, int x, int y, int width, int height,
                               UINT flags)
{
    return ::SetWindowPos(window, insertAfter, x, y, width, height, flags);
}

HWND EngineWorld::GetWindow(HWND window, UINT relation)
{
    return ::GetWindow(window, relation);
}

HWND EngineWorld::GetParent(HWND window)
{
    return ::GetParent(window);
}

BOOL EngineWorld::IsWindowVisible(HWND window)
{
    return ::IsWindowVisible(window);
}

BOOL EngineWorld::GetWindowRect(HWND window, RECT* rect)
{
    return ::GetWindowRect(window, rect);
}

HWND EngineWorld::WindowFromPoint(POINT point)
{
    return ::WindowFromPoint(point);
}

HWND EngineWorld::ChildWindowFromPointEx(HWND window, POINT point, UINT flags)
{
    return ::ChildWindowFromPointEx(window, point, flags);
}

BOOL EngineWorld::ScreenToClient(HWND window, POINT* point)
{
    return ::ScreenToClient(window, point);
}

int EngineWorld::GetClassNameW(HWND window, wchar_t* buffer, int chars)
{
    return ::GetClassNameW(window, buffer, chars);
}

BOOL EngineWorld::RegisterHotKey(HWND window, int id, UINT modifiers, UINT key)
{
    return ::RegisterHotKey(window, id, modifiers, key);
}

BOOL EngineWorld::UnregisterHotKey(HWND window, int id)
{
    return ::UnregisterHotKey(window, id);
}

MMRESULT EngineWorld::timeSetEvent(UINT delayMs, UINT resolutionMs, LPTIMECALLBACK callback,
                                   DWORD_PTR user, UINT flags)
{
    return ::timeSetEvent(delayMs, resolutionMs, callback, user, flags);
}

MMRESULT EngineWorld::timeKillEvent(UINT id)
{
    return ::timeKillEvent(id);
}

UINT_PTR EngineWorld::SetTimer(HWND window, UINT_PTR id, UINT elapseMs, TIMERPROC callback)
{
    return ::SetTimer(window, id, elapseMs, callback);
}

BOOL EngineWorld::KillTimer(HWND window, UINT_PTR id)
{
    return ::KillTimer(window, id);
}

BOOL EngineWorld::GetCursorPos(POINT* point)
{
    return ::GetCursorPos(point);
}

BOOL EngineWorld::GetCursorInfo(CURSORINFO* info)
{
    return ::GetCursorInfo(info);
}

HCURSOR EngineWorld::LoadCursorW(HINSTANCE instance, const wchar_t* name)
{
    return ::LoadCursorW(instance, name);
}

HICON EngineWorld::CopyIcon(HICON icon)
{
    return ::CopyIcon(icon);
}

BOOL EngineWorld::SetSystemCursor(HCURSOR cursor, DWORD id)
{
    return ::SetSystemCursor(cursor, id);
}

BOOL EngineWorld::DestroyCursor(HCURSOR cursor)
{
    return ::DestroyCursor(cursor);
}

BOOL EngineWorld::GetIconInfo(HICON icon, ICONINFO* info)
{
    return ::GetIconInfo(icon, info);
}

BOOL EngineWorld::DeleteObject(HGDIOBJ object)
{
    return ::DeleteObject(object);
}

BOOL EngineWorld::GetConsoleDisplayMode(DWORD* flags)
{
    return ::GetConsoleDisplayMode(flags);
}

HDESK EngineWorld::OpenInputDesktop(DWORD flags, BOOL inherit, ACCESS_MASK access)
{
    return ::OpenInputDesktop(flags, inherit, access);
}

BOOL EngineWorld::CloseDesktop(HDESK desktop)
{
    return ::CloseDesktop(desktop);
}

BOOL EngineWorld::SystemParametersInfoW(UINT action, UINT uiParam, void* pvParam, UINT winIni)
{
    return ::SystemParametersInfoW(action, uiParam, pvParam, winIni);
}

int EngineWorld::GetSystemMetrics(int index)
{
    return ::GetSystemMetrics(index);
}

BOOL EngineWorld::PlaySoundW(const wchar_t* sound, HMODULE module, DWORD flags)
{
    return ::PlaySoundW(sound, module, flags);
}

void EngineWorld::GetCurrentThemePath(wchar_t* buffer)
{
    ::GetCurrentThemePath(buffer);
}

void EngineWorld::GetThemesFolder(wchar_t* buffer)
{
    ::GetThemesFolder(buffer);
}

int EngineWorld::ReadRegistryDword(int32_t* out, HKEY root, const wchar_t* subkey,
                                   const wchar_t* name, int32_t fallback)
{
    return ::ReadRegistryDword(out, root, subkey, name, fallback);
}

HWND EngineWorld::GetAncestor(HWND window, UINT flags)
{
    return ::GetAncestor(window, flags);
}

BOOL EngineWorld::ShowWindow(HWND window, int command)
{
    return ::ShowWindow(window, command);
}

int EngineWorld::ChangeObjectState(LMObj* object, const wchar_t* name)
{
    return object->ChangeState(name);
}

int EngineWorld::GetObjectW(HANDLE object, int bytes, void* buffer)
{
    return ::GetObjectW(object, bytes, buffer);
}

LONG EngineWorld::GetBitmapBits(HBITMAP bitmap, LONG bytes, void* bits)
{
    return ::GetBitmapBits(bitmap, bytes, bits);
}

LPTOP_LEVEL_EXCEPTION_FILTER
EngineWorld::SetUnhandledExceptionFilter(LPTOP_LEVEL_EXCEPTION_FILTER filter)
{
    return ::SetUnhandledExceptionFilter(filter);
}

namespace {

EngineWorld g_realWorld;
EngineWorld* g_world = &g_realWorld;

}  // namespace

EngineWorld& World()
{
    return *g_world;
}

EngineWorld* SetWorld(EngineWorld* world)
{
    EngineWorld* previous = g_world;
    g_world = world ? world : &g_realWorld;
    return previous;
}
