#pragma once
// What registration writes and removes, as plain data: the product's files
// beside the library, the keys and values in the order they are written, and
// the removal list in its order, leaf first.

#include <windows.h>

#include <string>
#include <vector>

namespace cpl {

// Every program of the product keeps paths in buffers of 260 characters, so a
// value built from a longer path would be cut short where it is read.
constexpr size_t kLongestPath = MAX_PATH - 1;

// The library's files, named from its own full path; all empty when the path
// is unknown.
struct InstallPaths {
    std::wstring Folder;
    std::wstring Library;
    std::wstring Engine;
    std::wstring Editor;
    std::wstring ControlPanel;
    std::wstring TasksFile;
};
InstallPaths PathsBeside(const std::wstring& library);

// A path that is known and fits the product's buffers.
bool Fits(const std::wstring& path);

// One key to create (Type REG_NONE), or one text value in it.
struct RegistryWrite {
    HKEY Root;
    std::wstring Key;
    const wchar_t* Name;  // null: the key's default value
    DWORD Type;
    std::wstring Data;
    bool TooLong;  // built from a path that does not fit: skipped, never cut
};

// The HKCU Run key and the value that starts the engine at log-on.
extern const wchar_t kRunKey[];
std::wstring RunCommand(const InstallPaths& paths);

// Everything after the Run value: the product's keys and the two file types,
// then, when item is true, the control-panel item.
std::vector<RegistryWrite> RegistrationWrites(const InstallPaths& paths, bool item);

// The control-panel item exists on NT systems of major version 6 only.
bool HasControlPanelItem(const OSVERSIONINFOW& version);

// One key to delete (Value null), or one value of a key.
struct RegistryRemoval {
    HKEY Root;
    std::wstring Key;
    const wchar_t* Value;
};

// Unregistering removes everything; the clean-up before registering keeps
// what the installer wrote (the extension's class, the Mouse handler) and the
// user's settings.
enum class RemovalScope { Unregister, BeforeRegister };
std::vector<RegistryRemoval> Removals(RemovalScope scope, bool item);

// "{XXXXXXXX-XXXX-...}", as the registry names classes.
std::wstring GuidText(REFGUID guid);

}  // namespace cpl
