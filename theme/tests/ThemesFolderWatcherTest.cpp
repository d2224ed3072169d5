// The Themes folder watcher: what it can watch, what it posts, and when its
// thread ends.

#include "ThemesFolderWatcher.h"
#include "MessagePump.h"
#include "TempFolder.h"

#include <gtest/gtest.h>

namespace {

constexpr UINT kChanged = WM_APP + 7;

// Counts the watcher's messages on this thread.
class WatchTarget {
public:
    WatchTarget()
    {
        window_ = CreateWindowExW(0, L"STATIC", L"", 0, 0, 0, 0, 0, HWND_MESSAGE, nullptr, nullptr,
                                  nullptr);
        SetWindowLongPtrW(window_, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(this));
        SetWindowLongPtrW(window_, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&Procedure));
    }
    ~WatchTarget() { DestroyWindow(window_); }
    HWND Window() const { return window_; }
    int Changes() const { return changes_; }

private:
    static LRESULT CALLBACK Procedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
    {
        auto* self = reinterpret_cast<WatchTarget*>(GetWindowLongPtrW(window, GWLP_USERDATA));
        if (message == kChanged && self)
            ++self->changes_;
        return DefWindowProcW(window, message, wParam, lParam);
    }

    HWND window_ = nullptr;
    int changes_ = 0;
};

}  // namespace

TEST(ThemesFolderWatcherTest, StartsOnlyOnAFolderThatCanBeWatched)
{
    TempFolder temp;
    WatchTarget target;
    const struct {
        std::wstring Folder;
        bool Starts;
    } cases[] = {{temp.Path(), true},
                 {temp.File(L"missing"), false},
                 {L"", false},
                 {temp.File(L"file.txt"), false}};
    ASSERT_TRUE(WriteBytesToFile(temp.File(L"file.txt"), "x", 1));
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << c.Folder.c_str());
        ThemesFolderWatcher watcher;
        EXPECT_EQ(c.Starts, watcher.Start(c.Folder, target.Window(), kChanged));
        EXPECT_EQ(c.Starts, watcher.Running());
        watcher.Stop();
        EXPECT_FALSE(watcher.Running());
    }
}

// Every change is told; a folder that is gone from its place is told once
// more, and then the thread ends by itself.
TEST(ThemesFolderWatcherTest, TellsOfChangesAndEndsWhenTheFolderGoes)
{
    TempFolder temp;
    const std::wstring folder = temp.File(L"Themes");
    ASSERT_TRUE(CreateDirectoryW(folder.c_str(), nullptr));
    WatchTarget target;
    ThemesFolderWatcher watcher;
    ASSERT_TRUE(watcher.Start(folder, target.Window(), kChanged));
    ASSERT_TRUE(WriteBytesToFile(folder + L"\\Cedar.Trivane", "x", 1));
    ASSERT_TRUE(PumpMessagesUntil([&] { return target.Changes() > 0; }, 3000));
    // A second start stops the first watch: one thread, one message a change.
    ASSERT_TRUE(watcher.Start(folder, target.Window(), kChanged));
    PumpMessagesFor(200);
    const int before = target.Changes();
    // Moved away (a watched folder cannot be deleted), and changed there.
    const std::wstring moved = temp.File(L"Moved");
    ASSERT_TRUE(MoveFileW(folder.c_str(), moved.c_str()));
    ASSERT_TRUE(WriteBytesToFile(moved + L"\\Larch.Trivane", "x", 1));
    ASSERT_TRUE(PumpMessagesUntil([&] { return !watcher.Running(); }, 3000));
    PumpMessagesFor(100);
    EXPECT_GT(target.Changes(), before);
}
