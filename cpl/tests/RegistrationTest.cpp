// Registration in private registry views, with the library in a folder
// F = "<temporary folder>\Reg & Co 7" and a world that gives the system
// version, the library's path and the engine window, logs the stop request
// and the keys opened, and fails a chosen call.

#include "Registration.h"
#include "CplModule.h"
#include "EngineWorld.h"
#include "RegistryViews.h"
#include "ScopedWin.h"
#include "TempFolder.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

namespace {

const HKEY CR = HKEY_CLASSES_ROOT;
const HKEY CU = HKEY_CURRENT_USER;
const HKEY LM = HKEY_LOCAL_MACHINE;
const std::wstring kRun = L"SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\Run";
const std::wstring kItemId = L"{09EFED77-C147-4F19-B434-D2C91293B33E}";
const std::wstring kExtensionId = L"{43A27E78-5C7A-4C52-99E5-D8309C61D6A3}";
const std::wstring kNameSpace =
    L"SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\explorer\\ControlPanel\\NameSpace";
const std::wstring kHandlers = L"SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\Controls "
                               L"Folder\\Mouse\\shellex\\PropertySheetHandlers";

// A call ("open", "create", "delete", "file") that fails with Status, under
// Root (any when null) and on Key (any when empty).
struct Failure {
    std::string Call;
    HKEY Root;
    std::wstring Key;
    LSTATUS Status;
};

class RegistrationWorld : public EngineWorld {
public:
    WORD Version = 0x601;  // major and minor, as _WIN32_WINNT writes them
    std::wstring Library;
    HWND Engine = nullptr;
    LRESULT SendResult = 1;
    Failure Fail;
    std::vector<std::string> Log;

    BOOL GetVersionExW(OSVERSIONINFOW* version) override
    {
        version->dwMajorVersion = HIBYTE(Version);
        version->dwMinorVersion = LOBYTE(Version);
        version->dwPlatformId = VER_PLATFORM_WIN32_NT;
        return TRUE;
    }
    DWORD GetModuleFileNameW(HMODULE, wchar_t* buffer, DWORD chars) override
    {
        lstrcpynW(buffer, Library.c_str(), static_cast<int>(chars));
        return static_cast<DWORD>(wcslen(buffer));
    }
    HWND FindWindowW(const wchar_t*, const wchar_t*) override { return Engine; }
    LRESULT SendMessageTimeoutW(HWND window, UINT message, WPARAM wParam, LPARAM lParam, UINT flags,
                                UINT timeoutMs, DWORD_PTR*) override
    {
        std::string line = "send";
        for (uintptr_t value :
             {reinterpret_cast<uintptr_t>(window), uintptr_t(message), uintptr_t(wParam),
              uintptr_t(lParam), uintptr_t(flags), uintptr_t(timeoutMs)})
            line += " " + std::to_string(value);
        Log.push_back(line);
        return SendResult;
    }
    void Sleep(DWORD milliseconds) override
    {
        Log.push_back("sleep " + std::to_string(milliseconds));
    }
    LSTATUS RegOpenKeyExW(HKEY root, const wchar_t* key, DWORD options, REGSAM access,
                          HKEY* opened) override
    {
        Log.push_back("open");
        LSTATUS status = Fails("open", root, key);
        return status ? status : EngineWorld::RegOpenKeyExW(root, key, options, access, opened);
    }
    LSTATUS RegCreateKeyExW(HKEY root, const wchar_t* key, DWORD reserved, wchar_t* className,
                            DWORD options, REGSAM access, SECURITY_ATTRIBUTES* security,
                            HKEY* created, DWORD* disposition) override
    {
        LSTATUS status = Fails("create", root, key);
        return status ? status
                      : EngineWorld::RegCreateKeyExW(root, key, reserved, className, options,
                                                     access, security, created, disposition);
    }
    LSTATUS RegDeleteKeyW(HKEY root, const wchar_t* key) override
    {
        LSTATUS status = Fails("delete", root, key);
        return status ? status : EngineWorld::RegDeleteKeyW(root, key);
    }
    HANDLE CreateFileW(const wchar_t* path, DWORD access, DWORD share,
                       SECURITY_ATTRIBUTES* security, DWORD disposition, DWORD flags,
                       HANDLE templateFile) override
    {
        if (LSTATUS status = Fails("file", nullptr, path)) {
            SetLastError(status);
            return INVALID_HANDLE_VALUE;
        }
        return EngineWorld::CreateFileW(path, access, share, security, disposition, flags,
                                        templateFile);
    }

private:
    LSTATUS Fails(const char* call, HKEY root, const wchar_t* key) const
    {
        bool match = Fail.Call == call && (!Fail.Root || Fail.Root == root) &&
                     (Fail.Key.empty() || Fail.Key == key);
        return match ? Fail.Status : ERROR_SUCCESS;
    }
};

class RegistrationTest : public testing::Test {
protected:
    void SetUp() override
    {
        cpl::SetModule(GetModuleHandleW(nullptr));
        previous_ = SetWorld(&world_);
    }
    void TearDown() override { SetWorld(previous_); }

