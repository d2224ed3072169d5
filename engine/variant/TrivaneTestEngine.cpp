// A test variant of the engine: the same program in a world whose system
// pointers are simulated, so that it matches its dummies and draws under
// Wine, and which appends every pointer state it asks for and every sound it
// plays to the file that TRIVANE_TEST_LOG names, a line each.

#include "CTheme.h"
#include "EngineMain.h"
#include "EngineValues.h"
#include "ScopedWin.h"
#include "SimulatedCursorWorld.h"

#include <string>

namespace {

constexpr wchar_t kLogVariable[] = L"TRIVANE_TEST_LOG";

std::wstring LogPath()
{
    wchar_t path[MAX_PATH] = {};
    DWORD length = GetEnvironmentVariableW(kLogVariable, path, MAX_PATH);
    return length > 0 && length < MAX_PATH ? path : L"";
}

// The mouse event whose sound the data is, or -1.
int SoundEvent(const wchar_t* sound)
{
    if (!CurrentTheme)
        return -1;
    for (int event = 0; event < kMouseEventCount; ++event) {
        const CThemeSound* entry = CurrentTheme->Sounds[event].get();
        if (entry && reinterpret_cast<const wchar_t*>(entry->Data.get()) == sound)
            return event;
    }
    return -1;
}

class LoggedWorld : public SimulatedCursorWorld {
public:
    explicit LoggedWorld(std::wstring path) : path_(std::move(path)) {}

    int ChangeObjectState(LMObj* object, const wchar_t* name) override
    {
        Append("state " + Ascii(name));
        return SimulatedCursorWorld::ChangeObjectState(object, name);
    }

    BOOL PlaySoundW(const wchar_t* sound, HMODULE module, DWORD flags) override
    {
        if (sound)
            Append("sound " + std::to_string(SoundEvent(sound)));
        return SimulatedCursorWorld::PlaySoundW(sound, module, flags);
    }

private:
    static std::string Ascii(const wchar_t* text)
    {
        std::string out;
        for (; text && *text; ++text)
            out += *text < 0x80 ? static_cast<char>(*text) : '?';
        return out;
    }

    // One line at a time, so a reader never sees half of one.
    void Append(const std::string& line)
    {
        if (path_.empty())
            return;
        ScopedFile file(CreateFileW(path_.c_str(), FILE_APPEND_DATA,
                                    FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr, OPEN_ALWAYS,
                                    FILE_ATTRIBUTE_NORMAL, nullptr));
        if (!file)
            return;
        std::string text = line + "\r\n";
        DWORD written = 0;
        WriteFile(file.Get(), text.data(), static_cast<DWORD>(text.size()), &written, nullptr);
    }

    std::wstring path_;
};

}  // namespace

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE, PWSTR, int)
{
    LoggedWorld world(LogPath());
    SetWorld(&world);
    int code = EngineMain(instance);
    SetWorld(nullptr);
    return code;
}
