#pragma once
// A program folder and a settings key of the test's own, for the language
// module: language files go to <folder>\lang\<id>\ui.txt, "Language" to
// HKCU\Software\TrivaneTests\<unique>.

#include "Language.h"
#include "ScopedWin.h"
#include "TempFolder.h"

#include <windows.h>

#include <string>

class LanguageFixture {
public:
    LanguageFixture()
    {
        static LONG counter = 0;
        source_.ProgramFolder = folder_.Path();
        source_.SettingsRoot = HKEY_CURRENT_USER;
        source_.SettingsKey = L"Software\\TrivaneTests\\language-" +
                              std::to_wstring(GetCurrentProcessId()) + L"-" +
                              std::to_wstring(InterlockedIncrement(&counter));
        CreateDirectoryW(folder_.File(L"lang").c_str(), nullptr);
    }
    ~LanguageFixture() { RegDeleteTreeW(HKEY_CURRENT_USER, source_.SettingsKey.c_str()); }
    LanguageFixture(const LanguageFixture&) = delete;
    LanguageFixture& operator=(const LanguageFixture&) = delete;

    const LanguageSource& Source() const { return source_; }

    std::wstring LanguageFolder(const std::wstring& name) const
    {
        return folder_.File(L"lang\\" + name);
    }

    // Writes lang\<name>\ui.txt with these bytes.
    bool WriteUiFile(const std::wstring& name, const std::string& bytes) const
    {
        CreateDirectoryW(LanguageFolder(name).c_str(), nullptr);
        return WriteBytesToFile(LanguageFolder(name) + L"\\ui.txt", bytes.data(), bytes.size());
    }

    bool SetLanguage(DWORD languageId) const
    {
        HKEY key = nullptr;
        if (RegCreateKeyExW(HKEY_CURRENT_USER, source_.SettingsKey.c_str(), 0, nullptr, 0,
                            KEY_SET_VALUE, nullptr, &key, nullptr) != ERROR_SUCCESS)
            return false;
        LONG result =
            RegSetValueExW(key, L"Language", 0, REG_DWORD,
                           reinterpret_cast<const BYTE*>(&languageId), sizeof(languageId));
        RegCloseKey(key);
        return result == ERROR_SUCCESS;
    }

private:
    TempFolder folder_;
    LanguageSource source_;
};

// The name Windows gives a language in its display language; empty when none.
inline std::wstring LocaleLanguageName(int languageId)
{
    wchar_t name[kLanguageNameChars] = {};
    if (!GetLocaleInfoW(MAKELCID(languageId, SORT_DEFAULT), LOCALE_SLANGUAGE, name,
                        kLanguageNameChars))
        return std::wstring();
    return name;
}
