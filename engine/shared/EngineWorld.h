#pragma once
// Everything the engine asks of its surroundings (Windows, the user's folders
// and settings) goes through this one interface, so its logic can run against
// a recorded fake world in tests. Each operation of the base class is a
// one-line forward to the real thing (EngineWorld.cpp); a test world replaces
// what it wants to see or decide.

#include <windows.h>

#include <mmsystem.h>
#include <shellapi.h>

#include <cstdint>

class LMObj;

class EngineWorld {
public:
    virtual ~EngineWorld() = default;

    // Process, files and environment.
    virtual LPWSTR GetCommandLineW();
    virtual DWORD GetModuleFileNameW(HMODULE module, wchar_t* buffer, DWORD chars);
    virtual DWORD GetFileAttributesW(const wchar_t* path);
    virtual DWORD GetLongPathNameW(const wchar_t* path, wchar_t* buffer, DWORD chars);
    virtual BOOL CopyFileW(const wchar_t* from, const wchar_t* to, BOOL failIfExists);
    virtual DWORD GetLastError();
    virtual HANDLE GetCurrentProcess();
    virtual HANDLE GetCurrentThread();
    virtual BOOL SetProcessWorkingSetSize(HANDLE process, SIZE_T minimum, SIZE_T maximum);
    virtual BOOL ShellExecuteExW(SHELLEXECUTEINFOW* info);

    // Clock and sleep.
    virtual DWORD NowMs();
    virtual void Sleep(DWORD milliseconds);

    // Thread and process priority.
    virtual int GetThreadPriority(HANDLE thread);
    virtual BOOL SetThreadPriority(HANDLE thread, int priority);
    virtual DWORD GetPriorityClass(HANDLE process);
    virtual BOOL SetPriorityClass(HANDLE process, DWORD priorityClass);

    // Named objects: the single-instance mutex and the shared cursor record.
    virtual HANDLE OpenMutexW(DWORD access, BOOL inherit, const wchar_t* name);
    virtual HANDLE CreateMutexW(SECURITY_ATTRIBUTES* attributes, BOOL owned, const wchar_t* name);
    virtual BOOL ReleaseMutex(HANDLE mutex);
    virtual BOOL CloseHandle(HANDLE handle);
    virtual HANDLE CreateFileMappingW(HANDLE file, SECURITY_ATTRIBUTES* attributes, DWORD protect,
                                      DWORD sizeHigh, DWORD sizeLow, const wchar_t* name);
    virtual void* MapViewOfFile(HANDLE mapping, DWORD access, DWORD offsetHigh, DWORD offsetLow,
                                SIZE_T bytes);
    virtual BOOL UnmapViewOfFile(const void* view);

    // The hook library.
    virtual HMODULE LoadLibraryW(const wchar_t* path);
    virtual FARPROC GetProcAddress(HMODULE module, const char* name);

    // Registry writes (reads go through the theme library).
    virtual LSTATUS RegOpenKeyExW(HKEY root, const wchar_t* subkey, DWORD options, REGSAM access,
                                  HKEY* key);
    virtual LSTATUS RegSetValueExW(HKEY key, const wchar_t* name, DWORD reserved, DWORD type,
                                   const BYTE* data, DWORD bytes);
    virtual LSTATUS RegCloseKey(HKEY key);

    // Registration of the settings page: its keys, the system version that
    // decides its control-panel item, and the item's task file.
    virtual LSTATUS RegCreateKeyExW(HKEY root, const wchar_t* subkey, DWORD reserved,
                                    wchar_t* className, DWORD options, REGSAM access,
                                    SECURITY_ATTRIBUTES* security, HKEY* key, DWORD* disposition);
    virtual LSTATUS RegDeleteKeyW(HKEY root, const wchar_t* subkey);
    virtual LSTATUS RegDeleteValueW(HKEY key, const wchar_t* name);
    virtual LSTATUS RegQueryInfoKeyW(HKEY key, wchar_t* className, DWORD* classChars,
                                     DWORD* reserved, DWORD* subkeys, DWORD* longestSubkey,
                                     DWORD* longestClass, DWORD* values, DWORD* longestValueName,
                                     DWORD* longestValue, DWORD* securityBytes,
                                     FILETIME* lastWrite);
    virtual BOOL GetVersionExW(OSVERSIONINFOW* version);
    virtual DWORD GetShortPathNameW(const wchar_t* path, wchar_t* buffer, DWORD chars);
    virtual HANDLE CreateFileW(const wchar_t* path, DWORD access, DWORD share,
                               SECURITY_ATTRIBUTES* security, DWORD disposition, DWORD flags,
                               HANDLE templateFile);
    virtual BOOL WriteFile(HANDLE file, const void* data, DWORD bytes, DWORD* written,
                           OVERLAPPED* overlapped);

