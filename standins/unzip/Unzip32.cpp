// Stand-in for the outside unzip library: extracts a whole zip archive into a
// folder with zlib's raw inflate. It never decrypts, and it writes nothing
// outside the folder and nothing past the caps: such entries are refused,
// named and reported, and the others are still written.

#include "Unzip32.h"

#include "EntryData.h"
#include "EntryName.h"
#include "EntryWriter.h"
#include "ScopedWin.h"
#include "ZipDirectory.h"

#include <string>
#include <vector>

namespace {

// Larger files cannot be extracted within the caps anyway.
constexpr uint64_t kMaxArchiveFileBytes = 2 * kUnzipMaxArchiveBytes;

// Indexed by UnzipEntryOutcome.
const char* const kOutcomeTexts[] = {
    "written",
    "unsafe name",
    "link",
    "encrypted",
    "zip64",
    "split archive",
    "unsupported method",
    "bad local header",
    "too large",
    "bad data",
    "CRC mismatch",
    "too many entries",
    "file exists",
    "cannot write",
};
static_assert(sizeof(kOutcomeTexts) / sizeof(kOutcomeTexts[0]) == UnzipRefusedWrite + 1);

std::wstring AnsiToWide(const char* text)
{
    int count = MultiByteToWideChar(CP_ACP, 0, text, -1, nullptr, 0);
    if (count <= 1)
        return {};
    std::wstring wide(static_cast<size_t>(count), L'\0');
    MultiByteToWideChar(CP_ACP, 0, text, -1, wide.data(), count);
    wide.resize(static_cast<size_t>(count - 1));
    return wide;
}

std::string WideToAnsiText(const std::wstring& text)
{
    int count = WideCharToMultiByte(CP_ACP, 0, text.c_str(), static_cast<int>(text.size()), nullptr,
                                    0, nullptr, nullptr);
    std::string ansi(static_cast<size_t>(count > 0 ? count : 0), '\0');
    if (count > 0)
        WideCharToMultiByte(CP_ACP, 0, text.c_str(), static_cast<int>(text.size()), ansi.data(),
                            count, nullptr, nullptr);
    return ansi;
}

// The archive's bytes, mapped read-only for as long as it lives.
class MappedArchive {
public:
    bool Open(const std::wstring& path)
    {
        file_.Reset(CreateFileW(path.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING,
                                FILE_ATTRIBUTE_NORMAL, nullptr));
        LARGE_INTEGER size{};
        if (!file_ || !GetFileSizeEx(file_.Get(), &size) || size.QuadPart <= 0 ||
            static_cast<uint64_t>(size.QuadPart) > kMaxArchiveFileBytes)
            return false;
        mapping_.Reset(CreateFileMappingW(file_.Get(), nullptr, PAGE_READONLY, 0, 0, nullptr));
        if (mapping_)
            view_.Reset(MapViewOfFile(mapping_.Get(), FILE_MAP_READ, 0, 0, 0));
        if (!view_)
            return false;
        bytes_ = ByteReader(static_cast<const uint8_t*>(view_.Get()),
                            static_cast<size_t>(size.QuadPart));
        return true;
    }
    const ByteReader& Bytes() const { return bytes_; }

private:
    ScopedFile file_;
    ScopedKernelHandle mapping_;
    ScopedMappedView view_;
    ByteReader bytes_;
};

class Extraction {
public:
    Extraction(const UnzipOptions& options, const UnzipCallbacks* callbacks,
               const std::wstring& folder)
        : options_(options), callbacks_(callbacks ? *callbacks : UnzipCallbacks{}), folder_(folder)
    {
    }

    int Run(const ByteReader& archive, const std::vector<ZipEntry>& entries)
    {
        bool refused = false;
        uint32_t handled = 0;
        for (const ZipEntry& entry : entries) {
            std::wstring name;
            bool decoded = DecodeEntryName(entry.Name, entry.NameLength,
                                           (entry.Flags & kZipFlagUtf8Name) != 0, &name);
            UnzipEntryOutcome outcome = UnzipRefusedLimit;
            if (handled++ < kUnzipMaxEntries)
                outcome = decoded ? ExtractOne(archive, entry, name) : UnzipRefusedName;
            Report(name, outcome);
            refused = refused || outcome != UnzipWritten;
        }
        return refused ? kUnzipEntriesRefused : kUnzipOk;
    }

private:
    UnzipEntryOutcome ExtractOne(const ByteReader& archive, const ZipEntry& entry,
                                 const std::wstring& name)
    {
        UnzipEntryOutcome features = CheckEntryFeatures(entry);
        if (features != UnzipWritten)
            return features;
        std::wstring relative;
        std::wstring full;
        if (!SafeRelativePath(name, &relative))
            return UnzipRefusedName;
        bool folder = IsFolderEntry(entry);
        if (!options_.RecreateFolders) {
            if (folder)
                return UnzipWritten;
            relative = relative.substr(relative.rfind(L'\\') + 1);
        }
        if (!PathUnderFolder(folder_, relative, &full))
            return UnzipRefusedName;
        ByteReader compressed;
        UnzipEntryOutcome located = LocateEntryData(archive, entry, &compressed);
        if (located != UnzipWritten)
            return located;
        if (folder)
            return CreateFolders(folder_, relative) ? UnzipWritten : UnzipRefusedWrite;
        return WriteEntry(entry, compressed, relative, full);
    }

