// Loading ".PvltTheme" archives: what their "scheme.ini" gives, what bad
// archives, libraries and paths give, and that no load leaves anything behind.

#include "ArchiveFolder.h"
#include "ArchiveTestSupport.h"
#include "ChildProcess.h"
#include "MessageBoxRecorder.h"
#include "SchemeIni.h"
#include "ThemeTestSupport.h"
#include "UnzipLibrary.h"

#include <gtest/gtest.h>

#include <climits>

namespace
{

constexpr uint32_t kRed = 0xFF0000, kGreen = 0x00FF00, kBlue = 0x0000FF, kGrey = 0x808080;
const char kHelp[] = "[Help]\r\nFrames=1\r\nStdCursor=0\r\n";
const ArchiveFiles kHelpImage = { { "Help.png", PngBytes(4, 4, kRed) } };

std::string CopperWire()
{
    ArchiveFiles files = { { "Help.png", PngBytes(120, 20, kRed) },
        { "IBeam_Down.bmp", BmpFile(40, 40, kRed, kGrey) }, { "Wait.png", PngBytes(4, 4, kGreen) },
        { "Wait.bmp", BmpFile(4, 8, kBlue, kGrey) } };
    for (const char* role : { "Arrow", "Cross", "IBeam", "NO", "SizeS", "SizeWE" })
        files.push_back({ role + std::string(".png"), PngBytes(6, 4, kRed) });
    return SchemeArchive(
        "[General]\r\nVersion=210\r\n[Help]\r\nFrames=6\r\nInterval=80\r\n"
        "Animation style=0\r\nHot spot x=2\r\nHot spot y=7\r\nStdCursor=0\r\n"
        "[IBeam_Down]\r\nFrames=2\r\nStdCursor=0\r\n"
        "[Wait]\r\nFrames=1\r\nStdCursor=0\r\n[Arrow]\r\nFrames=1\r\n"
        "[Cross]\r\nFrames=1\r\nStdCursor=2\r\n[IBeam]\r\nFrames=0\r\nStdCursor=0\r\n"
        "[NO]\r\nStdCursor=0\r\n[SizeNS]\r\nFrames=1\r\nStdCursor=0\r\n"
        "[SizeS]\r\nFrames=7\r\nStdCursor=0\r\n[SizeWE]\r\nFrames=-3\r\nStdCursor=0\r\n",
        files)
        .File;
}

} // namespace

TEST(ArchiveRead, CopperWireGivesExactlyItsCursors)
{
    TempFolder folder;
    std::wstring path = WriteTestFile(folder, L"Copper Wire.PvltTheme", CopperWire());
    CTheme theme;
    ASSERT_EQ(1, theme.LoadZipTheme(path.c_str(), 0));
    EXPECT_EQ(210, theme.SchemeVersion);
    EXPECT_STREQ(L"Copper Wire", theme.Name.get());
    EXPECT_EQ(ThemeHasCursors, theme.ContentFlags);
    EXPECT_EQ(path, theme.FilePath);
    ASSERT_EQ(3, theme.CursorCount());
    const CThemeCursor& help = *theme.GetCursorAt(0);
    EXPECT_EQ(std::vector<int>({ 1, 1, 1, 0, 6, 80, 0, 0, 1, 2, 7 }),
        std::vector<int>(
            { help.Role, help.State, help.Group, help.StdCursor, help.Frames, help.Interval,
                help.Alternate, help.Reverse, help.Loop, help.HotSpotX, help.HotSpotY }));
    EXPECT_EQ(L"Help", help.SectionName);
    EXPECT_EQ(nullptr, help.Script.get());
    const LMBitmapState& state = *help.Animation;
    EXPECT_EQ(L"Help", state.Name);
    EXPECT_EQ(std::vector<int>({ 24, 20, 2, -2, -7, 0 }),
        std::vector<int>({ state.FrameFlags, state.FrameWidth, state.HitMode, state.OffsetX,
            state.OffsetY, state.ScriptStepCount() }));
    const CThemeCursor& wait = *theme.GetCursorAt(1);
    EXPECT_EQ(3, wait.Role);
    EXPECT_EQ(0xFF00FF00u, PixelOf(*wait.Animation->Bitmap, 0, 0)); // the PNG's green
    const CThemeCursor& ibeam = *theme.GetCursorAt(2);
    const LMBitmap& strip = *ibeam.Animation->Bitmap;
    EXPECT_EQ(std::vector<int>({ 5, 2, 40, 20 }),
        std::vector<int>({ ibeam.Role, ibeam.State, strip.Width, strip.Height }));
    EXPECT_EQ(0x80800000u, PixelOf(strip, 0, 0)); // red under the grey mask's alpha
    EXPECT_TRUE(ArchiveLeftovers().empty());
}