    // Windows and messages.
    virtual UINT RegisterWindowMessageW(const wchar_t* name);
    virtual ATOM RegisterClassExW(const WNDCLASSEXW* windowClass);
    virtual HWND CreateWindowExW(DWORD exStyle, const wchar_t* className, const wchar_t* title,
                                 DWORD style, int x, int y, int width, int height, HWND parent,
                                 HMENU menu, HINSTANCE instance, void* param);
    virtual HWND FindWindowW(const wchar_t* className, const wchar_t* title);
    virtual BOOL EnumWindows(WNDENUMPROC proc, LPARAM param);
    virtual LRESULT DefWindowProcW(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
    virtual BOOL PostMessageW(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
    virtual BOOL SendNotifyMessageW(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
    virtual LRESULT SendMessageTimeoutW(HWND window, UINT message, WPARAM wParam, LPARAM lParam,
                                        UINT flags, UINT timeoutMs, DWORD_PTR* result);
    virtual void PostQuitMessage(int exitCode);
    virtual BOOL GetMessageW(MSG* message, HWND window, UINT first, UINT last);
    virtual BOOL TranslateMessage(const MSG* message);
    virtual LRESULT DispatchMessageW(const MSG* message);

    // Window state and queries.
    virtual LONG_PTR GetWindowLongPtrW(HWND window, int index);
    virtual LONG_PTR SetWindowLongPtrW(HWND window, int index, LONG_PTR value);
    virtual BOOL SetWindowTextW(HWND window, const wchar_t* text);
    virtual BOOL SetWindowPos(HWND window, HWND insertAfter, int x, int y, int width, int height,
                              UINT flags);
    virtual HWND GetWindow(HWND window, UINT relation);
    virtual HWND GetParent(HWND window);
    virtual BOOL IsWindowVisible(HWND window);
    virtual BOOL GetWindowRect(HWND window, RECT* rect);
    virtual HWND WindowFromPoint(POINT point);
    virtual HWND ChildWindowFromPointEx(HWND window, POINT point, UINT flags);
    virtual BOOL ScreenToClient(HWND window, POINT* point);
    virtual int GetClassNameW(HWND window, wchar_t* buffer, int chars);

    // Hot key and timers.
    virtual BOOL RegisterHotKey(HWND window, int id, UINT modifiers, UINT key);
    virtual BOOL UnregisterHotKey(HWND window, int id);
    virtual MMRESULT timeSetEvent(UINT delayMs, UINT resolutionMs, LPTIMECALLBACK callback,
                                  DWORD_PTR user, UINT flags);
    virtual MMRESULT timeKillEvent(UINT id);
    virtual UINT_PTR SetTimer(HWND window, UINT_PTR id, UINT elapseMs, TIMERPROC callback);
    virtual BOOL KillTimer(HWND window, UINT_PTR id);

    // Cursors.
    virtual BOOL GetCursorPos(POINT* point);
    virtual BOOL GetCursorInfo(CURSORINFO* info);
    virtual HCURSOR LoadCursorW(HINSTANCE instance, const wchar_t* name);
    virtual HICON CopyIcon(HICON icon);
    virtual BOOL SetSystemCursor(HCURSOR cursor, DWORD id);
    virtual BOOL DestroyCursor(HCURSOR cursor);
    virtual BOOL GetIconInfo(HICON icon, ICONINFO* info);
    virtual BOOL DeleteObject(HGDIOBJ object);

    // Checks of the environment.
    virtual BOOL GetConsoleDisplayMode(DWORD* flags);
    virtual HDESK OpenInputDesktop(DWORD flags, BOOL inherit, ACCESS_MASK access);
    virtual BOOL CloseDesktop(HDESK desktop);
    virtual BOOL SystemParametersInfoW(UINT action, UINT uiParam, void* pvParam, UINT winIni);
    virtual int GetSystemMetrics(int index);

    // Sound.
    virtual BOOL PlaySoundW(const wchar_t* sound, HMODULE module, DWORD flags);

    // The user's folders and settings (the theme library's helpers).
    virtual void GetCurrentThemePath(wchar_t* buffer);
    virtual void GetThemesFolder(wchar_t* buffer);
    virtual int ReadRegistryDword(int32_t* out, HKEY root, const wchar_t* subkey,
                                  const wchar_t* name, int32_t fallback);

    // The tracking step and the sprites.
    virtual HWND GetAncestor(HWND window, UINT flags);
    virtual BOOL ShowWindow(HWND window, int command);
    // A state request of a toolkit object (the drawn pointer), so that a
    // variant of the engine can follow what it shows.
    virtual int ChangeObjectState(LMObj* object, const wchar_t* name);
    // Reading a cursor's mask, and the last-chance handler of a crash.
    virtual int GetObjectW(HANDLE object, int bytes, void* buffer);
    virtual LONG GetBitmapBits(HBITMAP bitmap, LONG bytes, void* bits);
    virtual LPTOP_LEVEL_EXCEPTION_FILTER
    SetUnhandledExceptionFilter(LPTOP_LEVEL_EXCEPTION_FILTER filter);
};

// The world the engine runs in: the real one unless a test put another.
EngineWorld& World();

// Puts a world in place (null: the real one) and returns the previous one.
EngineWorld* SetWorld(EngineWorld* world);