    RegistrationWorld world_;
    EngineWorld* previous_ = nullptr;
};

// F (or another name, or a folder of x's that makes F that long) and private
// views that hold the Run key with a value of another program.
struct Scene {
    explicit Scene(RegistrationWorld& world, size_t folderChars = 0,
                   std::wstring name = L"Reg & Co 7")
    {
        if (folderChars)
            name.assign(folderChars - Temp.Path().size() - 1, L'x');
        Folder = Temp.File(name);
        CreateDirectoryW(Folder.c_str(), nullptr);
        world.Library = Folder + L"\\TrivaneCpl.dll";
        Views.Seed(CU, kRun, L"Other");
    }
    HRESULT Register() { return Views.Inside(cpl::RegisterServer); }
    HRESULT Unregister() { return Views.Inside(cpl::UnregisterServer); }
    std::wstring TasksFile() const { return Folder + L"\\links.xml"; }
    // The views' dump with F written "<F>", and "links.xml file" when F holds it.
    std::vector<std::wstring> Outcome() const
    {
        std::vector<std::wstring> lines = Views.Dump();
        for (std::wstring& line : lines) {
            for (size_t at = line.find(Folder); at != std::wstring::npos; at = line.find(Folder))
                line.replace(at, Folder.size(), L"<F>");
        }
        if (GetFileAttributesW(TasksFile().c_str()) != INVALID_FILE_ATTRIBUTES)
            lines.push_back(L"links.xml file");  // sorts last
        return lines;
    }

