// The trails page's sprites: which trail they copy, what they share with
// it, and how they go once played.

#include "PanelTrailSprite.h"

#include "DibCanvas.h"
#include "LibraryTestSupport.h"
#include "LibraryViews.h"
#include "MessagePump.h"

#include <gtest/gtest.h>

#include <algorithm>

namespace {

constexpr uint32_t kGrey = 0xFF606060;

// A theme with a trail "Spark" in the slot: 4 x 4 frames of grey, 30 ms
// apart; with no frames, an entry without animation.
std::unique_ptr<CTheme> TrailTheme(int slot, int frames = 3, const wchar_t* script = nullptr,
                                   int loop = 0)
{
    auto theme = std::make_unique<CTheme>();
    auto trail = std::make_unique<CThemeTrail>();
    if (frames > 0) {
        auto strip = std::make_unique<LMBitmap>(4 * frames, 4, LMBitmapHasAlpha);
        for (int i = 0; i < 16 * frames; ++i)
            *strip->PixelAt(i % strip->Width, i / strip->Width) = kGrey;
        trail->Frames = frames;
        trail->Interval = 30;
        trail->Script = DuplicateText(script);
        trail->SetUpAnimation(std::move(strip), L"Spark", LMFrameInterruptible | loop, true);
    }
    theme->SetTrail(slot, std::move(trail));
    return theme;
}

// What the panel's dialog does with the notice.
LRESULT CALLBACK DialogProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    if (message == WM_NULL && wParam == DeferredDeleteNotice)
        return DeleteTrailSprite(lParam);
    return DefWindowProcW(window, message, wParam, lParam);
}

}  // namespace

// Sprites post to a window of the test's own, which deletes them as the
// dialog does; the posts are recorded too.
class TrailSpriteTest : public LibraryTest {
protected:
    void SetUp() override
    {
        LibraryTest::SetUp();
        WNDCLASSW type{};
        type.lpfnWndProc = DialogProc;
        type.hInstance = GetModuleHandleW(nullptr);
        type.lpszClassName = L"TrivaneSpriteTest";
        RegisterClassW(&type);
        PanelDialog = CreateWindowExW(0, type.lpszClassName, L"", 0, 0, 0, 0, 0, HWND_MESSAGE,
                                      nullptr, type.hInstance, nullptr);
        world_.RealWindows = true;
    }
    void TearDown() override
    {
        DestroyWindow(PanelDialog);
        PanelDialog = nullptr;
        LibraryTest::TearDown();
    }
    // The delete notices the dialog got from that sprite, or from any.
    size_t Notices(const LMObj* sprite = nullptr) const
    {
        return std::count_if(world_.Posts.begin(), world_.Posts.end(), [&](const auto& post) {
            const auto from = sprite ? reinterpret_cast<LPARAM>(sprite) : std::get<3>(post);
            return post == RecordingWorld::Post{PanelDialog, WM_NULL, DeferredDeleteNotice, from};
        });
    }
    LMObj* Spawn(int x = 40, int y = 20) const
    {
        return SpawnTrailSprite(x, y) ? Area()->Children.back() : nullptr;
    }
    LMObj* Area() const { return Library.TrailPreviewArea; }
};

TEST_F(TrailSpriteTest, SpritesCopyThePreviewedTrailElseTheCurrentThemes)
{
    // Slot of the previewed trail (-1 none, 3 an entry without animation),
    // whether the current theme has one in slot 0, and whose trail shows.
    const int rows[][3] = {{0, 1, 'P'}, {-1, 1, 'C'}, {1, 1, 0},
                           {2, 1, 'P'}, {3, 1, 0},    {-1, 0, 0}};
    for (const auto& [slot, current, expected] : rows) {
        SCOPED_TRACE(testing::Message() << "previewed slot " << slot << ", current " << current);
        Library.LoadedTrailTheme = slot < 0 ? nullptr : TrailTheme(slot % 3, slot == 3 ? 0 : 3);
        PanelCurrentTheme = current ? TrailTheme(0) : nullptr;
        const CThemeTrail* trail = expected == 'P'   ? Library.LoadedTrailTheme->GetTrail(slot)
                                   : expected == 'C' ? PanelCurrentTheme->GetTrail(0)
                                                     : nullptr;
        const LMObj* sprite = Spawn();
        EXPECT_EQ(trail ? trail->Animation->Bitmap : nullptr,
                  sprite ? static_cast<LMBitmapState*>(sprite->CurrentState)->Bitmap : nullptr);
        DeleteTrailSprite(reinterpret_cast<LPARAM>(sprite));
    }
}