TEST(ArchiveRead, AnimationStyleFrameScriptAndPreview)
{
    const struct Row {
        const char* Style;
        const char* FrameScript;
        int Preview, Cursors, Flags, Steps;
    } rows[] = { { "3", "0", 0, 2, 26, 0 }, { "0", "5", 0, 2, 24, 2 }, { "0", "0", 1, 1, 24, 0 } };
    for (const Row& row : rows) {
        SCOPED_TRACE(std::string("style ") + row.Style + " script " + row.FrameScript);
        TempFolder folder;
        std::wstring path = WriteTestFile(folder, L"t.PvltTheme",
            SchemeArchive(std::string("[Arrow]\r\nFrames=2\r\nStdCursor=0\r\nAnimation style=")
                    + row.Style + "\r\nFrameScript=" + row.FrameScript
                    + "\r\n[Arrow_Script]\r\n3-1,40\r\n2\r\n" + kHelp + "[Description]\r\nx",
                { { "Arrow.png", PngBytes(4, 4, kRed) }, kHelpImage[0] })
                .File);
        CTheme theme;
        ASSERT_EQ(1, theme.LoadZipTheme(path.c_str(), row.Preview));
        ASSERT_EQ(row.Cursors, theme.CursorCount());
        const CThemeCursor& arrow = *theme.GetCursorAt(0);
        EXPECT_EQ(row.Flags, arrow.Animation->FrameFlags);
        EXPECT_EQ(row.Flags == 26, arrow.Alternate == 1);
        EXPECT_STREQ(L"3-1,40\r\n2", arrow.Script.get());
        EXPECT_EQ(row.Steps, arrow.Animation->ScriptStepCount());
        EXPECT_STREQ(L"x", theme.Description.get());
    }
}

TEST(ArchiveRead, TheDescriptionFollowsItsMarkLine)
{
    std::string utf16 = "\xFF\xFE";
    for (char c : std::string("[General]\r\n[DeScRiPtIoN]\r\n\r\n\r\nAlpha\r\n\r\nOmega"))
        utf16 += std::string { c, '\0' };
    const struct Row {
        std::string Ini;
        const wchar_t* Description;
    } rows[] = {
        { "[General]\nVersion=1\n[DeScRiPtIoN]\n\n\nAlpha\n\nOmega\n", L"Alpha\r\n\r\nOmega\r\n" },
        { utf16, L"Alpha\r\n\r\nOmega" },
        { "[General]\r\nVersion=1\r\n", L"" },
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(testing::PrintToString(std::wstring(row.Description)));
        TempFolder folder;
        std::wstring ini = WriteTestFile(folder, L"scheme.ini", row.Ini);
        CTheme theme;
        ASSERT_EQ(1, theme.LoadSchemeIni(ini.c_str(), 0));
        ASSERT_NE(nullptr, theme.Description.get());
        EXPECT_STREQ(row.Description, theme.Description.get());
    }
}

TEST(ArchiveRead, GetIniIntTakesTheLeadingNumber)
{
    TempFolder folder;
    std::wstring ini = WriteTestFile(folder, L"s.ini",
        "[S]\r\nA=  -17xyz\r\nB=+9\r\nC=q5\r\nD=42" + std::string(298, 'z')
            + "\r\nE=12345678901234567890\r\nF=-99999999999\r\n");
    const std::pair<const wchar_t*, int32_t> rows[] = { { L"A", -17 }, { L"B", 9 }, { L"C", 0 },
        { L"D", 42 }, { L"E", INT_MAX }, { L"F", INT_MIN }, { L"G", -5 } };
    for (const auto& [key, value] : rows) {
        SCOPED_TRACE(testing::PrintToString(std::wstring(key)));
        EXPECT_EQ(value, GetIniInt(L"S", key, L"-5", ini.c_str()));
    }
}

// Loads the archive with the library looked for in the folder given.
TRIVANE_CHILD(LoadWithUnzipFolder)
{
    SetUnzipLibraryFolder(args.at(0));
    MessageBoxRecorder boxes;
    CTheme theme, again;
    ChildReport("result", theme.LoadZipTheme(args.at(1).c_str(), 0));
    ChildReport("flags", theme.ContentFlags);
    again.LoadZipTheme(args.at(1).c_str(), 0); // a missing library is said once
    ChildReport("boxes", static_cast<long long>(boxes.Boxes().size()));
    for (const RecordedMessageBox& box : boxes.Boxes()) {
        ChildReport("box",
            box.Text + L"|" + box.Caption + L"|" + std::to_wstring(box.Type) + L"|"
                + std::to_wstring(box.Owner == nullptr));
    }
    return 0;
}

