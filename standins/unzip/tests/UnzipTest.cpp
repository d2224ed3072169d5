// The stand-in unzip library through its exported entry: what it writes, what
// it refuses and why, and that nothing lands outside the target folder.

#include "TempFolder.h"
#include "Unzip32.h"
#include "ZipWriter.h"

#include <gtest/gtest.h>

namespace {

std::map<std::wstring, int> g_outcomes;
int g_textLines = 0;

void WINAPI RecordOutcome(const wchar_t* name, int outcome)
{
    g_outcomes[name] = outcome;
}

int WINAPI CountText(const char*, unsigned long length)
{
    ++g_textLines;
    return static_cast<int>(length);
}

int WINAPI Answer(const wchar_t* path)
{
    return std::wstring(path).find(L"yes") != std::wstring::npos;
}

// Options: overwrite all, recreate folders, quiet level.
int Unzip(const std::string& zip, const std::wstring& target, std::vector<int> options = {1, 1, 2})
{
    TempFolder source;
    WriteBytesToFile(source.File(L"a.zip"), zip.data(), zip.size());
    static HMODULE library = LoadLibraryW(kUnzipLibraryName);
    auto entry = reinterpret_cast<UnzipEntryProc>(
        reinterpret_cast<void*>(GetProcAddress(library, kUnzipEntryName)));
    g_outcomes.clear();
    g_textLines = 0;
    // Temporary paths are ASCII, so their bytes are their ANSI form.
    std::wstring archive = source.File(L"a.zip");
    std::string ansiArchive(archive.begin(), archive.end());
    std::string ansiTarget(target.begin(), target.end());
    UnzipOptions record{ansiArchive.c_str(), ansiTarget.c_str(), options[2], options[1],
                        options[0]};
    UnzipCallbacks callbacks{CountText, nullptr, Answer, nullptr, RecordOutcome, nullptr};
    return entry ? entry(0, nullptr, 0, nullptr, &record, &callbacks) : -1;
}

}  // namespace

TEST(UnzipStandIn, RefusesEveryEntryThatCouldEscapeOrOverflowAndWritesTheRest)
{
    const struct Row {
        ZipEntryPlan Plan;  // name, data, deflate, flags, host, attributes, CRC, size, method
        std::wstring Reported;
        int Outcome;
    } rows[] = {
        {{"../../outside.png", "x"}, L"../../outside.png", UnzipRefusedName},
        {{"sub/../../esc.ini", "x"}, L"sub/../../esc.ini", UnzipRefusedName},
        {{"D:/abs.png", "x"}, L"D:/abs.png", UnzipRefusedName},
        {{"\\\\host\\share\\u.png", "x"}, L"\\\\host\\share\\u.png", UnzipRefusedName},
        {{"/rooted.png", "x"}, L"/rooted.png", UnzipRefusedName},
        {{"ok.png:alt", "x"}, L"ok.png:alt", UnzipRefusedName},
        {{"aux.png", "x"}, L"aux.png", UnzipRefusedName},
        {{"tab\t.png", "x"}, L"tab\t.png", UnzipRefusedName},
        {{"link.png", "/etc", true, 0, 0x031E, 0120777u << 16}, L"link.png", UnzipRefusedLink},
        {{"secret.png", "x", true, 1}, L"secret.png", UnzipRefusedEncrypted},
        {{"big.bin", "x", true, 0, 20, 0, -1, 0xFFFFFFFF}, L"big.bin", UnzipRefusedZip64},
        {{"bzip.bin", "x", true, 0, 20, 0, -1, -1, 12}, L"bzip.bin", UnzipRefusedMethod},
        {{"liar.bin", std::string(1000, 'a'), true, 0, 20, 0, -1, 10},
         L"liar.bin",
         UnzipRefusedSize},
        {{"zeros.bin", std::string(40u << 20, '\0')}, L"zeros.bin", UnzipRefusedSize},
        {{"crc.txt", "data", true, 0, 20, 0, 1234}, L"crc.txt", UnzipRefusedCrc},
        {{"good/dir/file.txt", "good"}, L"good/dir/file.txt", UnzipWritten},
        {{"later.txt", "described", false, 8}, L"later.txt", UnzipWritten},
        {{"\xCE\xA9.txt", "utf8", true, 0x800}, L"\u03A9.txt", UnzipWritten},
        {{"\x81.txt", "cp437"}, L"\u00FC.txt", UnzipWritten},
    };
    TempFolder root;
    std::wstring target = root.File(L"sentinel\\target");
    ASSERT_TRUE(CreateDirectoryW(root.File(L"sentinel").c_str(), nullptr));
    ASSERT_TRUE(CreateDirectoryW(target.c_str(), nullptr));
    ASSERT_TRUE(WriteBytesToFile(root.File(L"sentinel\\keep.txt"), "keep", 4));
    std::vector<ZipEntryPlan> plans;
    for (const Row& row : rows)
        plans.push_back(row.Plan);

    EXPECT_EQ(kUnzipEntriesRefused, Unzip(BuildZip(plans).File, target));
    for (const Row& row : rows) {
        SCOPED_TRACE(testing::PrintToString(row.Reported));
        EXPECT_EQ(row.Outcome, g_outcomes.count(row.Reported) ? g_outcomes[row.Reported] : -1);
    }
    EXPECT_EQ(0, g_textLines);
    std::map<std::wstring, std::string> expected = {
        {L"sentinel\\keep.txt", "keep"},
        {L"sentinel\\target\\good\\dir\\file.txt", "good"},
        {L"sentinel\\target\\later.txt", "described"},
        {L"sentinel\\target\\\u03A9.txt", "utf8"},
        {L"sentinel\\target\\\u00FC.txt", "cp437"}};
    EXPECT_EQ(expected, ExtractedFiles(root.Path()));
}

