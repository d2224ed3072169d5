#include "UnzipLibrary.h"

#include "ArchiveFolder.h"
#include "LMMessageBox.h"
#include "ThemeMessages.h"
#include "Unzip32.h"

#include <shlwapi.h>
#include <windows.h>

namespace
{

// Loaded once and kept for the life of the process.
HMODULE g_library = nullptr;
std::wstring g_folderOverride;
bool g_missingSaid = false;

std::wstring LibraryFolder()
{
    if (!g_folderOverride.empty())
        return g_folderOverride;
    // The module holding this code: inside the shell that is the settings
    // page's library, not the shell's program.
    HMODULE module = nullptr;
    wchar_t path[MAX_PATH];
    if (!GetModuleHandleExW(
            GET_MODULE_HANDLE_EX_FLAG_FROM_ADDRESS | GET_MODULE_HANDLE_EX_FLAG_UNCHANGED_REFCOUNT,
            reinterpret_cast<LPCWSTR>(&LibraryFolder), &module))
        return {};
    DWORD length = GetModuleFileNameW(module, path, MAX_PATH);
    if (length == 0 || length >= MAX_PATH)
        return {};
    PathRemoveFileSpecW(path);
    return path;
}

// The library, loaded on first use; null when it is missing, which is said
// once in the program's run: a list of archives is one problem.
HMODULE UnzipLibrary()
{
    if (g_library)
        return g_library;
    std::wstring path = LibraryFolder() + L"\\" + kUnzipLibraryName;
    if (IsExistingFile(path))
        g_library = LoadLibraryW(path.c_str());
    if (!g_library && !g_missingSaid) {
        g_missingSaid = true;
        WarnBox(kUnzipLibraryMissing);
    }
    return g_library;
}

// A path the library can open: as it is, else in its short form.
bool AnsiPath(const wchar_t* path, std::string* ansi)
{
    if (WideToAnsi(ansi, path))
        return true;
    wchar_t shortPath[MAX_PATH];
    DWORD length = GetShortPathNameW(path, shortPath, MAX_PATH);
    return length > 0 && length < MAX_PATH && WideToAnsi(ansi, shortPath);
}

int WINAPI DiscardText(const char* /*text*/, unsigned long length)
{
    return static_cast<int>(length);
}

int WINAPI ReplaceExisting(const wchar_t* /*path*/)
{
    return 1;
}

int WINAPI AnswerWithoutPassword(
    char* /*password*/, int /*size*/, const char* /*prompt*/, const char* /*entryName*/)
{
    return 1;
}

void WINAPI IgnoreEntry(const wchar_t* /*entryName*/, int /*outcome*/) { }

} // namespace

int UnzipAll(const wchar_t* archive, const wchar_t* folder)
{
    HMODULE library = UnzipLibrary();
    if (!library)
        return 0;
    auto unzip = reinterpret_cast<UnzipEntryProc>(
        reinterpret_cast<void*>(GetProcAddress(library, kUnzipEntryName)));
    std::string ansiArchive;
    std::string ansiFolder;
    if (!unzip || !AnsiPath(archive, &ansiArchive) || !AnsiPath(folder, &ansiFolder))
        return 0;
    UnzipOptions options {};
    options.ArchivePath = ansiArchive.c_str();
    options.TargetFolder = ansiFolder.c_str();
    options.QuietLevel = kUnzipQuietAll;
    options.RecreateFolders = 1;
    options.OverwriteAll = 1;
    UnzipCallbacks callbacks {};
    callbacks.TextOutput = DiscardText;
    callbacks.OverwriteQuestion = ReplaceExisting;
    callbacks.PasswordQuestion = AnswerWithoutPassword;
    callbacks.EntryReport = IgnoreEntry;
    // Refused entries are left out; the reader sees what was written.
    unzip(0, nullptr, 0, nullptr, &options, &callbacks);
    return 1;
}

bool WideToAnsi(std::string* ansi, const wchar_t* wide)
{
    ansi->clear();
    if (!wide)
        return false;
    // A UTF-8 code page holds every character and takes neither flag. Best
    // fit would turn "Łódź" into "Lódz", another file's name: a character
    // without an exact form must count as lost.
    const bool utf8 = GetACP() == CP_UTF8;
    const DWORD flags = utf8 ? 0 : WC_NO_BEST_FIT_CHARS;
    BOOL usedDefault = FALSE;
    BOOL* lossy = utf8 ? nullptr : &usedDefault;
    int size = WideCharToMultiByte(CP_ACP, flags, wide, -1, nullptr, 0, nullptr, lossy);
    if (size <= 0 || usedDefault)
        return false;
    ansi->resize(static_cast<size_t>(size));
    if (WideCharToMultiByte(CP_ACP, flags, wide, -1, ansi->data(), size, nullptr, nullptr) != size)
        return false;
    ansi->pop_back(); // std::string keeps its own NUL
    return true;
}

void WarnBox(const wchar_t* text)
{
    LMMessageBox(nullptr, text, kArchiveWarningCaption, MB_OK | MB_ICONWARNING);
}

void SetUnzipLibraryFolder(const std::wstring& folder)
{
    g_folderOverride = folder;
}
