#pragma once
// The world of the programs' tests: it finds the engine window it is given,
// records what goes out to the engine, to other programs and to the speakers,
// and leaves the rest of the world real. It is in place while it lives.

#include "EngineWorld.h"

#include <functional>
#include <optional>
#include <string>
#include <tuple>
#include <vector>

class RecordingWorld : public EngineWorld {
public:
    using Post = std::tuple<HWND, UINT, WPARAM, LPARAM>;

    // A program start, its texts copied (absent ones stay absent).
    struct Launch {
        std::wstring File;
        std::optional<std::wstring> Parameters;
        std::optional<std::wstring> Folder;
        std::optional<std::wstring> Verb;
        HWND Owner = nullptr;
        ULONG Mask = 0;
        int Show = 0;
        bool operator==(const Launch& other) const;
    };

    // A sound request: a file name, or the bytes' address with SND_MEMORY
    // (null: stop), the flags, and what Holds said of the sound then.
    struct Request {
        std::wstring File;
        const void* Sound;
        DWORD Flags;
        bool Held;
    };

    RecordingWorld();
    ~RecordingWorld() override;
    RecordingWorld(const RecordingWorld&) = delete;
    RecordingWorld& operator=(const RecordingWorld&) = delete;

    // Class "Pavolt" is EngineWindow, any other class none; with RealWindows
    // every lookup is real.
    HWND FindWindowW(const wchar_t* className, const wchar_t* title) override;
    // Recorded; a post reaches its window only with RealWindows or RealPosts.
    BOOL PostMessageW(HWND window, UINT message, WPARAM wParam, LPARAM lParam) override;
    // Recorded, never started.
    BOOL ShellExecuteExW(SHELLEXECUTEINFOW* info) override;
    // Recorded, never played.
    BOOL PlaySoundW(const wchar_t* sound, HMODULE module, DWORD flags) override;
    // CurrentThemePath, or the real one while that is empty.
    void GetCurrentThemePath(wchar_t* buffer) override;

    HWND EngineWindow = nullptr;
    bool RealWindows = false;
    bool RealPosts = false;
    std::wstring CurrentThemePath;
    // Whether a sound is still held where it came from; asked of the sound
    // requested, or for a stop of the sound played last. Unset: never.
    std::function<bool(const void* sound)> Holds;

    std::vector<Post> Posts;
    std::vector<Launch> Launches;
    std::vector<Request> Requests;
    // All of it in order: "post <window> <message> <wParam> <lParam>",
    // "start <file> <mask> <show> <verb> <parameters> <folder>" (absent
    // texts as "-"), "play <sound> <flags>", and "stop held" or "stop".
    std::vector<std::wstring> Log;

    // Forgets what was recorded.
    void Clear();

private:
    EngineWorld* previous_;
    const void* lastSound_ = nullptr;
};