TEST(ArchiveRead, AMissingOrForeignLibraryLoadsNothing)
{
    TempFolder folder;
    std::wstring path = WriteTestFile(folder, L"t.PvltTheme", CopperWire());
    wchar_t program[MAX_PATH];
    GetModuleFileNameW(nullptr, program, MAX_PATH);
    std::wstring programFolder = program;
    programFolder.resize(programFolder.rfind(L'\\'));
    TempFolder empty, foreign;
    ASSERT_TRUE(CopyFileW(
        (programFolder + L"\\Pvlt0.dll").c_str(), foreign.File(L"unzip32.dll").c_str(), FALSE));
    const std::string box = "Could not find Unzip32.dll|Pavolt 2|" + std::to_string(MB_ICONWARNING);
    const struct Row {
        std::wstring Folder;
        const char* Result;
        std::string Box; // text, caption, type, and 1 for no owner
    } rows[] = { { empty.Path(), "0", box + "|1" }, { foreign.Path(), "0", "" },
        { programFolder, "1", "" } };
    for (const Row& row : rows) {
        SCOPED_TRACE(testing::PrintToString(row.Folder));
        ChildResult child = RunChild("LoadWithUnzipFolder", { row.Folder, path });
        EXPECT_EQ(row.Result, ChildValue(child.Output, "result"));
        EXPECT_EQ(row.Result, ChildValue(child.Output, "flags"));
        EXPECT_EQ(row.Box.empty() ? "0" : "1", ChildValue(child.Output, "boxes"));
        EXPECT_EQ(row.Box, ChildValue(child.Output, "box"));
        EXPECT_TRUE(ArchiveLeftovers().empty());
    }
}

// An archive whose sections give no cursor fails like one without its ini:
// a merge would put no cursors over the ones it keeps.
TEST(ArchiveRead, EachBadArchiveFailsCleanlyOrLoadsWhatIsSound)
{
    std::string longLines = "[Junk]\r\n";
    for (int i = 0; i < 10; ++i)
        longLines += "k" + std::to_string(i) + "=" + std::string(100000, 'v') + "\r\n";
    const struct Row {
        const char* Name;
        std::string Bytes;
        int Result, Cursors;
    } rows[] = {
        { "empty", "", 0, 0 },
        { "no scheme.ini", FilesArchive(kHelpImage).File, 0, 0 },
        { "scheme.ini a folder",
            FilesArchive({ { "scheme.ini/", "" }, { "scheme.ini/x", "x" } }).File, 0, 0 },
        { "1 MB of long lines", SchemeArchive(longLines + kHelp, kHelpImage).File, 1, 1 },
        { "Frames of 20 digits",
            SchemeArchive("[Help]\r\nFrames=12345678901234567890\r\nStdCursor=0", kHelpImage).File,
            0, 0 },
        { "images are folders",
            SchemeArchive(kHelp, { { "Help.png/", "" }, { "Help.bmp/", "" } }).File, 0, 0 },
        { "image outside", SchemeArchive(kHelp, { { "../Help.png", kHelpImage[0].second } }).File,
            0, 0 },
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.Name);
        TempFolder folder;
        std::wstring path = WriteTestFile(folder, L"x.PvltTheme", row.Bytes);
        CTheme theme;
        EXPECT_EQ(row.Result, theme.LoadZipTheme(path.c_str(), 0));
        EXPECT_EQ(row.Result, theme.ContentFlags);
        EXPECT_EQ(row.Cursors, theme.CursorCount());
        EXPECT_TRUE(ArchiveLeftovers().empty());
        EXPECT_EQ(std::vector<std::wstring>({ L"x.PvltTheme" }), FolderFiles(folder.Path()));
    }
    CTheme missing;
    EXPECT_EQ(0, missing.LoadZipTheme(L"C:\\missing.PvltTheme", 0));
}