    UnzipEntryOutcome WriteEntry(const ZipEntry& entry, const ByteReader& compressed,
                                 const std::wstring& relative, const std::wstring& full)
    {
        EntryBytes bytes;
        uint64_t budget = produced_ < kUnzipMaxArchiveBytes ? kUnzipMaxArchiveBytes - produced_ : 0;
        UnzipEntryOutcome extracted = ExtractEntryData(entry, compressed, budget, &bytes);
        // Refused entries count too: else an archive whose entries all fail
        // their CRC would have its data inflated again and again.
        produced_ += bytes.Produced;
        if (extracted != UnzipWritten)
            return extracted;
        size_t slash = relative.rfind(L'\\');
        if (slash != std::wstring::npos && !CreateFolders(folder_, relative.substr(0, slash)))
            return UnzipRefusedWrite;
        // A new file is tried first: most entries are, and it needs one lookup.
        FileWrite write = WriteWholeFile(full, bytes.Data.get(), bytes.Size, false);
        if (write == FileWrite::Exists) {
            if (!MayReplace(full))
                return UnzipRefusedExists;
            write = WriteWholeFile(full, bytes.Data.get(), bytes.Size, true);
        }
        if (write != FileWrite::Written)
            return UnzipRefusedWrite;
        return UnzipWritten;
    }

    bool MayReplace(const std::wstring& path) const
    {
        return options_.OverwriteAll ||
               (callbacks_.OverwriteQuestion && callbacks_.OverwriteQuestion(path.c_str()) == 1);
    }

    void Report(const std::wstring& name, UnzipEntryOutcome outcome)
    {
        if (callbacks_.EntryReport)
            callbacks_.EntryReport(name.c_str(), outcome);
        bool quiet = options_.QuietLevel >= kUnzipQuietAll ||
                     (options_.QuietLevel == kUnzipQuietRefusals && outcome == UnzipWritten);
        if (quiet || !callbacks_.TextOutput)
            return;
        std::string line = "  " + WideToAnsiText(name) + ": " + kOutcomeTexts[outcome] + "\n";
        callbacks_.TextOutput(line.c_str(), static_cast<unsigned long>(line.size()));
    }

    const UnzipOptions& options_;
    UnzipCallbacks callbacks_;
    std::wstring folder_;
    // What entries have inflated or copied so far, written or not.
    uint64_t produced_ = 0;
};

// The extraction folder as a full path without a trailing separator; empty
// when it is no existing folder.
std::wstring FullFolderPath(const char* folder)
{
    std::wstring wide = AnsiToWide(folder);
    wchar_t full[MAX_PATH];
    DWORD length = wide.empty() ? 0 : GetFullPathNameW(wide.c_str(), MAX_PATH, full, nullptr);
    if (length == 0 || length >= MAX_PATH)
        return {};
    std::wstring path(full, length);
    while (path.size() > 3 && (path.back() == L'\\' || path.back() == L'/'))
        path.pop_back();
    DWORD attributes = GetFileAttributesW(path.c_str());
    bool isFolder =
        attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY);
    return isFolder ? path : std::wstring();
}

int Unzip(int includeCount, char** includeList, int excludeCount, char** excludeList,
          const UnzipOptions* options, const UnzipCallbacks* callbacks)
{
    // Only whole archives are extracted: no include or exclude lists.
    if (!options || !options->ArchivePath || !options->TargetFolder || includeCount != 0 ||
        includeList || excludeCount != 0 || excludeList)
        return kUnzipBadArguments;
    std::wstring folder = FullFolderPath(options->TargetFolder);
    if (folder.empty())
        return kUnzipBadArguments;
    MappedArchive archive;
    std::vector<ZipEntry> entries;
    if (!archive.Open(AnsiToWide(options->ArchivePath)) ||
        !ReadZipDirectory(archive.Bytes(), &entries))
        return kUnzipArchiveUnreadable;
    return Extraction(*options, callbacks, folder).Run(archive.Bytes(), entries);
}

}  // namespace

UNZIP32_API int WINAPI Wiz_SingleEntryUnzip(int includeCount, char** includeList, int excludeCount,
                                            char** excludeList, const UnzipOptions* options,
                                            const UnzipCallbacks* callbacks)
{
    // Nothing may unwind into the caller's frames.
    try {
        return Unzip(includeCount, includeList, excludeCount, excludeList, options, callbacks);
    } catch (...) {
        return kUnzipArchiveUnreadable;
    }
}
