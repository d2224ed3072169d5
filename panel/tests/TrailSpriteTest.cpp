// The trails page's sprites: which trail they copy, what they share with
// it, and how they go once their animation has played.

#include "PanelTrailSprite.h"

#include "DibCanvas.h"
#include "LibraryTestSupport.h"
#include "LibraryViews.h"
#include "MessagePump.h"

#include <gtest/gtest.h>

namespace {

constexpr uint32_t kPreviewGrey = 0xFF606060;
constexpr uint32_t kCurrentGrey = 0xFFA0A0A0;

struct TrailLook {
    int Frames = 3;
    const wchar_t* Script = nullptr;
    bool Loop = false;
    bool Pixels = true;
};

// A theme with a trail in one slot: 4 x 4 frames of one colour, 30 ms
// apart, under the state name "Spark".
std::unique_ptr<CTheme> TrailTheme(int slot, uint32_t colour, const TrailLook& look = {})
{
    auto theme = std::make_unique<CTheme>();
    auto trail = std::make_unique<CThemeTrail>();
    if (look.Pixels) {
        auto strip = std::make_unique<LMBitmap>(4 * look.Frames, 4, LMBitmapHasAlpha);
        for (int y = 0; y < 4; ++y) {
            for (int x = 0; x < strip->Width; ++x)
                *strip->PixelAt(x, y) = colour;
        }
        trail->Frames = look.Frames;
        trail->Interval = 30;
        trail->Script = DuplicateText(look.Script);
        trail->SetUpAnimation(std::move(strip), L"Spark",
                              LMFrameInterruptible | (look.Loop ? LMFrameLoop : 0), true);
    }
    theme->SetTrail(slot, std::move(trail));
    return theme;
}

const LMBitmap* TrailBitmap(const CTheme* theme, int slot)
{
    return theme->GetTrail(slot)->Animation->Bitmap;
}

LRESULT CALLBACK NoticeProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    // What the panel's dialog does with the notice.
    if (message == WM_NULL && wParam == DeferredDeleteNotice) {
        DeleteTrailSprite(lParam);
        return 0;
    }
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
        type.lpfnWndProc = NoticeProc;
        type.hInstance = GetModuleHandleW(nullptr);
        type.lpszClassName = L"TrivaneTrailNoticeTest";
        RegisterClassW(&type);
        dialog_ = CreateWindowExW(0, type.lpszClassName, L"", 0, 0, 0, 0, 0, HWND_MESSAGE, nullptr,
                                  type.hInstance, nullptr);
        ASSERT_NE(nullptr, dialog_);
        PanelDialog = dialog_;
        world_.RealWindows = true;
        area_ = Library.TrailPreviewArea;
    }
    void TearDown() override
    {
        PanelDialog = nullptr;
        DestroyWindow(dialog_);
        LibraryTest::TearDown();
    }

    // The sprites that asked to be deleted, in order.
    std::vector<LPARAM> Notices() const
    {
        std::vector<LPARAM> sprites;
        for (const auto& [window, message, wParam, lParam] : world_.Posts) {
            if (window == dialog_ && message == WM_NULL && wParam == DeferredDeleteNotice)
                sprites.push_back(lParam);
        }
        return sprites;
    }
    LMObj* Newest() const { return area_->Children.empty() ? nullptr : area_->Children.back(); }

    HWND dialog_ = nullptr;
    LMObj* area_ = nullptr;
};

TEST_F(TrailSpriteTest, SpritesCopyThePreviewedTrailElseTheCurrentThemes)
{
    struct Row {
        const char* Case;
        int PreviewSlot;  // -1: no trail theme previewed
        bool PreviewPixels;
        bool Current;
        int Expected;  // 1 the previewed trail, 2 the current theme's, 0 none
    };
    const Row rows[] = {
        {"previewed slot 0", 0, true, true, 1},         {"nothing previewed", -1, true, true, 2},
        {"previewed slot 1 only", 1, true, true, 0},    {"previewed slot 2 only", 2, true, true, 1},
        {"entry without animation", 0, false, true, 0}, {"no theme at all", -1, true, false, 0},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.Case);
        Library.LoadedTrailTheme.reset();
        if (row.PreviewSlot >= 0) {
            TrailLook look;
            look.Pixels = row.PreviewPixels;
            Library.LoadedTrailTheme = TrailTheme(row.PreviewSlot, kPreviewGrey, look);
        }
        PanelCurrentTheme = row.Current ? TrailTheme(0, kCurrentGrey) : nullptr;
        const LMBitmap* expected =
            row.Expected == 1   ? TrailBitmap(Library.LoadedTrailTheme.get(), row.PreviewSlot)
            : row.Expected == 2 ? TrailBitmap(PanelCurrentTheme.get(), 0)
                                : nullptr;
        EXPECT_EQ(expected != nullptr, SpawnTrailSprite(40, 20) == 1);
        const LMObj* sprite = Newest();
        EXPECT_EQ(expected,
                  sprite ? static_cast<LMBitmapState*>(sprite->CurrentState)->Bitmap : nullptr);
        DeleteTrailSprite(reinterpret_cast<LPARAM>(sprite));
    }
}

