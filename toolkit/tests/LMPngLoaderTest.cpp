#include "LMPngLoader.h"
#include "ImageFixtures.h"
#include "LMBitmap.h"
#include "MessageBoxRecorder.h"
#include "TempFolder.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <memory>

namespace {

std::wstring Suite(const std::string& name)
{
    return LibpngContribFile("pngsuite/" + name);
}

std::vector<std::string> PngFilesIn(const std::string& folder)
{
    std::vector<std::string> names;
    WIN32_FIND_DATAW found;
    HANDLE search = FindFirstFileW(LibpngContribFile(folder + "/*.png").c_str(), &found);
    if (search == INVALID_HANDLE_VALUE)
        return names;
    do {
        std::wstring name = found.cFileName;
        names.emplace_back(name.begin(), name.end());
    } while (FindNextFileW(search, &found));
    FindClose(search);
    return names;
}

// Whether a PNG's colour type has alpha or it holds a tRNS chunk.
bool CarriesAlpha(const Bytes& png)
{
    if (png.size() < 33)
        return false;
    if (png[25] == 4 || png[25] == 6)
        return true;
    for (size_t at = 8; at + 8 <= png.size();) {
        uint32_t length = (png[at] << 24) | (png[at + 1] << 16) | (png[at + 2] << 8) | png[at + 3];
        if (std::equal(png.begin() + at + 4, png.begin() + at + 8, "tRNS"))
            return true;
        at += 12 + static_cast<size_t>(length);
    }
    return false;
}

int CountAlpha(const LMBitmap& bitmap, uint8_t alpha)
{
    Bytes memory = DibMemory(bitmap);
    int count = 0;
    for (size_t i = 3; i < memory.size(); i += 4)
        count += memory[i] == alpha ? 1 : 0;
    return count;
}

void ExpectOneReadError(const MessageBoxRecorder& recorder, const std::wstring& path)
{
    ASSERT_EQ(1u, recorder.Boxes().size());
    const RecordedMessageBox& box = recorder.Boxes()[0];
    EXPECT_EQ(L"Error reading '" + path + L"' (12)", box.Text);
    EXPECT_EQ(L"Error", box.Caption);
    EXPECT_EQ(static_cast<UINT>(MB_ICONWARNING), box.Type);
    EXPECT_EQ(nullptr, box.Owner);
}

}  // namespace

TEST(LMPngLoader, SuitePixelsAreBgraBottomUpAndNotPremultiplied)
{
    SKIP_WITHOUT_LIBPNG_CONTRIB();
    struct Case {
        const char* file;
        int x, y;
        const char* bytes;
    };
    const Case cases[] = {
        {"basn0g01.png", 0, 0, "FF FF FF FF"},   {"basn0g01.png", 31, 0, "00 00 00 FF"},
        {"basn0g16.png", 31, 0, "BA BA BA FF"},  {"basn0g16.png", 0, 31, "3E 3E 3E FF"},
        {"basn2c16.png", 0, 0, "00 FF FF FF"},   {"basn2c16.png", 0, 31, "00 00 FF FF"},
        {"basn6a08.png", 0, 0, "08 00 FF 00"},   {"basn6a08.png", 31, 0, "08 00 FF FF"},
        {"basn4a08.png", 0, 0, "FF FF FF 00"},   {"basn3p08.png", 0, 0, "00 00 01 FF"},
        {"basn3p08.png", 31, 31, "FF FE FF FF"},
    };
    MessageBoxRecorder recorder;
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << c.file << " (" << c.x << "," << c.y << ")");
        LMBitmap bitmap(Suite(c.file).c_str(), 0);
        ASSERT_TRUE(bitmap.HasPixels());
        EXPECT_EQ(32, bitmap.Width);
        EXPECT_EQ(32, bitmap.Height);
        EXPECT_EQ(0, bitmap.Premultiplied);
        EXPECT_EQ(c.bytes, PixelBytes(bitmap, c.x, c.y));
    }
    EXPECT_EQ(0u, recorder.Boxes().size());
}

TEST(LMPngLoader, HasAlphaOnlyWhenTheImageCarriesAlpha)
{
    SKIP_WITHOUT_LIBPNG_CONTRIB();
    const std::pair<const char*, int> cases[] = {
        {"basn0g01.png", 0},  {"basn0g16.png", 0},  {"basn2c16.png", 0},
        {"basn3p08.png", 0},  {"basn4a08.png", 1},  {"basn6a08.png", 1},
        {"ftbbn3p08.png", 1}, {"ftbrn2c08.png", 1}, {"ftbbn0g01.png", 1},
    };
    for (const auto& [file, hasAlpha] : cases) {
        SCOPED_TRACE(file);
        int reported = -1;
        ScopedBitmap handle(LoadPng(Suite(file).c_str(), &reported));
        ASSERT_TRUE(handle);
        EXPECT_EQ(hasAlpha, reported);
        LMBitmap bitmap(Suite(file).c_str(), LMBitmapHasAlpha);
        EXPECT_EQ(hasAlpha, bitmap.HasAlpha);
    }
}

