// Registration in private registry views, with a world that gives the
// system version and the library's path and fails chosen calls.

#include "Registration.h"
#include "CplModule.h"
#include "EngineWorld.h"
#include "RegistryViews.h"
#include "ScopedWin.h"
#include "TempFolder.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <string>
#include <vector>

namespace {

constexpr wchar_t kRun[] = L"SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\Run";
constexpr wchar_t kItemId[] = L"{09EFED77-C147-4F19-B434-D2C91293B33E}";
constexpr wchar_t kItem[] = L"CLSID\\{09EFED77-C147-4F19-B434-D2C91293B33E}";
constexpr wchar_t kNameSpace[] =
    L"SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\explorer\\ControlPanel\\NameSpace";
constexpr wchar_t kMissing[] = L"missing";
const HKEY CR = HKEY_CLASSES_ROOT;
const HKEY CU = HKEY_CURRENT_USER;
const HKEY LM = HKEY_LOCAL_MACHINE;

std::string Hex(uintptr_t value)
{
    char text[24];
    snprintf(text, sizeof(text), "%#llx", static_cast<unsigned long long>(value));
    return text;
}

// The real world, but with the system version, the library's path and the
// engine window given, the stop request and removals logged, and a registry
// or file call ("open", "create", "delete", "create file") failing where
// Fail says so.
class RegistrationWorld : public EngineWorld {
public:
    DWORD Major = 6;
    DWORD Minor = 1;
    std::wstring Library;
    HWND Engine = nullptr;
    LRESULT SendResult = 1;
    std::function<LSTATUS(const std::string&, HKEY, const std::wstring&)> Fail;
    std::vector<std::string> Log;