TEST(UnzipStandIn, WritesAtMost4096Entries)
{
    std::vector<ZipEntryPlan> plans;
    for (int i = 0; i < 5000; ++i)
        plans.push_back({"f" + std::to_string(i), "x", false});
    TempFolder target;
    EXPECT_EQ(kUnzipEntriesRefused, Unzip(BuildZip(plans).File, target.Path()));
    EXPECT_EQ(4096u, ExtractedFiles(target.Path()).size());
    EXPECT_EQ(UnzipRefusedLimit, g_outcomes[L"f4096"]);
}

TEST(UnzipStandIn, RefusedEntriesCountTowardsTheArchiveCap)
{
    // Six central entries name one local entry of 32 MiB of zeros whose CRC is
    // wrong: four inflate it and fail their CRC, which uses up the archive's
    // 128 MiB, so the last ones are refused before inflating anything.
    ZipLayout zip =
        BuildZip({{"bomb.bin", std::string(kUnzipMaxEntryBytes, '\0'), true, 0, 20, 0, 1}});
    std::string central = zip.File.substr(zip.Centrals[0], zip.End - zip.Centrals[0]);
    std::string file = zip.File.substr(0, zip.End);
    for (int i = 1; i < 6; ++i)
        file += central;
    std::string end = zip.File.substr(zip.End);
    PutField(&end, 8, 6, 2);
    PutField(&end, 10, 6, 2);
    PutField(&end, 12, static_cast<uint32_t>(6 * central.size()), 4);
    TempFolder target;
    EXPECT_EQ(kUnzipEntriesRefused, Unzip(file + end, target.Path()));
    EXPECT_EQ(UnzipRefusedSize, g_outcomes[L"bomb.bin"]);
    EXPECT_TRUE(ExtractedFiles(target.Path()).empty());
}

TEST(UnzipStandIn, ReplacesFilesAndRecreatesFoldersAsAsked)
{
    const struct Row {
        std::vector<int> Options;  // overwrite all, recreate folders, quiet level
        std::string Entry;
        std::wstring Existing;
        const char* Content;
        int TextLines;
    } rows[] = {
        {{1, 1, 2}, "a/b.txt", L"a\\b.txt", "new", 0},
        {{0, 1, 0}, "a/b.txt", L"a\\b.txt", "old", 1},
        {{0, 1, 1}, "yes/b.txt", L"yes\\b.txt", "new", 0},
        {{0, 0, 1}, "a/b.txt", L"b.txt", "old", 1},
        {{1, 0, 0}, "a/b.txt", L"b.txt", "new", 1},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.Entry + " " + testing::PrintToString(row.Options));
        TempFolder target;
        CreateDirectoryW(target.File(L"a").c_str(), nullptr);
        CreateDirectoryW(target.File(L"yes").c_str(), nullptr);
        ASSERT_TRUE(WriteBytesToFile(target.File(row.Existing), "old", 3));
        Unzip(BuildZip({{row.Entry, "new"}}).File, target.Path(), row.Options);
        EXPECT_EQ(row.Content, ExtractedFiles(target.Path())[row.Existing]);
        EXPECT_EQ(row.TextLines, g_textLines);
    }
}

TEST(UnzipStandIn, TellsUnreadableArchivesFromBadArguments)
{
    TempFolder folder;
    std::string valid = BuildZip({{"x.txt", "x"}}).File;
    std::string split = valid;
    PutField(&split, split.size() - 18, 1, 2);  // the disk that holds the directory
    const std::pair<std::string, int> rows[] = {
        {"", kUnzipArchiveUnreadable},
        {"not a zip at all, not at all", kUnzipArchiveUnreadable},
        {valid.substr(0, valid.size() - 1), kUnzipArchiveUnreadable},
        {split, kUnzipArchiveUnreadable},
        {BuildZip({{"x.txt", "x"}}, std::string(65535, 'c')).File, kUnzipOk},
    };
    for (const auto& [zip, result] : rows)
        EXPECT_EQ(result, Unzip(zip, folder.Path())) << zip.size() << " bytes";
    EXPECT_EQ(kUnzipBadArguments, Unzip(valid, folder.File(L"missing")));
}