TEST(LMPngLoader, TransparencyChunksBecomeAlpha)
{
    SKIP_WITHOUT_LIBPNG_CONTRIB();
    const std::pair<const char*, int> cases[] = {
        {"ftbbn3p08.png", 454}, {"ftbrn2c08.png", 453}, {"ftbbn0g01.png", 743}};
    for (const auto& [file, transparent] : cases) {
        SCOPED_TRACE(file);
        LMBitmap bitmap(Suite(file).c_str(), 0);
        ASSERT_TRUE(bitmap.HasPixels());
        EXPECT_EQ(1, bitmap.HasAlpha);
        EXPECT_EQ(transparent, CountAlpha(bitmap, 0));
    }
    LMBitmap palette(Suite("ftbbn3p08.png").c_str(), 0);
    EXPECT_EQ("9E 9E 9E FF", PixelBytes(palette, 16, 16));
}

TEST(LMPngLoader, InterlacedImagesEqualTheirPlainTwins)
{
    SKIP_WITHOUT_LIBPNG_CONTRIB();
    int compared = 0;
    for (const std::string& name : PngFilesIn("pngsuite")) {
        if (name[0] != 'i')
            continue;
        SCOPED_TRACE(name);
        LMBitmap interlaced(Suite(name).c_str(), 0);
        LMBitmap plain(Suite(name.substr(1)).c_str(), 0);
        ASSERT_TRUE(interlaced.HasPixels());
        ASSERT_TRUE(plain.HasPixels());
        EXPECT_EQ(plain.HasAlpha, interlaced.HasAlpha);
        EXPECT_TRUE(DibMemory(plain) == DibMemory(interlaced));
        ++compared;
    }
    EXPECT_GE(compared, 9);
}

// Palette, grey and colour images of every depth, with and without tRNS.
TEST(LMPngLoader, EveryLibpngTestImageLoadsWithAlphaWhereItHasSome)
{
    SKIP_WITHOUT_LIBPNG_CONTRIB();
    MessageBoxRecorder recorder;
    std::vector<std::string> names = PngFilesIn("testpngs");
    EXPECT_GE(names.size(), 100u);
    for (const std::string& name : names) {
        SCOPED_TRACE(name);
        std::wstring path = LibpngContribFile("testpngs/" + name);
        LMBitmap bitmap(path.c_str(), 0);
        ASSERT_TRUE(bitmap.HasPixels());
        EXPECT_GT(bitmap.Width, 0);
        EXPECT_EQ(CarriesAlpha(ReadFileBytes(path)) ? 1 : 0, bitmap.HasAlpha);
    }
    EXPECT_EQ(0u, recorder.Boxes().size());
}

TEST(LMPngLoader, DecodesFromMemoryWithoutAnOutPointer)
{
    SKIP_WITHOUT_LIBPNG_CONTRIB();
    Bytes file = ReadFileBytes(Suite("basn6a08.png"));
    ASSERT_EQ(184u, file.size());
    ScopedBitmap handle(LoadPngFromMemory(file.data(), file.size()));
    ASSERT_TRUE(handle);
    BITMAP description{};
    GetObjectW(handle.Get(), sizeof(description), &description);
    EXPECT_EQ(32, description.bmWidth);
    EXPECT_EQ(32, description.bmBitsPixel);
}

TEST(LMPngLoaderBadInput, DamagedFilesGiveNullAndOneBoxNamingThePath)
{
    SKIP_WITHOUT_LIBPNG_CONTRIB();
    TempFolder folder;
    Bytes suiteFile = ReadFileBytes(Suite("basn6a08.png"));
    ASSERT_EQ(184u, suiteFile.size());
    Bytes cutInIdat(suiteFile.begin(), suiteFile.begin() + 107);
    struct Case {
        std::wstring path;
        Bytes bytes;  // written to path when not empty
    };
    const Case cases[] = {
        {LibpngContribFile("testpngs/crashers/badcrc.png"), {}},
        {LibpngContribFile("testpngs/crashers/badadler.png"), {}},
        {LibpngContribFile("testpngs/crashers/huge_IDAT.png"), {}},
        {folder.File(L"cut.png"), cutInIdat},
        {folder.File(L"huge.png"), PngWithHeader(100000, 100000)},
        {folder.File(L"overcap.png"), PngWithHeader(20000, 20000)},
        {folder.File(L"wide.png"), PngWithHeader(0x80000000u, 1)},
        {folder.File(L"zero.png"), PngWithHeader(0, 1)},
        {folder.File(L"text.png"), Bytes{'n', 'o', 't', ' ', 'a', ' ', 'P', 'N', 'G'}},
        {folder.File(L"empty.png"), {}},
    };
    WriteFileBytes(folder.File(L"empty.png"), {});
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << c.path);
        if (!c.bytes.empty()) {
            ASSERT_TRUE(WriteFileBytes(c.path, c.bytes));
        }
        MessageBoxRecorder recorder;
        int hasAlpha = -1;
        EXPECT_EQ(nullptr, LoadPng(c.path.c_str(), &hasAlpha));
        EXPECT_EQ(-1, hasAlpha);
        ExpectOneReadError(recorder, c.path);
        LMBitmap bitmap(c.path.c_str(), 0);
        EXPECT_FALSE(bitmap.Handle);
        EXPECT_EQ(0, bitmap.Width);
        EXPECT_EQ(2u, recorder.Boxes().size());
    }
}