    BOOL GetVersionExW(OSVERSIONINFOW* version) override
    {
        version->dwMajorVersion = Major;
        version->dwMinorVersion = Minor;
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
        Log.push_back("send " + Hex(reinterpret_cast<uintptr_t>(window)) + " " + Hex(message) +
                      " " + Hex(wParam) + " " + Hex(lParam) + " " + Hex(flags) + " " +
                      std::to_string(timeoutMs));
        return SendResult;
    }
    void Sleep(DWORD milliseconds) override
    {
        Log.push_back("sleep " + std::to_string(milliseconds));
    }
    LSTATUS RegOpenKeyExW(HKEY root, const wchar_t* key, DWORD options, REGSAM access,
                          HKEY* opened) override
    {
        LSTATUS status = Failure("open", root, key);
        return status ? status : EngineWorld::RegOpenKeyExW(root, key, options, access, opened);
    }
    LSTATUS RegCreateKeyExW(HKEY root, const wchar_t* key, DWORD reserved, wchar_t* className,
                            DWORD options, REGSAM access, SECURITY_ATTRIBUTES* security,
                            HKEY* created, DWORD* disposition) override
    {
        LSTATUS status = Failure("create", root, key);
        return status ? status
                      : EngineWorld::RegCreateKeyExW(root, key, reserved, className, options,
                                                     access, security, created, disposition);
    }
    LSTATUS RegDeleteKeyW(HKEY root, const wchar_t* key) override
    {
        Log.push_back("delete");
        LSTATUS status = Failure("delete", root, key);
        return status ? status : EngineWorld::RegDeleteKeyW(root, key);
    }
    HANDLE CreateFileW(const wchar_t* path, DWORD access, DWORD share,
                       SECURITY_ATTRIBUTES* security, DWORD disposition, DWORD flags,
                       HANDLE templateFile) override
    {
        if (LSTATUS status = Failure("create file", nullptr, path)) {
            SetLastError(status);
            return INVALID_HANDLE_VALUE;
        }
        return EngineWorld::CreateFileW(path, access, share, security, disposition, flags,
                                        templateFile);
    }
    LSTATUS RegDeleteValueW(HKEY key, const wchar_t* name) override
    {
        Log.push_back("delete");
        return EngineWorld::RegDeleteValueW(key, name);
    }

private:
    LSTATUS Failure(const std::string& call, HKEY root, const wchar_t* key)
    {
        return Fail ? Fail(call, root, key) : ERROR_SUCCESS;
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

// The library's folder F (named "Reg & Co 7", or a name that makes F that
// long) and private views that hold the Run key.
struct Scene {
    explicit Scene(RegistrationWorld& world, size_t folderChars = 0)
    {
        std::wstring name = L"Reg & Co 7";
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
    bool HasTasksFile() const
    {
        return GetFileAttributesW(TasksFile().c_str()) != INVALID_FILE_ATTRIBUTES;
    }

    TempFolder Temp;
    std::wstring Folder;
    RegistryViews Views;
    ScopedFile Held;
};

TEST_F(RegistrationTest, OnlyNt6HasTheControlPanelItem)
{
    struct Row {
        DWORD Major, Minor;
        bool Item;
    } rows[] = {{6, 0, true}, {6, 3, true}, {5, 1, false}, {5, 2, false}, {10, 0, false}};
    for (const Row& row : rows) {
        SCOPED_TRACE(testing::Message() << row.Major << "." << row.Minor);
        world_.Major = row.Major;
        world_.Minor = row.Minor;
        Scene scene(world_);
        EXPECT_EQ(S_OK, scene.Register());
        EXPECT_NE(kMissing, scene.Views.Value(CR, L"TrivaneFile\\shell\\edit\\command"));
        EXPECT_EQ(row.Item, scene.Views.Exists(CR, kItem));
        EXPECT_EQ(row.Item, scene.Views.Exists(LM, std::wstring(kNameSpace) + L"\\" + kItemId));
        EXPECT_EQ(row.Item, scene.HasTasksFile());
        // The item of an earlier registration leaves with NT 6 only.
        scene.Views.SeedEachLevel(CR, L"CLSID", kItemId + std::wstring(L"\\Shell\\Open\\Command"));
        scene.Views.SeedEachLevel(LM, kNameSpace, kItemId);
        EXPECT_EQ(S_OK, scene.Unregister());
        EXPECT_FALSE(scene.Views.Exists(CR, L"TrivaneFile"));
        EXPECT_EQ(!row.Item, scene.Views.Exists(CR, kItem));
        EXPECT_EQ(!row.Item, scene.Views.Exists(LM, std::wstring(kNameSpace) + L"\\" + kItemId));
    }
}

TEST_F(RegistrationTest, ARunningEngineIsAskedToStopBeforeTheFirstRemoval)
{
    const std::string shutdown = Hex(RegisterWindowMessageW(L"WM_TRV_SHUTDOWN"));
    const std::vector<std::string> stop = {"send 0x1234 " + shutdown + " 0 0 0x2 5000",
                                           "send 0x1234 0x7b8 0 0 0x2 5000", "sleep 500"};
    struct Row {
        const char* Label;
        HWND Engine;
        LRESULT Sends;
    } rows[] = {{"no engine", nullptr, 1},
                {"an engine", reinterpret_cast<HWND>(0x1234), 1},
                {"an engine that never answers", reinterpret_cast<HWND>(0x1234), 0}};
    for (const Row& row : rows) {
        SCOPED_TRACE(row.Label);
        world_.Engine = row.Engine;
        world_.SendResult = row.Sends;
        world_.Log.clear();
        Scene scene(world_);
        scene.Views.Seed(CR, L"TrivaneFile");
        EXPECT_EQ(S_OK, scene.Unregister());
        auto firstRemoval = std::find(world_.Log.begin(), world_.Log.end(), "delete");
        EXPECT_EQ(row.Engine ? stop : std::vector<std::string>(),
                  std::vector<std::string>(world_.Log.begin(), firstRemoval));
        EXPECT_FALSE(scene.Views.Exists(CR, L"TrivaneFile"));
    }
}

TEST_F(RegistrationTest, AFailureIsReportedAfterEveryOtherWrite)
{
    using Step = std::function<void(Scene&)>;
    auto fail = [this](const char* call, HKEY root, const wchar_t* key, LSTATUS status) {
        world_.Fail = [=](const std::string& c, HKEY r, const std::wstring& k) {
            return c == call && r == root && (!key || k == key) ? status : ERROR_SUCCESS;
        };
    };
    auto written = [](Scene& scene) {
        EXPECT_NE(kMissing, scene.Views.Value(CR, L"TrivaneFile\\shell\\open\\command"));
        EXPECT_NE(kMissing, scene.Views.Value(CR, kItem, L"System.Software.TasksFileUrl"));
    };
    struct Row {
        const char* Label;
        size_t FolderChars;
        Step Arrange;
        bool Unregister;
        HRESULT Result;
        Step Check;
    } rows[] = {
        {"an HKLM write denied", 0, [&](Scene&) { fail("create", LM, nullptr, 5); }, false,
         HRESULT(0x80070005),
         [&](Scene& scene) {
             written(scene);
             EXPECT_EQ(L"REG_SZ \"" + scene.Folder + L"\\Trivane.exe\"",
                       scene.Views.Value(CU, kRun, L"Trivane"));
             EXPECT_TRUE(scene.HasTasksFile());
         }},
        {"no Run key", 0, [&](Scene&) { fail("open", CU, kRun, 2); }, false, HRESULT(0x80070002),
         [&](Scene& scene) {
             written(scene);
             EXPECT_TRUE(scene.HasTasksFile());
         }},
        // Wine run by root writes read-only files: the world refuses instead.
        {"links.xml read-only", 0, [&](Scene&) { fail("create file", nullptr, nullptr, 5); }, false,
         HRESULT(0x80070005), written},
        {"links.xml held open", 0,
         [](Scene& scene) {
             scene.Held.Reset(CreateFileW(scene.TasksFile().c_str(), GENERIC_WRITE, 0, nullptr,
                                          CREATE_ALWAYS, 0, nullptr));
         },
         false, HRESULT(0x80070020), written},
        {"a folder of 240 characters", 240, [](Scene&) {}, false, HRESULT(0x800700CE),
         [&](Scene& scene) {
             written(scene);
             for (const wchar_t* key :
                  {L"PvltThemeFile\\shell\\edit\\command", L"TrivaneFile\\shell\\edit\\command",
                   L"CLSID\\{09EFED77-C147-4F19-B434-D2C91293B33E}\\Shell\\Open\\Command"})
                 EXPECT_EQ(kMissing, scene.Views.Value(CR, key));
             EXPECT_NE(kMissing, scene.Views.Value(CR, kItem + std::wstring(L"\\DefaultIcon")));
             EXPECT_FALSE(scene.HasTasksFile());
         }},
        {"one removal denied", 0,
         [&](Scene& scene) {
             for (const wchar_t* key : {L".PvltTheme", L".Trivane", L"TrivaneFile\\DefaultIcon"})
                 scene.Views.SeedEachLevel(CR, L"", key);
             fail("delete", CR, L"TrivaneFile\\DefaultIcon", 5);
         },
         true, HRESULT(0x80070005),
         [](Scene& scene) {
             EXPECT_TRUE(scene.Views.Exists(CR, L"TrivaneFile\\DefaultIcon"));
             EXPECT_FALSE(scene.Views.Exists(CR, L".PvltTheme"));
             EXPECT_FALSE(scene.Views.Exists(CR, L".Trivane"));
         }},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.Label);
        world_.Fail = nullptr;
        Scene scene(world_, row.FolderChars);
        row.Arrange(scene);
        EXPECT_EQ(row.Result, row.Unregister ? scene.Unregister() : scene.Register());
        row.Check(scene);
    }
}

TEST_F(RegistrationTest, RegisteringKeepsTheInstallersKeysAndTheUsersSettings)
{
    Scene scene(world_);
    const wchar_t extension[] = L"{43A27E78-5C7A-4C52-99E5-D8309C61D6A3}";
    const std::wstring server = L"CLSID\\" + std::wstring(extension) + L"\\InProcServer32";
    const wchar_t settings[] = L"SOFTWARE\\Kelmora\\Trivane";
    scene.Views.Seed(CR, server, nullptr, scene.Folder + L"\\TrivaneCpl.dll");
    scene.Views.Seed(CR, server, L"ThreadingModel", L"Apartment");
    scene.Views.Seed(LM,
                     L"SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\Controls "
                     L"Folder\\Mouse\\shellex\\PropertySheetHandlers\\Trivane",
                     nullptr, extension);
    scene.Views.SeedDword(CU, settings, L"HotKey", 0x641);
    scene.Views.Seed(CU, settings, L"CurrentTrail", L"Sparks");
    std::vector<std::wstring> seeded = scene.Views.Dump();
    EXPECT_EQ(S_OK, scene.Register());
    EXPECT_EQ(S_OK, scene.Register());
    std::vector<std::wstring> registered = scene.Views.Dump();
    for (const std::wstring& line : seeded) {
        EXPECT_NE(registered.end(), std::find(registered.begin(), registered.end(), line))
            << testing::PrintToString(line);
    }
}

TEST_F(RegistrationTest, UnregisteringRemovesEveryKeyLeafFirstAndNothingElse)
{
    Scene scene(world_);
    const wchar_t handlers[] = L"SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\Controls "
                               L"Folder\\Mouse\\shellex\\PropertySheetHandlers";
    const std::wstring item = kItemId;
    const std::wstring extension = L"{43A27E78-5C7A-4C52-99E5-D8309C61D6A3}";
    struct Seeded {
        HKEY Root;
        std::wstring Base, Path;
    } seeded[] = {
        {CU, L"SOFTWARE\\Kelmora", L"Pavolt"},
        {CU, L"SOFTWARE\\Kelmora", L"Trivane"},
        {LM, handlers, L"Trivane"},
        {LM, kNameSpace, item},
        {CR, L"CLSID", extension + L"\\InProcServer32"},
        {CR, L"CLSID", item + L"\\Shell\\Open\\Command"},
        {CR, L"CLSID", item + L"\\DefaultIcon"},
        {CR, L"", L"DravonSchemeFile\\shell\\open\\command"},
        {CR, L"", L"DravonSchemeFile\\DefaultIcon"},
        {CR, L"", L".DravonScheme"},
        {CR, L"", L".PvltTheme"},
        {CR, L"", L".Trivane"},
        {CR, L"", L"PvltThemeFile\\shell\\edit\\command"},
        {CR, L"", L"PvltThemeFile\\shell\\open\\command"},
        {CR, L"", L"PvltThemeFile\\DefaultIcon"},
        {CR, L"", L"TrivaneFile\\shell\\edit\\command"},
        {CR, L"", L"TrivaneFile\\shell\\open\\command"},
        {CR, L"", L"TrivaneFile\\DefaultIcon"},
        {CR, L"", L"TrivaneFile\\shell\\print\\command"},  // another program's verb
    };
    for (const Seeded& key : seeded)
        scene.Views.SeedEachLevel(key.Root, key.Base, key.Path);
    scene.Views.Seed(CU, kRun, L"Trivane");
    scene.Views.Seed(CU, kRun, L"Pavolt");
    scene.Views.Seed(LM, L"SOFTWARE\\Kelmora");
    const std::vector<std::wstring> left = {
        L"CR\\CLSID",
        L"CR\\TrivaneFile [Seed] REG_SZ x",
        L"CR\\TrivaneFile\\shell [Seed] REG_SZ x",
        L"CR\\TrivaneFile\\shell\\print [Seed] REG_SZ x",
        L"CR\\TrivaneFile\\shell\\print\\command [Seed] REG_SZ x",
        L"CU\\SOFTWARE\\Kelmora",
        L"CU\\SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\Run [Other] REG_SZ x",
        L"LM\\SOFTWARE\\Kelmora [Seed] REG_SZ x",
        std::wstring(L"LM\\") + handlers,
        std::wstring(L"LM\\") + kNameSpace,
    };
    EXPECT_EQ(S_OK, scene.Unregister());
    EXPECT_EQ(left, scene.Views.Dump());
    EXPECT_EQ(S_OK, scene.Unregister()) << "with nothing left to remove";
    EXPECT_EQ(left, scene.Views.Dump());
}

}  // namespace