TEST_F(TrailSpriteTest, ASpriteSharesTheTrailsPixelsAndGoesThroughOneNotice)
{
    Library.LoadedTrailTheme = TrailTheme(0);
    LMBitmap* pixels = Library.LoadedTrailTheme->GetTrail(0)->Animation->Bitmap;
    LMObj* sprite = Spawn(40, 20);
    ASSERT_NE(nullptr, sprite);
    auto* state = static_cast<LMBitmapState*>(sprite->CurrentState);
    EXPECT_EQ(
        (std::vector<int>{40, 20, 1, 1, 1, 1, 2}),
        (std::vector<int>{sprite->VisibleX, sprite->VisibleY, sprite->TypeWord, sprite->Realized,
                          sprite->Shown, sprite->Animating, pixels->RefCount}));
    EXPECT_EQ("Spark", NameOf(sprite));
    EXPECT_EQ(pixels, state->Bitmap) << "shared, not copied";
    ShowTrailPreview(0);  // frees the previewed theme
    EXPECT_EQ(1, pixels->RefCount);
    DibCanvas canvas(4, 4);
    ASSERT_EQ(1, state->DrawFrame(canvas.Dc(), 0, 0, 0, 0, 4, 4, 255));
    EXPECT_EQ(kGrey & 0xFFFFFF, canvas.Pixel(2, 2) & 0xFFFFFF);

    Play(sprite);
    EXPECT_EQ((std::vector<size_t>{1, 1}), (std::vector<size_t>{Notices(sprite), Notices()}));
    EXPECT_TRUE(IsValidLMObj(sprite)) << "deleted only when the notice is dispatched";
    sprite->OnStateDone(L"Spark", 0);
    EXPECT_EQ(1u, Notices()) << "a second report posts nothing";
    EXPECT_TRUE(PumpMessagesUntil([&] { return Area()->ChildCount() == 0; }, 5000));
    EXPECT_FALSE(IsValidLMObj(sprite));
}

TEST_F(TrailSpriteTest, TheDeleteFunctionDeletesOnlyLiveSpritesWhateverTheNumber)
{
    Library.LoadedTrailTheme = TrailTheme(0);
    LMObj* live = Spawn();
    const auto gone = reinterpret_cast<LPARAM>(Spawn());
    ASSERT_EQ(1, DeleteTrailSprite(gone));
    for (LPARAM number : {LPARAM{0}, reinterpret_cast<LPARAM>(Area()), gone, LPARAM{1}, LPARAM{-1},
                          reinterpret_cast<LPARAM>(&Library)}) {
        SCOPED_TRACE(testing::Message() << "number " << number);
        PostMessageW(PanelDialog, WM_NULL, DeferredDeleteNotice, number);
        PumpMessagesFor(10);
        EXPECT_EQ((std::vector<LMObj*>{live}), Area()->Children);
    }
    EXPECT_EQ(1, DeleteTrailSprite(reinterpret_cast<LPARAM>(live)));
}

TEST_F(TrailSpriteTest, EverySpriteEndsAndGoesWhateverItsAnimation)
{
    struct Row {
        int Frames;
        const wchar_t* Script;
        int Loop;
        int Count;
    } const rows[] = {{1, nullptr, 0, 1},
                      {3, L"1-3,10;2", 0, 1},
                      {3, nullptr, LMFrameLoop, 1},
                      {3, L"repeat 2\r\n1-3,10\r\nend repeat", LMFrameLoop, 1},
                      {3, nullptr, 0, 1000}};
    for (const Row& row : rows) {
        SCOPED_TRACE(testing::Message() << row.Frames << " frames, loop " << row.Loop << ", "
                                        << row.Count << " sprites");
        world_.Posts.clear();
        Library.LoadedTrailTheme = TrailTheme(0, row.Frames, row.Script, row.Loop);
        for (int i = 0; i < row.Count; ++i)
            Spawn(i % 584, i % 64);
        ASSERT_EQ(row.Count, Area()->ChildCount());
        // Sprites ending in one pass may be left to the next; play them all.
        for (LMObj* sprite : std::vector<LMObj*>(Area()->Children))
            Play(sprite);
        EXPECT_EQ(static_cast<size_t>(row.Count), Notices());
        EXPECT_TRUE(PumpMessagesUntil([&] { return Area()->ChildCount() == 0; }, 10000));
    }
}
