// A pick and apply on the real road: the file written, the user's Run key,
// and the re-apply request posted to a window of the engine's class that
// this test owns.

#include "ComposeTestSupport.h"
#include "ScopedWin.h"

namespace {

constexpr wchar_t kRun[] = L"SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\Run";

// The Run key's two values as they were, put back when it goes.
class SavedRunValues {
public:
    SavedRunValues() : trivane_(ReadValue(kRun, L"Trivane")), pavolt_(ReadValue(kRun, L"Pavolt")) {}
    ~SavedRunValues()
    {
        Restore(L"Trivane", trivane_);
        Restore(L"Pavolt", pavolt_);
    }

private:
    static void Restore(const wchar_t* name, const RegValue& value)
    {
        if (value.Type == REG_NONE)
            RegDeleteKeyValueW(HKEY_CURRENT_USER, kRun, name);
        else
            WriteValue(kRun, name, value.Type, value.Bytes);
    }
    RegValue trivane_;
    RegValue pavolt_;
};

// The real world, but the current theme in the test's folder.
class ThemePathWorld : public EngineWorld {
public:
    explicit ThemePathWorld(std::wstring path) : path_(std::move(path)), previous_(SetWorld(this))
    {
    }
    ~ThemePathWorld() override { SetWorld(previous_); }
    void GetCurrentThemePath(wchar_t* buffer) override
    {
        CopyTextBounded(buffer, MAX_PATH, path_.c_str());
    }

private:
    std::wstring path_;
    EngineWorld* previous_;
};

}  // namespace

TEST_F(ComposeTest, PickAndApplyReachTheEngineWindow)
{
    SavedRunValues saved;
    ThemePathWorld world(CurrentFile());
    WNDCLASSEXW windowClass{};
    windowClass.cbSize = sizeof(windowClass);
    windowClass.lpfnWndProc = DefWindowProcW;
    windowClass.hInstance = GetModuleHandleW(nullptr);
    windowClass.lpszClassName = L"Pavolt";
    ASSERT_NE(0, RegisterClassExW(&windowClass));
    ScopedWindow engine(CreateWindowExW(0, L"Pavolt", L"", WS_POPUP, 0, 0, 32, 32, nullptr, nullptr,
                                        windowClass.hInstance, nullptr));
    ASSERT_TRUE(engine);
    PanelRunKey = kRun;

    const int row = AddRow(L"Juniper", *NamedTheme(L"Juniper"));
    ASSERT_EQ(1, PickLibraryTheme(1, row));
    ApplyCurrentTheme();

    CTheme written;
    ASSERT_EQ(1, written.Load(CurrentFile().c_str(), 0));
    EXPECT_STREQ(L"Juniper", written.Name.get());
    wchar_t program[MAX_PATH];
    GetModuleFileNameW(nullptr, program, MAX_PATH);
    PathRemoveFileSpecW(program);
    const RegValue run = ReadValue(kRun, L"Trivane");
    EXPECT_EQ(DWORD(REG_SZ), run.Type);
    EXPECT_EQ(TextBytes(L"\"" + std::wstring(program) + L"\\Trivane.exe\""), run.Bytes);
    std::vector<MSG> posted;
    for (MSG message; PeekMessageW(&message, engine.Get(), 0, 0, PM_REMOVE);)
        posted.push_back(message);
    ASSERT_EQ(1u, posted.size());
    EXPECT_EQ(std::make_tuple(PanelMessages.Reapply, WPARAM(0), LPARAM(0)),
              std::make_tuple(posted[0].message, posted[0].wParam, posted[0].lParam));
    engine.Reset();
    UnregisterClassW(L"Pavolt", windowClass.hInstance);
}
