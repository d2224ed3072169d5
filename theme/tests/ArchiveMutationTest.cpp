// Variants of one valid archive, cut, flipped and with every field of its
// records at edge values: each load ends in time with 0 or 1 and only the
// cursor bit, leaving nothing behind; extraction alone writes nothing outside
// its folder and nothing past the caps.

#include "ArchiveFolder.h"
#include "ArchiveTestSupport.h"
#include "GuardedMemory.h"
#include "MessageBoxRecorder.h"
#include "ThemeTestSupport.h"
#include "Unzip32.h"
#include "UnzipLibrary.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <random>

namespace
{

constexpr int kShards = 8;

ZipLayout BaseArchive()
{
    return SchemeArchive(
        "[Arrow]\r\nFrames=1\r\nStdCursor=0\r\n[Help]\r\nFrames=2\r\nStdCursor=0\r\n"
        "[Description]\r\nMutant",
        { { "Arrow.png", PngBytes(4, 4, 0xFF) }, { "Help.png", PngBytes(4, 2, 0xFF00) },
            { "img/", "" } });
}

// Every truncation, 2,000 seeded flips and every field at 0, 1, its largest
// value and half that, named.
std::vector<std::pair<std::string, std::string>> AllMutations()
{
    ZipLayout zip = BaseArchive();
    std::vector<std::pair<std::string, std::string>> all;
    for (size_t size = 0; size < zip.File.size(); ++size)
        all.emplace_back("cut at " + std::to_string(size), zip.File.substr(0, size));
    std::mt19937 random(2103);
    for (int i = 0; i < 2000; ++i) {
        std::string bytes = zip.File;
        size_t at = random() % bytes.size();
        bytes[at] = static_cast<char>(bytes[at] ^ (1 + random() % 255));
        all.emplace_back("flip " + std::to_string(i) + " at " + std::to_string(at), bytes);
    }
    std::vector<std::pair<size_t, const ZipFields*>> records = { { zip.End, &kZipEndFields } };
    for (size_t i = 0; i < zip.Locals.size(); ++i) {
        records.push_back({ zip.Centrals[i], &kZipCentralFields });
        records.push_back({ zip.Locals[i], &kZipLocalFields });
    }
    for (const auto& [record, fields] : records) {
        for (const auto& [offset, width] : *fields) {
            uint32_t largest = width == 2 ? 0xFFFF : 0xFFFFFFFF;
            for (uint32_t value : { 0u, 1u, largest, largest >> 1 }) {
                std::string bytes = zip.File;
                PutField(&bytes, record + offset, value, width);
                all.emplace_back(
                    "field at " + std::to_string(record + offset) + " = " + std::to_string(value),
                    bytes);
            }
        }
    }
    return all;
}

std::vector<std::wstring> SortedNames(const std::wstring& folder)
{
    std::vector<std::wstring> names = FolderFiles(folder);
    std::sort(names.begin(), names.end());
    return names;
}

} // namespace

class ArchiveMutation : public ::testing::TestWithParam<int>
{
};

TEST_P(ArchiveMutation, LoadsEndCleanly)
{
    TempFolder work;
    std::wstring path = work.File(L"m.PvltTheme"), target = work.File(L"target");
    ASSERT_TRUE(CreateDirectoryW(target.c_str(), nullptr));
    wchar_t temp[MAX_PATH + 1];
    GetTempPathW(MAX_PATH + 1, temp);
    const std::vector<std::wstring> tempNames = SortedNames(temp);
    MessageBoxRecorder boxes;
    Watchdog watchdog(std::chrono::seconds(5));
    const std::string base = BaseArchive().File;
    WriteBytesToFile(path, base.data(), base.size());
    CTheme whole;
    ASSERT_EQ(1, whole.LoadZipTheme(path.c_str(), 0));
    ASSERT_EQ(2, whole.CursorCount());
    std::vector<std::pair<std::string, std::string>> all = AllMutations();
    for (size_t i = GetParam(); i < all.size() && !HasFailure(); i += kShards) {
        SCOPED_TRACE(all[i].first);
        watchdog.Start(all[i].first);
        WriteBytesToFile(path, all[i].second.data(), all[i].second.size());
        CTheme theme;
        int result = theme.LoadZipTheme(path.c_str(), 0);
        EXPECT_TRUE(result == 0 || result == 1) << result;
        EXPECT_EQ(0, theme.ContentFlags & ~ThemeHasCursors);
        UnzipAll(path.c_str(), target.c_str());
        for (const auto& [name, bytes] : ExtractedFiles(target))
            EXPECT_LE(bytes.size(), kUnzipMaxEntryBytes) << testing::PrintToString(name);
        DeleteFolder(target.c_str(), 0);
        watchdog.Stop();
        EXPECT_EQ(tempNames, SortedNames(temp));
        EXPECT_EQ(
            std::vector<std::wstring>({ L"m.PvltTheme", L"target" }), SortedNames(work.Path()));
    }
    EXPECT_TRUE(boxes.Boxes().empty());
}

INSTANTIATE_TEST_SUITE_P(Shards, ArchiveMutation, ::testing::Range(0, kShards));
