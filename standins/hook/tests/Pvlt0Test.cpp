// The stand-in hook library, loaded from beside this program as the engine
// loads it, with mouse input from SendInput.

#include "Pvlt0.h"
#include "MessagePump.h"
#include "ScopedWin.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

constexpr DWORD kDeliveryMs = 5000;
// How long a message that should not come is waited for.
constexpr DWORD kQuietMs = 500;

struct Posted {
    WPARAM Button;
    LPARAM Extra;
};

// A window that records every WM_TRV_MOUSEMSG it gets.
class Receiver {
public:
    explicit Receiver(UINT message) : message_(message)
    {
        WNDCLASSW windowClass = {};
        windowClass.lpfnWndProc = Procedure;
        windowClass.hInstance = GetModuleHandleW(nullptr);
        windowClass.lpszClassName = L"Pvlt0TestReceiver";
        RegisterClassW(&windowClass);
        window_.Reset(CreateWindowExW(0, L"Pvlt0TestReceiver", L"", 0, 0, 0, 0, 0, HWND_MESSAGE,
                                      nullptr, GetModuleHandleW(nullptr), this));
        SetWindowLongPtrW(window_.Get(), GWLP_USERDATA, reinterpret_cast<LONG_PTR>(this));
    }

    HWND Window() const { return window_.Get(); }
    std::vector<Posted> Received;

private:
    static LRESULT CALLBACK Procedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
    {
        auto* self = reinterpret_cast<Receiver*>(GetWindowLongPtrW(window, GWLP_USERDATA));
        if (self && message == self->message_) {
            self->Received.push_back({wParam, lParam});
            return 0;
        }
        return DefWindowProcW(window, message, wParam, lParam);
    }

    UINT message_;
    ScopedWindow window_;
};

void SendMouse(std::initializer_list<std::pair<DWORD, DWORD>> events)
{
    std::vector<INPUT> inputs;
    for (const auto& [flags, data] : events) {
        INPUT input = {};
        input.type = INPUT_MOUSE;
        input.mi.dwFlags = flags;
        input.mi.mouseData = data;
        if (flags & MOUSEEVENTF_MOVE)
            input.mi.dx = 3;
        inputs.push_back(input);
    }
    SendInput(static_cast<UINT>(inputs.size()), inputs.data(), sizeof(INPUT));
}

void LeftClick()
{
    SendMouse({{MOUSEEVENTF_LEFTDOWN, 0}, {MOUSEEVENTF_LEFTUP, 0}});
}

class Pvlt0Test : public testing::Test {
protected:
    void SetUp() override
    {
        library_.Reset(LoadLibraryW(L"Pvlt0.dll"));
        ASSERT_TRUE(library_.IsValid());
        install_ = reinterpret_cast<Pvlt0InstallProc>(
            reinterpret_cast<void*>(GetProcAddress(library_.Get(), kPvlt0InstallName)));
        remove_ = reinterpret_cast<Pvlt0RemoveProc>(
            reinterpret_cast<void*>(GetProcAddress(library_.Get(), kPvlt0RemoveName)));
        ASSERT_NE(nullptr, install_);
        ASSERT_NE(nullptr, remove_);
    }
    // The library's thread must be gone before the library is.
    void TearDown() override
    {
        if (remove_)
            remove_();
    }

    std::vector<WPARAM> Buttons(const Receiver& receiver) const
    {
        std::vector<WPARAM> buttons;
        for (const Posted& posted : receiver.Received)
            buttons.push_back(posted.Button);
        return buttons;
    }

    UINT message_ = RegisterWindowMessageW(L"WM_TRV_MOUSEMSG");
    ScopedModule library_;
    Pvlt0InstallProc install_ = nullptr;
    Pvlt0RemoveProc remove_ = nullptr;
};

TEST_F(Pvlt0Test, ButtonPressesAndReleasesArePostedInOrder)
{
    Receiver receiver(message_);
    ASSERT_EQ(1, install_(receiver.Window(), message_));
    SendMouse({{MOUSEEVENTF_LEFTDOWN, 0},
               {MOUSEEVENTF_LEFTUP, 0},
               {MOUSEEVENTF_RIGHTDOWN, 0},
               {MOUSEEVENTF_RIGHTUP, 0}});
    PumpMessagesUntil([&] { return receiver.Received.size() >= 4; }, kDeliveryMs);
    EXPECT_EQ((std::vector<WPARAM>{0x201, 0x202, 0x204, 0x205}), Buttons(receiver));
    for (const Posted& posted : receiver.Received)
        EXPECT_EQ(0, posted.Extra);
}

TEST_F(Pvlt0Test, WheelExtraButtonsAndMovesAreNotReported)
{
    Receiver receiver(message_);
    ASSERT_EQ(1, install_(receiver.Window(), message_));
    SendMouse({{MOUSEEVENTF_WHEEL, WHEEL_DELTA},
               {MOUSEEVENTF_XDOWN, XBUTTON1},
               {MOUSEEVENTF_XUP, XBUTTON1},
               {MOUSEEVENTF_MOVE, 0}});
    // A click after them shows that the events before it were seen.
    LeftClick();
    PumpMessagesUntil([&] { return receiver.Received.size() >= 2; }, kDeliveryMs);
    PumpMessagesFor(kQuietMs);
    EXPECT_EQ((std::vector<WPARAM>{0x201, 0x202}), Buttons(receiver));
}

TEST_F(Pvlt0Test, NothingIsReportedAfterTheRemoval)
{
    Receiver receiver(message_);
    ASSERT_EQ(1, install_(receiver.Window(), message_));
    EXPECT_EQ(1, remove_());
    LeftClick();
    PumpMessagesFor(kQuietMs);
    EXPECT_TRUE(receiver.Received.empty());
}

TEST_F(Pvlt0Test, RemovingFirstOrTwiceIsSafe)
{
    EXPECT_EQ(1, remove_());
    EXPECT_EQ(1, remove_());
    Receiver receiver(message_);
    ASSERT_EQ(1, install_(receiver.Window(), message_));
    LeftClick();
    PumpMessagesUntil([&] { return receiver.Received.size() >= 2; }, kDeliveryMs);
    EXPECT_EQ((std::vector<WPARAM>{0x201, 0x202}), Buttons(receiver));
    EXPECT_EQ(1, remove_());
    EXPECT_EQ(1, remove_());
}

TEST_F(Pvlt0Test, ASecondInstallRetargets)
{
    UINT other = RegisterWindowMessageW(L"Pvlt0TestOtherMessage");
    Receiver first(message_);
    Receiver second(other);
    ASSERT_EQ(1, install_(first.Window(), message_));
    ASSERT_EQ(1, install_(second.Window(), other));
    LeftClick();
    PumpMessagesUntil([&] { return second.Received.size() >= 2; }, kDeliveryMs);
    PumpMessagesFor(kQuietMs);
    EXPECT_EQ((std::vector<WPARAM>{0x201, 0x202}), Buttons(second));
    EXPECT_TRUE(first.Received.empty());
}

}  // namespace