// Paths outside the ANSI code page go to the library in their short form; with
// no temporary folder nothing is extracted.
TEST(ArchiveRead, AwkwardPathsAndNoTemporaryFolder)
{
    const std::wstring name = L"\u4E3B\u9898";
    std::string ansi;
    EXPECT_FALSE(WideToAnsi(&ansi, name.c_str()));
    EXPECT_TRUE(WideToAnsi(&ansi, L"plain"));
    EXPECT_EQ("plain", ansi);
    TempFolder folder;
    // Best fit would make "Łódź" the name of another file: it loads its own
    // archive through its short form, or fails, never a neighbour's.
    const std::wstring lodz = L"\u0141\u00F3d\u017A.PvltTheme";
    if (GetACP() != CP_UTF8) {
        EXPECT_FALSE(WideToAnsi(&ansi, lodz.c_str())) << "code page " << GetACP();
    }
    const std::wstring own = WriteTestFile(folder, lodz, SchemeArchive(kHelp, kHelpImage).File);
    for (const wchar_t* neighbour : { L"L\u00F3dz.PvltTheme", L"Lodz.PvltTheme" })
        WriteTestFile(folder, neighbour, CopperWire());
    CTheme lodzTheme;
    const int loaded = lodzTheme.LoadZipTheme(own.c_str(), 0);
    EXPECT_TRUE(loaded == 0 || lodzTheme.CursorCount() == 1) << lodzTheme.CursorCount();
    std::wstring wide = folder.File(name);
    ASSERT_TRUE(CreateDirectoryW(wide.c_str(), nullptr));
    std::wstring path = WriteTestFile(
        folder, name + L"\\" + name + L".PvltTheme", SchemeArchive(kHelp, kHelpImage).File);
    wchar_t oldTemp[MAX_PATH] = {};
    GetEnvironmentVariableW(L"TMP", oldTemp, MAX_PATH);
    SetEnvironmentVariableW(L"TMP", wide.c_str());
    CTheme theme, none;
    EXPECT_EQ(1, theme.LoadZipTheme(path.c_str(), 0));
    EXPECT_EQ(1, theme.CursorCount());
    EXPECT_EQ(std::vector<std::wstring>({ name + L".PvltTheme" }), FolderFiles(wide));
    // Without a short form (the path does not exist) the library is not called.
    EXPECT_EQ(0, UnzipAll((wide + L"\\missing" + name).c_str(), wide.c_str()));
    SetEnvironmentVariableW(L"TMP", folder.File(L"gone").c_str());
    EXPECT_EQ(0, none.LoadZipTheme(path.c_str(), 0));
    EXPECT_EQ(0, none.ContentFlags);
    EXPECT_EQ(INVALID_FILE_ATTRIBUTES, GetFileAttributesW(folder.File(L"gone").c_str()));
    SetEnvironmentVariableW(L"TMP", oldTemp);
}

TEST(ArchiveRead, DeleteFolderStaysInsideTheTemporaryFolderAndOffLinks)
{
    TempFolder temp;
    std::wstring kept = temp.File(L"kept"), doomed = temp.File(L"doomed");
    wchar_t program[MAX_PATH];
    GetModuleFileNameW(nullptr, program, MAX_PATH);
    std::wstring outside = std::wstring(program) + L".folder";
    for (const std::wstring& folder : { kept, doomed, doomed + L"\\sub", outside }) {
        CreateDirectoryW(folder.c_str(), nullptr);
        ASSERT_TRUE(WriteBytesToFile(folder + L"\\f.txt", "f", 1));
    }
    ASSERT_TRUE(CreateSymbolicLinkW(
        (doomed + L"\\link").c_str(), kept.c_str(), SYMBOLIC_LINK_FLAG_DIRECTORY));
    // From a folder on drive C:, a root or an empty path could at worst reach
    // the Wine prefix, never the build machine's own root.
    wchar_t current[MAX_PATH];
    GetCurrentDirectoryW(MAX_PATH, current);
    SetCurrentDirectoryW(temp.Path().c_str());
    for (const wchar_t* refused : { L"", L"C:\\", L"\\", outside.c_str() })
        EXPECT_EQ(0, DeleteFolder(refused, 1)) << testing::PrintToString(std::wstring(refused));
    SetCurrentDirectoryW(current);
    EXPECT_EQ(std::vector<std::wstring>({ L"f.txt" }), FolderFiles(outside));
    DeleteFileW((outside + L"\\f.txt").c_str());
    RemoveDirectoryW(outside.c_str());
    EXPECT_EQ(1, DeleteFolder(doomed.c_str(), 0));
    EXPECT_TRUE(FolderFiles(doomed).empty());
    EXPECT_NE(0, DeleteFolder(doomed.c_str(), 1));
    EXPECT_EQ(INVALID_FILE_ATTRIBUTES, GetFileAttributesW(doomed.c_str()));
    EXPECT_EQ(std::vector<std::wstring>({ L"f.txt" }), FolderFiles(kept));
}
