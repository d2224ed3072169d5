#pragma once
// A world for the engine that decides nothing by itself: every call is
// recorded as one line ("name arg arg ...") and answered from the fields below.

#include "EngineWorld.h"

#include <cstdint>
#include <map>
#include <string>
#include <vector>

class FakeWorld : public EngineWorld {
public:
    // The recorded calls, in order.
    std::vector<std::string> Calls;

    int Count(const std::string& prefix) const;
    // Index of the first call starting with prefix, or -1.
    int IndexOf(const std::string& prefix) const;
    bool Called(const std::string& prefix) const { return IndexOf(prefix) >= 0; }
    // Calls whose line starts with prefix.
    std::vector<std::string> CallsOf(const std::string& prefix) const;

    // Answers.
    std::wstring CommandLine = L"Trivane.exe";
    std::wstring ModulePath = L"C:\\Engine\\Trivane.exe";
    std::map<std::wstring, DWORD> FileAttributes;  // missing paths do not exist
    DWORD LastError = 0;
    DWORD Now = 0;
    int ThreadPriority = THREAD_PRIORITY_NORMAL;
    DWORD PriorityClass = NORMAL_PRIORITY_CLASS;
    HANDLE ExistingMutex = nullptr;  // what OpenMutexW finds
    HANDLE NewMutex = reinterpret_cast<HANDLE>(0x40);
    HANDLE Mapping = reinterpret_cast<HANDLE>(0x50);
    uint8_t View[256] = {};  // the mapped view
    bool ViewMaps = true;
    HMODULE Library = nullptr;
    std::map<std::string, FARPROC> Procs;
    std::map<std::wstring, UINT> Messages;  // registered on first use from 0xC100
    std::map<std::wstring, HWND> WindowsByClass;
    std::vector<HWND> TopWindows;       // what EnumWindows walks
    std::map<HWND, LONG_PTR> UserData;  // GWLP_USERDATA of each window
    HWND CreatedWindow = reinterpret_cast<HWND>(0x1000);
    MMRESULT TimerId = 7;
    BOOL HotKeyRegisters = TRUE;
    std::map<std::wstring, int32_t> Settings;  // registry DWORDs by value name
    std::wstring CurrentThemePath = L"C:\\Profile\\CurrentTheme.Trivane";
    std::wstring ThemesFolder = L"C:\\Shared\\Themes";
    LRESULT DefaultResult = 0x5A;  // what DefWindowProcW returns

