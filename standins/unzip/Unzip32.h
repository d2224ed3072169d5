#pragma once
// The unzip library every program loads from its folder to extract a
// ".PvltTheme" archive whole. Shared by the library and its callers: one entry,
// an option record and a callback record. Entries that could write outside the
// extraction folder, or past the size caps, are refused and reported.

#include <windows.h>

#include <cstdint>

// Results of Wiz_SingleEntryUnzip.
constexpr int kUnzipOk = 0;              // every selected entry was written
constexpr int kUnzipEntriesRefused = 1;  // some were refused; the others are written
constexpr int kUnzipArchiveUnreadable = 2;
constexpr int kUnzipBadArguments = 3;

// Outcome of one entry, as the per-entry report gets it.
enum UnzipEntryOutcome : int {
    UnzipWritten = 0,
    UnzipRefusedName = 1,  // absolute, "..", ":", device name, outside the folder ...
    UnzipRefusedLink = 2,  // symbolic link or reparse point
    UnzipRefusedEncrypted = 3,
    UnzipRefusedZip64 = 4,
    UnzipRefusedSplit = 5,   // lies on another disk of a split archive
    UnzipRefusedMethod = 6,  // neither stored nor deflated
    UnzipRefusedHeader = 7,  // local header missing, outside the file or disagreeing
    UnzipRefusedSize = 8,    // past its declared size or a cap
    UnzipRefusedData = 9,    // the compressed data is broken or short
    UnzipRefusedCrc = 10,
    UnzipRefusedLimit = 11,   // past the entry count cap
    UnzipRefusedExists = 12,  // a file of that name exists and was not replaced
    UnzipRefusedWrite = 13,   // the file system refused the file or folder
};

// Caps, counted on what inflate produces.
constexpr uint32_t kUnzipMaxEntries = 4096;
constexpr uint64_t kUnzipMaxEntryBytes = 32ull * 1024 * 1024;
constexpr uint64_t kUnzipMaxArchiveBytes = 128ull * 1024 * 1024;

// Quiet levels: 0 a line per entry, 1 only refusals, 2 no text at all.
constexpr int kUnzipQuietNone = 0;
constexpr int kUnzipQuietRefusals = 1;
constexpr int kUnzipQuietAll = 2;

struct UnzipOptions {
    const char* ArchivePath;   // ANSI
    const char* TargetFolder;  // ANSI; must exist
    int32_t QuietLevel;
    int32_t RecreateFolders;  // 0: every file goes to the folder's top level
    int32_t OverwriteAll;     // 0: the overwrite question decides
};

// Any member may be null. Password, sound and service are accepted and never
// called: the library does not decrypt.
struct UnzipCallbacks {
    // Returns the length it was given.
    int(WINAPI* TextOutput)(const char* text, unsigned long length);
    void(WINAPI* Sound)(void);
    // Path of the existing file; 1 replaces it.
    int(WINAPI* OverwriteQuestion)(const wchar_t* path);
    int(WINAPI* PasswordQuestion)(char* password, int size, const char* prompt,
                                  const char* entryName);
    // Each entry's stored name (decoded) and its UnzipEntryOutcome.
    void(WINAPI* EntryReport)(const wchar_t* entryName, int outcome);
    int(WINAPI* Service)(const char* entryName, unsigned long size);
};

// Extracts the whole archive: the include and exclude lists must be empty
// (counts 0, lists null), or the result is kUnzipBadArguments.
#define UNZIP32_API extern "C"
UNZIP32_API int WINAPI Wiz_SingleEntryUnzip(int includeCount, char** includeList, int excludeCount,
                                            char** excludeList, const UnzipOptions* options,
                                            const UnzipCallbacks* callbacks);

// Callers bind the entry by name.
constexpr wchar_t kUnzipLibraryName[] = L"unzip32.dll";
constexpr char kUnzipEntryName[] = "Wiz_SingleEntryUnzip";
using UnzipEntryProc = int(WINAPI*)(int, char**, int, char**, const UnzipOptions*,
                                    const UnzipCallbacks*);