    TempFolder Temp;
    std::wstring Folder;
    RegistryViews Views;
};

// Registering twice writes the same table and keeps what the installer and
// the user own; unregistering then removes every key, each holding a value,
// leaf first, and leaves another program's verb with the keys above it.
TEST_F(RegistrationTest, RegisteringTwiceThenUnregisteringTwice)
{
    Scene scene(world_);
    const std::wstring item = L"CLSID\\" + kItemId;
    const std::wstring server = L"CLSID\\" + kExtensionId + L"\\InProcServer32";
    scene.Views.Seed(CR, server, nullptr, scene.Folder + L"\\TrivaneCpl.dll");
    scene.Views.Seed(CR, server, L"ThreadingModel", L"Apartment");
    scene.Views.Seed(LM, kHandlers + L"\\Trivane", nullptr, kExtensionId);
    scene.Views.Seed(CU, L"SOFTWARE\\Kelmora\\Trivane", L"HotKey", 0x641);
    scene.Views.Seed(CU, L"SOFTWARE\\Kelmora\\Trivane", L"CurrentTrail", L"Sparks");
    std::vector<std::wstring> registered = {
        L"CR\\.PvltTheme [] REG_SZ PvltThemeFile",
        L"CR\\.Trivane [] REG_SZ TrivaneFile",
        L"CR\\" + server + L" [] REG_SZ <F>\\TrivaneCpl.dll",
        L"CR\\" + server + L" [ThreadingModel] REG_SZ Apartment",
        L"CR\\" + item + L" [] REG_SZ Trivane",
        L"CR\\" + item + L" [System.ApplicationName] REG_SZ Kelmora.Trivane",
        L"CR\\" + item + L" [System.ControlPanel.Category] REG_SZ 1",
        L"CR\\" + item + L" [System.Software.TasksFileUrl] REG_SZ <F>\\links.xml",
        L"CR\\" + item + L"\\DefaultIcon [] REG_EXPAND_SZ <F>\\Trivane.exe,0",
        L"CR\\" + item +
            L"\\Shell\\Open\\Command [] REG_EXPAND_SZ \"<F>\\Trivane Control Panel.exe\"",
        L"CR\\PvltThemeFile [] REG_SZ Trivane theme",
        L"CR\\PvltThemeFile\\DefaultIcon [] REG_SZ <F>\\Trivane.exe,0",
        L"CR\\PvltThemeFile\\shell\\edit\\command [] REG_SZ \"<F>\\Trivane Theme Editor.exe\" "
        L"\"%1\"",
        L"CR\\PvltThemeFile\\shell\\open\\command [] REG_SZ \"<F>\\Trivane.exe\" \"%1\"",
        L"CR\\TrivaneFile [] REG_SZ Trivane theme",
        L"CR\\TrivaneFile\\DefaultIcon [] REG_SZ <F>\\TrivaneCpl.dll,0",
        L"CR\\TrivaneFile\\shell\\edit\\command [] REG_SZ \"<F>\\Trivane Theme Editor.exe\" \"%1\"",
        L"CR\\TrivaneFile\\shell\\open\\command [] REG_SZ \"<F>\\Trivane.exe\" \"%1\"",
        L"CU\\SOFTWARE\\Kelmora\\Trivane [CurrentTrail] REG_SZ Sparks",
        L"CU\\SOFTWARE\\Kelmora\\Trivane [HotKey] REG_DWORD 1601",
        L"CU\\" + kRun + L" [Other] REG_SZ x",
        L"CU\\" + kRun + L" [Trivane] REG_SZ \"<F>\\Trivane.exe\"",
        L"LM\\" + kHandlers + L"\\Trivane [] REG_SZ " + kExtensionId,
        L"LM\\" + kNameSpace + L"\\" + kItemId + L" [] REG_SZ Trivane",
        L"LM\\SOFTWARE\\Kelmora",
        L"links.xml file",
    };
    std::sort(registered.begin(), registered.end());
    for (const char* pass : {"first", "second"}) {
        SCOPED_TRACE(pass);
        EXPECT_EQ(S_OK, scene.Register());
        EXPECT_EQ(registered, scene.Outcome());
    }
    const std::wstring removed[] = {
        L"DravonSchemeFile\\shell\\open\\command",
        L"DravonSchemeFile\\DefaultIcon",
        L".DravonScheme",
        L"PvltThemeFile\\shell\\edit\\command",
        L"PvltThemeFile\\shell\\open\\command",
        L"PvltThemeFile\\DefaultIcon",
        L".PvltTheme",
        L"TrivaneFile\\shell\\edit\\command",
        L"TrivaneFile\\shell\\open\\command",
        L"TrivaneFile\\DefaultIcon",
        L".Trivane",
        L"TrivaneFile\\shell\\print\\command",  // another program's verb
        server,
        item + L"\\Shell\\Open\\Command",
        item + L"\\DefaultIcon"};
    for (const std::wstring& key : removed)
        scene.Views.SeedEachLevel(CR, L"", key);
    scene.Views.SeedEachLevel(CU, L"SOFTWARE", L"Kelmora\\Pavolt");
    scene.Views.SeedEachLevel(CU, L"SOFTWARE", L"Kelmora\\Trivane");
    scene.Views.SeedEachLevel(LM, L"SOFTWARE", L"Kelmora");
    scene.Views.SeedEachLevel(LM, kHandlers, L"Trivane");
    scene.Views.SeedEachLevel(LM, kNameSpace, kItemId);
    scene.Views.Seed(CU, kRun, L"Pavolt");
    std::vector<std::wstring> left = {
        L"CR\\CLSID [Seed] REG_SZ x",
        L"CR\\TrivaneFile [Seed] REG_SZ x",
        L"CR\\TrivaneFile [] REG_SZ Trivane theme",
        L"CR\\TrivaneFile\\shell [Seed] REG_SZ x",
        L"CR\\TrivaneFile\\shell\\print [Seed] REG_SZ x",
        L"CR\\TrivaneFile\\shell\\print\\command [Seed] REG_SZ x",
        L"CU\\SOFTWARE\\Kelmora [Seed] REG_SZ x",
        L"CU\\" + kRun + L" [Other] REG_SZ x",
        L"LM\\" + kHandlers,
        L"LM\\" + kNameSpace,
        L"LM\\SOFTWARE\\Kelmora [Seed] REG_SZ x",
    };
    std::sort(left.begin(), left.end());
    for (const char* pass : {"everything present", "nothing left"}) {
        SCOPED_TRACE(pass);
        EXPECT_EQ(S_OK, scene.Unregister());
        EXPECT_EQ(left, scene.Outcome());
    }
}

TEST_F(RegistrationTest, TheTaskFileRunsTheControlPanelByItsShortPath)
{
    const std::wstring document =
        L"\xFEFF<?xml version=\"1.0\" encoding=\"UTF-16\"?>\r\n"
        L"<applications xmlns=\"http://schemas.microsoft.com/windows/cpltasks/v1\" "
        L"xmlns:sh=\"http://schemas.microsoft.com/windows/tasks/v1\">\r\n"
        L"  <application id=\"{09EFED77-C147-4F19-B434-D2C91293B33E}\">\r\n"
        L"    <sh:task id=\"{08EE7176-B646-47FA-B847-F48AADF76A0D}\">\r\n"
        L"      <sh:name>Browse Cursors</sh:name>\r\n"
        L"      <sh:keywords>Trivane;Cursors;Themes</sh:keywords>\r\n"
        L"      <sh:command>";
    const std::wstring end =
        L"</sh:command>\r\n"
        L"    </sh:task>\r\n"
        L"    <sh:task id=\"{BEB9B378-32A9-4F05-A33E-FF614C0FC148}\">\r\n"
        L"      <sh:name>Download Cursors</sh:name>\r\n"
        L"      <sh:keywords>Trivane;Cursors;Themes;Download</sh:keywords>\r\n"
        L"      <sh:command>\"https://www.kelmora.com/trivane/download/\"</sh:command>\r\n"
        L"    </sh:task>\r\n"
        L"    <category id=\"1\">\r\n"
        L"      <sh:task idref=\"{08EE7176-B646-47FA-B847-F48AADF76A0D}\"/>\r\n"
        L"      <sh:task idref=\"{BEB9B378-32A9-4F05-A33E-FF614C0FC148}\"/>\r\n"
        L"    </category>\r\n"
        L"  </application>\r\n"
        L"</applications>\r\n";
    // Without the program, the path in quotes: as given, "%" and all.
    for (bool present : {true, false}) {
        SCOPED_TRACE(present ? "with the control panel" : "without it");
        Scene scene(world_, 0, present ? L"Reg & Co 7" : L"Reg %TEMP% & Co");
        std::wstring program = scene.Folder + L"\\Trivane Control Panel.exe";
        std::wstring command = L"\"" + program + L"\"";
        wchar_t shortPath[MAX_PATH] = {};
        if (present) {
            ASSERT_TRUE(WriteBytesToFile(program, "MZ", 2));
            ASSERT_NE(0u, GetShortPathNameW(program.c_str(), shortPath, MAX_PATH));
            command = shortPath;
        }
        for (size_t at = command.find(L'&'); at != std::wstring::npos;
             at = command.find(L'&', at + 1))
            command.insert(at + 1, L"amp;");
        std::wstring text = document + command + end;
        EXPECT_EQ(S_OK, scene.Register());
        std::string bytes;
        ASSERT_TRUE(ReadBytesFromFile(scene.TasksFile(), &bytes));
        EXPECT_EQ("\xFF\xFE", bytes.substr(0, 2));
        EXPECT_EQ(std::string(reinterpret_cast<const char*>(text.data()), text.size() * 2), bytes);
    }
}

TEST_F(RegistrationTest, ARunningEngineIsAskedToStopBeforeTheFirstRemoval)
{
    const std::string shutdown = std::to_string(RegisterWindowMessageW(L"WM_TRV_SHUTDOWN"));
    const std::vector<std::string> stop = {"send 4660 " + shutdown + " 0 0 2 5000",
                                           "send 4660 1976 0 0 2 5000", "sleep 500"};
    HWND engine = reinterpret_cast<HWND>(0x1234);
    struct Row {
        const char* Label;
        HWND Engine;
        LRESULT Sends;
    } rows[] = {{"no engine", nullptr, 1},
                {"an engine", engine, 1},
                {"an engine that never answers", engine, 0}};
    for (const Row& row : rows) {
        SCOPED_TRACE(row.Label);
        world_.Engine = row.Engine;
        world_.SendResult = row.Sends;
        world_.Log.clear();
        Scene scene(world_);
        scene.Views.Seed(CR, L"TrivaneFile");
        EXPECT_EQ(S_OK, scene.Unregister());
        auto firstRemoval = std::find(world_.Log.begin(), world_.Log.end(), "open");
        EXPECT_EQ(row.Engine ? stop : std::vector<std::string>(),
                  std::vector<std::string>(world_.Log.begin(), firstRemoval));
        EXPECT_FALSE(scene.Views.Exists(CR, L"TrivaneFile"));
    }
}

// Each run against the same run on 6.1 without a failure: only what the
// version or the failure explains differs ("-" drops the lines that hold the
// text, "+" adds a seeded key that stays). The failure "hold" keeps links.xml
// open; any "delete" makes the runs unregistrations.
TEST_F(RegistrationTest, VersionsAndFailuresChangeOnlyWhatTheyExplain)
{
    const HRESULT denied = static_cast<HRESULT>(0x80070005);
    const HRESULT tooLong = static_cast<HRESULT>(0x800700CE);
    const std::wstring item = L"+CLSID\\" + kItemId;
    const std::wstring icon = L"+TrivaneFile\\DefaultIcon";
    const std::vector<std::wstring> noItem = {L"-" + kItemId, L"-links.xml file"};
    struct Row {
        const char* Label;
        WORD Version;
        Failure Fail;
        size_t FolderChars;
        HRESULT Result;
        std::vector<std::wstring> Changes;
    } rows[] = {
        {"6.0", 0x600, {}, 0, S_OK, {}},
        {"6.3", 0x603, {}, 0, S_OK, {}},
        {"5.1", 0x501, {}, 0, S_OK, noItem},
        {"5.2", 0x502, {}, 0, S_OK, noItem},
        {"10.0", 0xA00, {}, 0, S_OK, noItem},
        // The version seen may be another host's: unregistering removes
        // the item whatever it sees.
        {"10.0 removal", 0xA00, {"delete", CR, L"", 0}, 0, S_OK, {}},
        {"5.1 removal", 0x501, {"delete", CR, L"", 0}, 0, S_OK, {}},
        {"HKLM write denied", 0x601, {"create", LM, L"", 5}, 0, denied, {L"-LM\\"}},
        {"no Run key", 0x601, {"open", CU, kRun, 2}, 0, HRESULT(0x80070002), {L"-Run [Trivane]"}},
        // Wine run by root writes read-only files: the world refuses instead.
        {"links.xml read-only", 0x601, {"file", nullptr, L"", 5}, 0, denied, {L"-links.xml file"}},
        {"links.xml held open", 0x601, {"hold", nullptr, L"", 0}, 0, HRESULT(0x80070020), {}},
        {"240 characters", 0x601, {}, 240, tooLong, {L"-edit", L"-Open", L"-links.xml file"}},
        {"removal denied",
         0x601,
         {"delete", CR, icon.substr(1), 5},
         0,
         denied,
         {L"+TrivaneFile", icon}},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.Label);
        bool removal = row.Fail.Call == "delete";
        std::vector<std::wstring> expected;
        for (bool changed : {false, true}) {
            world_.Version = changed ? row.Version : 0x601;
            world_.Fail = changed ? row.Fail : Failure{};
            Scene scene(world_, changed ? row.FolderChars : 0);
            for (const std::wstring& key :
                 {std::wstring(L"+.Trivane"), icon, item + L"\\DefaultIcon"}) {
                if (removal)
                    scene.Views.SeedEachLevel(CR, L"", key.substr(1));
            }
            ScopedFile held;
            if (changed && row.Fail.Call == "hold")
                held.Reset(CreateFileW(scene.TasksFile().c_str(), GENERIC_WRITE, 0, nullptr,
                                       CREATE_ALWAYS, 0, nullptr));
            HRESULT result = removal ? scene.Unregister() : scene.Register();
            std::vector<std::wstring> outcome = scene.Outcome();
            if (changed) {
                EXPECT_EQ(row.Result, result);
                EXPECT_EQ(expected, outcome);
                continue;
            }
            ASSERT_EQ(S_OK, result);
            for (const std::wstring& line : outcome) {
                if (std::none_of(row.Changes.begin(), row.Changes.end(), [&](auto& change) {
                        return change[0] == L'-' && line.find(change.substr(1)) != line.npos;
                    }))
                    expected.push_back(line);
            }
            for (const std::wstring& change : row.Changes) {
                if (change[0] == L'+')
                    expected.push_back(L"CR\\" + change.substr(1) + L" [Seed] REG_SZ x");
            }
            std::sort(expected.begin(), expected.end());
        }
    }
}

}  // namespace