    LPWSTR GetCommandLineW() override;
    DWORD GetModuleFileNameW(HMODULE module, wchar_t* buffer, DWORD chars) override;
    DWORD GetFileAttributesW(const wchar_t* path) override;
    DWORD GetLongPathNameW(const wchar_t* path, wchar_t* buffer, DWORD chars) override;
    BOOL CopyFileW(const wchar_t* from, const wchar_t* to, BOOL failIfExists) override;
    DWORD GetLastError() override;
    HANDLE GetCurrentProcess() override;
    HANDLE GetCurrentThread() override;
    BOOL SetProcessWorkingSetSize(HANDLE process, SIZE_T minimum, SIZE_T maximum) override;
    BOOL ShellExecuteExW(SHELLEXECUTEINFOW* info) override;
    DWORD NowMs() override;
    void Sleep(DWORD milliseconds) override;
    int GetThreadPriority(HANDLE thread) override;
    BOOL SetThreadPriority(HANDLE thread, int priority) override;
    DWORD GetPriorityClass(HANDLE process) override;
    BOOL SetPriorityClass(HANDLE process, DWORD priorityClass) override;
    HANDLE OpenMutexW(DWORD access, BOOL inherit, const wchar_t* name) override;
    HANDLE CreateMutexW(SECURITY_ATTRIBUTES* attributes, BOOL owned, const wchar_t* name) override;
    BOOL ReleaseMutex(HANDLE mutex) override;
    BOOL CloseHandle(HANDLE handle) override;
    HANDLE CreateFileMappingW(HANDLE file, SECURITY_ATTRIBUTES* attributes, DWORD protect,
                              DWORD sizeHigh, DWORD sizeLow, const wchar_t* name) override;
    void* MapViewOfFile(HANDLE mapping, DWORD access, DWORD offsetHigh, DWORD offsetLow,
                        SIZE_T bytes) override;
    BOOL UnmapViewOfFile(const void* view) override;
    HMODULE LoadLibraryW(const wchar_t* path) override;
    FARPROC GetProcAddress(HMODULE module, const char* name) override;
    LSTATUS RegOpenKeyExW(HKEY root, const wchar_t* subkey, DWORD options, REGSAM access,
                          HKEY* key) override;
    LSTATUS RegSetValueExW(HKEY key, const wchar_t* name, DWORD reserved, DWORD type,
                           const BYTE* data, DWORD bytes) override;
    LSTATUS RegCloseKey(HKEY key) override;
    UINT RegisterWindowMessageW(const wchar_t* name) override;
    ATOM RegisterClassExW(const WNDCLASSEXW* windowClass) override;
    HWND CreateWindowExW(DWORD exStyle, const wchar_t* className, const wchar_t* title, DWORD style,
                         int x, int y, int width, int height, HWND parent, HMENU menu,
                         HINSTANCE instance, void* param) override;
    HWND FindWindowW(const wchar_t* className, const wchar_t* title) override;
    BOOL EnumWindows(WNDENUMPROC proc, LPARAM param) override;
    LRESULT DefWindowProcW(HWND window, UINT message, WPARAM wParam, LPARAM lParam) override;
    BOOL PostMessageW(HWND window, UINT message, WPARAM wParam, LPARAM lParam) override;
    BOOL SendNotifyMessageW(HWND window, UINT message, WPARAM wParam, LPARAM lParam) override;
    LRESULT SendMessageTimeoutW(HWND window, UINT message, WPARAM wParam, LPARAM lParam, UINT flags,
                                UINT timeoutMs, DWORD_PTR* result) override;
    void PostQuitMessage(int exitCode) override;
    BOOL GetMessageW(MSG* message, HWND window, UINT first, UINT last) override;
    BOOL TranslateMessage(const MSG* message) override;
    LRESULT DispatchMessageW(const MSG* message) override;
    LONG_PTR GetWindowLongPtrW(HWND window, int index) override;
    LONG_PTR SetWindowLongPtrW(HWND window, int index, LONG_PTR value) override;
    BOOL SetWindowTextW(HWND window, const wchar_t* text) override;
    BOOL SetWindowPos(HWND window, HWND insertAfter, int x, int y, int width, int height,
                      UINT flags) override;
    HWND GetWindow(HWND window, UINT relation) override;
    HWND GetParent(HWND window) override;
    BOOL IsWindowVisible(HWND window) override;
    BOOL GetWindowRect(HWND window, RECT* rect) override;
    HWND WindowFromPoint(POINT point) override;
    HWND ChildWindowFromPointEx(HWND window, POINT point, UINT flags) override;
    BOOL ScreenToClient(HWND window, POINT* point) override;
    int GetClassNameW(HWND window, wchar_t* buffer, int chars) override;
    BOOL RegisterHotKey(HWND window, int id, UINT modifiers, UINT key) override;
    BOOL UnregisterHotKey(HWND window, int id) override;
    MMRESULT timeSetEvent(UINT delayMs, UINT resolutionMs, LPTIMECALLBACK callback, DWORD_PTR user,
                          UINT flags) override;
    MMRESULT timeKillEvent(UINT id) override;
    UINT_PTR SetTimer(HWND window, UINT_PTR id, UINT elapseMs, TIMERPROC callback) override;
    BOOL KillTimer(HWND window, UINT_PTR id) override;
    BOOL GetCursorPos(POINT* point) override;
    BOOL GetCursorInfo(CURSORINFO* info) override;
    HCURSOR LoadCursorW(HINSTANCE instance, const wchar_t* name) override;
    HICON CopyIcon(HICON icon) override;
    BOOL SetSystemCursor(HCURSOR cursor, DWORD id) override;
    BOOL DestroyCursor(HCURSOR cursor) override;
    BOOL GetIconInfo(HICON icon, ICONINFO* info) override;
    BOOL DeleteObject(HGDIOBJ object) override;
    BOOL GetConsoleDisplayMode(DWORD* flags) override;
    HDESK OpenInputDesktop(DWORD flags, BOOL inherit, ACCESS_MASK access) override;
    BOOL CloseDesktop(HDESK desktop) override;
    BOOL SystemParametersInfoW(UINT action, UINT uiParam, void* pvParam, UINT winIni) override;
    int GetSystemMetrics(int index) override;
    BOOL PlaySoundW(const wchar_t* sound, HMODULE module, DWORD flags) override;
    void GetCurrentThemePath(wchar_t* buffer) override;
    void GetThemesFolder(wchar_t* buffer) override;
    int ReadRegistryDword(int32_t* out, HKEY root, const wchar_t* subkey, const wchar_t* name,
                          int32_t fallback) override;
    HWND GetAncestor(HWND window, UINT flags) override;
    BOOL ShowWindow(HWND window, int command) override;
    // Recorded, then passed to the object: its state really changes.
    int ChangeObjectState(LMObj* object, const wchar_t* name) override;
    int GetObjectW(HANDLE object, int bytes, void* buffer) override;
    LONG GetBitmapBits(HBITMAP bitmap, LONG bytes, void* bits) override;
    LPTOP_LEVEL_EXCEPTION_FILTER
    SetUnhandledExceptionFilter(LPTOP_LEVEL_EXCEPTION_FILTER filter) override;

private:
    template <typename... Args> void Record(const char* name, const Args&... args);
};

// Puts a world in place for the life of the object.
class ScopedWorld {
public:
    explicit ScopedWorld(EngineWorld* world) : previous_(SetWorld(world)) {}
    ~ScopedWorld() { SetWorld(previous_); }
    ScopedWorld(const ScopedWorld&) = delete;
    ScopedWorld& operator=(const ScopedWorld&) = delete;

private:
    EngineWorld* previous_;
};

// Narrow text of a wide one, for recorded lines and assertions.
std::string Narrow(const std::wstring& text);