TEST_F(TrailSpriteTest, ASpriteSharesTheTrailsPixelsAndOutlivesThePreviewTheme)
{
    Library.LoadedTrailTheme = TrailTheme(0, kPreviewGrey);
    LMBitmap* pixels = Library.LoadedTrailTheme->GetTrail(0)->Animation->Bitmap;
    ASSERT_EQ(1, SpawnTrailSprite(40, 20));
    LMObj* sprite = Newest();
    const auto* state = static_cast<LMBitmapState*>(sprite->CurrentState);
    EXPECT_EQ(
        (std::vector<int>{40, 20, 1, 1, 1, 1, 2}),
        (std::vector<int>{sprite->VisibleX, sprite->VisibleY, sprite->TypeWord, sprite->Realized,
                          sprite->Shown, sprite->Animating, pixels->RefCount}));
    EXPECT_EQ("Spark", NameOf(sprite));
    EXPECT_EQ(pixels, state->Bitmap) << "shared, not copied";

    ShowTrailPreview(0);
    ASSERT_EQ(nullptr, Library.LoadedTrailTheme);
    EXPECT_EQ(1, pixels->RefCount);
    DibCanvas canvas(4, 4);
    canvas.Fill(0);
    ASSERT_EQ(1, const_cast<LMBitmapState*>(state)->DrawFrame(canvas.Dc(), 0, 0, 0, 0, 4, 4, 255));
    EXPECT_EQ(kPreviewGrey & 0xFFFFFF, canvas.Pixel(2, 2) & 0xFFFFFF);
}

TEST_F(TrailSpriteTest, ASpriteAsksOnceToBeDeletedAndGoesWhenTheDialogGetsTheNotice)
{
    Library.LoadedTrailTheme = TrailTheme(0, kPreviewGrey);
    ASSERT_EQ(1, SpawnTrailSprite(5, 5));
    LMObj* sprite = Newest();
    Play(sprite);
    const std::vector<LPARAM> once{reinterpret_cast<LPARAM>(sprite)};
    EXPECT_EQ(once, Notices());
    EXPECT_TRUE(IsValidLMObj(sprite)) << "deleted only when the notice is dispatched";
    sprite->OnStateDone(L"Spark", 0);
    EXPECT_EQ(once, Notices()) << "a second report posts nothing";
    EXPECT_TRUE(PumpMessagesUntil([&] { return !IsValidLMObj(sprite); }, 5000));
    EXPECT_EQ(0, area_->ChildCount());
    PumpMessagesFor(50);
    EXPECT_TRUE(IsValidLMObj(area_));
}

TEST_F(TrailSpriteTest, TheDeleteFunctionDeletesOnlyLiveSpritesWhateverTheNumber)
{
    Library.LoadedTrailTheme = TrailTheme(0, kPreviewGrey);
    ASSERT_EQ(1, SpawnTrailSprite(0, 0));
    LMObj* live = Newest();
    ASSERT_EQ(1, SpawnTrailSprite(0, 0));
    const auto gone = reinterpret_cast<LPARAM>(Newest());
    ASSERT_EQ(1, DeleteTrailSprite(gone));
    const LPARAM numbers[] = {0,  reinterpret_cast<LPARAM>(area_),   gone, 1, -1,
                              13, reinterpret_cast<LPARAM>(&Library)};
    for (LPARAM number : numbers) {
        SCOPED_TRACE(testing::Message() << "number " << number);
        PostMessageW(dialog_, WM_NULL, DeferredDeleteNotice, number);
        PumpMessagesFor(10);
        EXPECT_EQ(0, DeleteTrailSprite(number));
        EXPECT_EQ(1, area_->ChildCount());
    }
    EXPECT_EQ(1, DeleteTrailSprite(reinterpret_cast<LPARAM>(live)));
    EXPECT_EQ(0, area_->ChildCount());
}

TEST_F(TrailSpriteTest, EverySpriteEndsAndGoesWhateverItsAnimation)
{
    struct Row {
        const char* Case;
        TrailLook Look;
        int Count;
    };
    const Row rows[] = {
        {"one frame", {1, nullptr, false, true}, 1},
        {"frame script", {3, L"1-3,10;2", false, true}, 1},
        {"looping", {3, nullptr, true, true}, 1},
        {"looping script", {3, L"repeat 2\r\n1-3,10\r\nend repeat", true, true}, 1},
        {"a thousand at once", {}, 1000},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.Case);
        world_.Posts.clear();
        Library.LoadedTrailTheme = TrailTheme(0, kPreviewGrey, row.Look);
        for (int i = 0; i < row.Count; ++i)
            SpawnTrailSprite(i % 584, i % 64);
        ASSERT_EQ(row.Count, area_->ChildCount());
        // Sprites ending in one pass may be left to the next; play them all.
        const std::vector<LMObj*> sprites = area_->Children;
        for (LMObj* sprite : sprites)
            Play(sprite);
        EXPECT_EQ(static_cast<size_t>(row.Count), Notices().size());
        EXPECT_TRUE(PumpMessagesUntil([&] { return area_->ChildCount() == 0; }, 10000));
    }
}
