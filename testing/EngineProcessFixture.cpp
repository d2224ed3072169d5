#include "EngineProcessFixture.h"

#include "TempFolder.h"
#include "TestThemes.h"
#include "ThemeLocations.h"

namespace {

constexpr wchar_t kSettingsKey[] = L"SOFTWARE\\Kelmora\\Trivane";

std::optional<DWORD> ReadSetting(const wchar_t* name)
{
    DWORD value = 0;
    DWORD size = sizeof(value);
    if (RegGetValueW(HKEY_CURRENT_USER, kSettingsKey, name, RRF_RT_REG_DWORD, nullptr, &value,
                     &size) != ERROR_SUCCESS) {
        return std::nullopt;
    }
    return value;
}

void WriteSetting(const wchar_t* name, const std::optional<DWORD>& value)
{
    HKEY key = nullptr;
    if (RegCreateKeyExW(HKEY_CURRENT_USER, kSettingsKey, 0, nullptr, 0, KEY_SET_VALUE, nullptr,
                        &key, nullptr) != ERROR_SUCCESS) {
        return;
    }
    ScopedRegKey owner(key);
    if (value) {
        DWORD data = *value;
        RegSetValueExW(key, name, 0, REG_DWORD, reinterpret_cast<const BYTE*>(&data), 4);
    } else {
        RegDeleteValueW(key, name);
    }
}

}  // namespace

void EngineProcessTest::SetUp()
{
    EndAllEngines();
    wchar_t path[MAX_PATH] = {};
    GetCurrentThemePath(path);
    currentPath_ = path;
    GetThemesFolder(path);
    themesFolder_ = path;
    std::string bytes;
    if (ReadBytesFromFile(currentPath_, &bytes))
        savedCurrent_ = bytes;
    themesBefore_ = FilesIn(themesFolder_);
    SetSetting(L"Disabled", 0);
    WriteCurrentTheme();
}

void EngineProcessTest::TearDown()
{
    EndAllEngines();
    if (savedCurrent_)
        WriteBytesToFile(currentPath_, savedCurrent_->data(), savedCurrent_->size());
    else
        DeleteFileW(currentPath_.c_str());
    for (const auto& [name, value] : savedSettings_)
        WriteSetting(name.c_str(), value);
    for (const std::wstring& file : FilesIn(themesFolder_)) {
        if (!themesBefore_.count(file))
            DeleteFileW((themesFolder_ + L"\\" + file).c_str());
    }
}

void EngineProcessTest::WriteCurrentTheme()
{
    ASSERT_TRUE(SaveTestTheme(currentPath_, {{0, 1}}));
}

void EngineProcessTest::DeleteCurrentTheme()
{
    DeleteFileW(currentPath_.c_str());
}

std::string EngineProcessTest::CurrentThemeBytes() const
{
    std::string bytes;
    ReadBytesFromFile(currentPath_, &bytes);
    return bytes;
}

void EngineProcessTest::SetSetting(const wchar_t* name, DWORD value)
{
    if (!savedSettings_.count(name))
        savedSettings_[name] = ReadSetting(name);
    WriteSetting(name, value);
}

HWND EngineProcessTest::StartRunningEngine(EngineProcess* process)
{
    *process = StartEngineProgram();
    if (!process->IsValid())
        return nullptr;
    return WaitForEngineWindow(process->Id(), kEngineStartMs);
}
