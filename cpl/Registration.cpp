// Registration through the engine's world: keys and values, the task file,
// and the request that stops a running engine first.

#include "Registration.h"

#include "CplModule.h"
#include "EngineMessages.h"
#include "EngineWindowLookup.h"
#include "EngineWorld.h"
#include "RegistrationPlan.h"
#include "RegistryWrites.h"
#include "TasksDocument.h"
#include "WorldHandles.h"

#include <new>
#include <string>

namespace cpl {

namespace {

// The engine's stop request for a window of its class, sent after
// WM_TRV_SHUTDOWN; neither may block registration on a hung engine.
constexpr UINT kEngineStopRequest = 0x7B8;
constexpr UINT kStopTimeoutMs = 5000;
constexpr DWORD kStopPauseMs = 500;

// Keeps the first failure of a series of calls that all run regardless.
class FirstFailure {
public:
    void Note(LSTATUS status)
    {
        if (first_ == ERROR_SUCCESS)
            first_ = status;
    }
    HRESULT Result() const { return HRESULT_FROM_WIN32(first_); }

private:
    LSTATUS first_ = ERROR_SUCCESS;
};

// A removal finds nothing to do.
LSTATUS DoneIfMissing(LSTATUS status)
{
    return status == ERROR_FILE_NOT_FOUND || status == ERROR_PATH_NOT_FOUND ? ERROR_SUCCESS
                                                                            : status;
}

void StopRunningEngine()
{
    UINT shutdown = World().RegisterWindowMessageW(kEngineMessageNames[WM_TRV_SHUTDOWN]);
    HWND engine = FindEngineWindow();
    if (!engine || !shutdown)
        return;
    DWORD_PTR answer = 0;
    World().SendMessageTimeoutW(engine, shutdown, 0, 0, SMTO_ABORTIFHUNG, kStopTimeoutMs, &answer);
    World().SendMessageTimeoutW(engine, kEngineStopRequest, 0, 0, SMTO_ABORTIFHUNG, kStopTimeoutMs,
                                &answer);
    World().Sleep(kStopPauseMs);
}

LSTATUS RemoveValue(HKEY root, const wchar_t* key, const wchar_t* name)
{
    HKEY opened = nullptr;
    LSTATUS status = World().RegOpenKeyExW(root, key, 0, KEY_SET_VALUE, &opened);
    if (status == ERROR_SUCCESS)
        status = World().RegDeleteValueW(WorldRegKey(opened).Get(), name);
    return DoneIfMissing(status);
}

// A key that still holds subkeys belongs partly to someone else: it stays.
LSTATUS RemoveKey(HKEY root, const wchar_t* key)
{
    HKEY opened = nullptr;
    LSTATUS status = World().RegOpenKeyExW(root, key, 0, KEY_QUERY_VALUE, &opened);
    if (status == ERROR_SUCCESS) {
        WorldRegKey held(opened);
        DWORD subkeys = 0;
        status = World().RegQueryInfoKeyW(held.Get(), nullptr, nullptr, nullptr, &subkeys, nullptr,
                                          nullptr, nullptr, nullptr, nullptr, nullptr, nullptr);
        if (status == ERROR_SUCCESS && subkeys > 0)
            return ERROR_SUCCESS;
    } else if (DoneIfMissing(status) == ERROR_SUCCESS) {
        return ERROR_SUCCESS;
    }
    return DoneIfMissing(World().RegDeleteKeyW(root, key));
}

HRESULT RemoveAll(RemovalScope scope, bool item)
{
    StopRunningEngine();
    FirstFailure failure;
    for (const RegistryRemoval& removal : Removals(scope, item)) {
        const wchar_t* key = removal.Key.c_str();
        failure.Note(removal.Value ? RemoveValue(removal.Root, key, removal.Value)
                                   : RemoveKey(removal.Root, key));
    }
    return failure.Result();
}

LSTATUS Write(const RegistryWrite& write)
{
    if (write.TooLong)
        return ERROR_FILENAME_EXCED_RANGE;
    HKEY created = nullptr;
    LSTATUS status = World().RegCreateKeyExW(write.Root, write.Key.c_str(), 0, nullptr, 0,
                                             KEY_SET_VALUE, nullptr, &created, nullptr);
    if (status != ERROR_SUCCESS || write.Type == REG_NONE)
        return status;
    WorldRegKey key(created);
    DWORD bytes = static_cast<DWORD>((write.Data.size() + 1) * sizeof(wchar_t));
    return World().RegSetValueExW(key.Get(), write.Name, 0, write.Type,
                                  reinterpret_cast<const BYTE*>(write.Data.c_str()), bytes);
}

// The older product's value goes even when the engine's path is too long.
LSTATUS WriteRunValue(const InstallPaths& paths)
{
    if (!Fits(paths.Engine)) {
        UpdateAutostart(kRunKey, AutostartChange::Keep);
        return ERROR_FILENAME_EXCED_RANGE;
    }
    return UpdateAutostart(kRunKey, AutostartChange::Write, RunCommand(paths).c_str());
}

LSTATUS WriteFileBytes(const std::wstring& path, const void* data, DWORD bytes)
{
    WorldFile file(World().CreateFileW(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                                       FILE_ATTRIBUTE_NORMAL, nullptr));
    if (!file)
        return World().GetLastError();
    DWORD written = 0;
    if (!World().WriteFile(file.Get(), data, bytes, &written, nullptr))
        return World().GetLastError();
    return written == bytes ? ERROR_SUCCESS : ERROR_WRITE_FAULT;
}

// The first task runs the control panel by its short path; where the system
// gives none, by its long path in quotes.
LSTATUS WriteTasksFile(const InstallPaths& paths)
{
    if (!Fits(paths.TasksFile) || !Fits(paths.ControlPanel))
        return ERROR_FILENAME_EXCED_RANGE;
    wchar_t shortPath[MAX_PATH] = {};
    DWORD chars = World().GetShortPathNameW(paths.ControlPanel.c_str(), shortPath, MAX_PATH);
    bool haveShort = chars > 0 && chars < MAX_PATH;
    std::wstring text =
        L"\xFEFF" + TasksDocument(haveShort ? shortPath : paths.ControlPanel, !haveShort);
    return WriteFileBytes(paths.TasksFile, text.data(),
                          static_cast<DWORD>(text.size() * sizeof(wchar_t)));
}

bool SystemHasControlPanelItem()
{
    OSVERSIONINFOW version{};
    version.dwOSVersionInfoSize = sizeof(version);
    return World().GetVersionExW(&version) && HasControlPanelItem(version);
}

std::wstring LibraryPath()
{
    wchar_t path[MAX_PATH] = {};
    DWORD chars = World().GetModuleFileNameW(Module(), path, MAX_PATH);
    return chars > 0 && chars < MAX_PATH ? std::wstring(path, chars) : std::wstring();
}

HRESULT WriteRegistration()
{
    bool item = SystemHasControlPanelItem();
    RemoveAll(RemovalScope::BeforeRegister, item);
    InstallPaths paths = PathsBeside(LibraryPath());
    FirstFailure failure;
    failure.Note(WriteRunValue(paths));
    for (const RegistryWrite& write : RegistrationWrites(paths, item))
        failure.Note(Write(write));
    if (item)
        failure.Note(WriteTasksFile(paths));
    return failure.Result();
}

}  // namespace

HRESULT RegisterServer()
{
    try {
        return WriteRegistration();
    } catch (const std::bad_alloc&) {
        return E_OUTOFMEMORY;
    } catch (...) {
        return E_UNEXPECTED;
    }
}

// Whatever version this host reports (the answer follows the calling
// program's manifest, so the host that registered may have seen another),
// the item and its tasks file go; what is not there counts as removed.
HRESULT RemoveRegistration()
{
    HRESULT result = RemoveAll(RemovalScope::Unregister, true);
    const std::wstring tasks = PathsBeside(LibraryPath()).TasksFile;
    if (!tasks.empty() && !DeleteFileW(tasks.c_str())) {
        const LSTATUS status = DoneIfMissing(static_cast<LSTATUS>(GetLastError()));
        if (SUCCEEDED(result) && status != ERROR_SUCCESS)
            result = HRESULT_FROM_WIN32(status);
    }
    return result;
}

HRESULT UnregisterServer()
{
    try {
        return RemoveRegistration();
    } catch (const std::bad_alloc&) {
        return E_OUTOFMEMORY;
    } catch (...) {
        return E_UNEXPECTED;
    }
}

}  // namespace cpl