TEST(LMPngLoaderBadInput, EveryCrasherFailsWithOneBoxOrLoads)
{
    SKIP_WITHOUT_LIBPNG_CONTRIB();
    std::vector<std::string> names = PngFilesIn("testpngs/crashers");
    EXPECT_GE(names.size(), 20u);
    for (const std::string& name : names) {
        SCOPED_TRACE(name);
        MessageBoxRecorder recorder;
        LMBitmap bitmap(LibpngContribFile("testpngs/crashers/" + name).c_str(), 0);
        EXPECT_EQ(bitmap.Handle ? 0u : 1u, recorder.Boxes().size());
    }
}

TEST(LMPngLoaderBadInput, EveryTruncationFailsWithoutReadingPastTheBuffer)
{
    SKIP_WITHOUT_LIBPNG_CONTRIB();
    Bytes file = ReadFileBytes(Suite("basn6a08.png"));
    ASSERT_EQ(184u, file.size());
    for (size_t size = 0; size < file.size(); ++size) {
        SCOPED_TRACE(testing::Message() << size << " bytes");
        GuardedBuffer buffer(Bytes(file.begin(), file.begin() + size));
        ASSERT_NE(nullptr, buffer.Data());
        MEMORY_BASIC_INFORMATION after{};
        ASSERT_NE(0u, VirtualQuery(buffer.Data() + buffer.Size(), &after, sizeof(after)));
        ASSERT_EQ(static_cast<DWORD>(PAGE_NOACCESS), after.Protect);
        int hasAlpha = -1;
        EXPECT_EQ(nullptr, LoadPngFromMemory(buffer.Data(), buffer.Size(), &hasAlpha));
        EXPECT_EQ(-1, hasAlpha);
    }
    GuardedBuffer whole(file);
    int hasAlpha = -1;
    ScopedBitmap handle(LoadPngFromMemory(whole.Data(), whole.Size(), &hasAlpha));
    EXPECT_TRUE(handle);
    EXPECT_EQ(1, hasAlpha);
}

TEST(LMPngLoaderBadInput, AMissingFileGivesNullWithoutAMessage)
{
    TempFolder folder;
    MessageBoxRecorder recorder;
    int hasAlpha = -1;
    EXPECT_EQ(nullptr, LoadPng(folder.File(L"missing.png").c_str(), &hasAlpha));
    EXPECT_EQ(nullptr, LoadPngFromMemory(nullptr, 10));
    EXPECT_EQ(0u, recorder.Boxes().size());
}

TEST(LMPngLoaderBadInput, AFileLargerThanTheCapIsRefusedUnread)
{
    TempFolder folder;
    std::wstring path = folder.File(L"large.png");
    {
        ScopedFile file(CreateFileW(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                                    FILE_ATTRIBUTE_NORMAL, nullptr));
        ASSERT_TRUE(file);
        LARGE_INTEGER end{};
        end.QuadPart = static_cast<LONGLONG>(kLMMaxDibBytes) + 1;
        ASSERT_TRUE(SetFilePointerEx(file.Get(), end, nullptr, FILE_BEGIN));
        ASSERT_TRUE(SetEndOfFile(file.Get()));
    }
    MessageBoxRecorder recorder;
    EXPECT_EQ(nullptr, LoadPng(path.c_str(), nullptr));
    ExpectOneReadError(recorder, path);
}

// The message is built in a 512-character buffer; a longer path is cut short.
TEST(LMPngLoaderBadInput, AVeryLongPathIsCutInTheMessage)
{
    TempFolder folder;
    std::wstring longFolder = L"\\\\?\\" + folder.File(std::wstring(240, L'd'));
    ASSERT_TRUE(CreateDirectoryW(longFolder.c_str(), nullptr)) << GetLastError();
    std::wstring path = longFolder + L"\\" + std::wstring(240, L'f') + L".png";
    ASSERT_GT(path.size(), 512u);
    ASSERT_TRUE(WriteFileBytes(path, Bytes{'n', 'o', 't', ' ', 'P', 'N', 'G'}));
    MessageBoxRecorder recorder;
    EXPECT_EQ(nullptr, LoadPng(path.c_str(), nullptr));
    ASSERT_EQ(1u, recorder.Boxes().size());
    EXPECT_EQ(511u, recorder.Boxes()[0].Text.size());
    EXPECT_EQ(L"Error reading '" + path.substr(0, 511 - 15), recorder.Boxes()[0].Text);
    EXPECT_TRUE(DeleteFileW(path.c_str()));
    EXPECT_TRUE(RemoveDirectoryW(longFolder.c_str()));
}
