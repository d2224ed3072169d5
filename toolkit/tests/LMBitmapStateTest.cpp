#include "LMBitmapState.h"
#include "BitmapFixtures.h"
#include "DibCanvas.h"
#include "SoftwareBlendScope.h"
#include "GuardedMemory.h"
#include "LMProcs.h"
#include "LMToolkit.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <string>
#include <vector>

namespace
{

// Records what the process writes with OutputDebugString while it lives.
class DebugOutputRecorder
{
public:
    DebugOutputRecorder()
        : handler_(AddVectoredExceptionHandler(1, &Record))
    {
        Messages().clear();
    }
    ~DebugOutputRecorder() { RemoveVectoredExceptionHandler(handler_); }
    static std::vector<std::string>& Messages()
    {
        static std::vector<std::string> messages;
        return messages;
    }

private:
    static LONG CALLBACK Record(EXCEPTION_POINTERS* info)
    {
        const EXCEPTION_RECORD* record = info->ExceptionRecord;
        if (record->ExceptionCode == DBG_PRINTEXCEPTION_C && record->NumberParameters >= 2)
            Messages().emplace_back(reinterpret_cast<const char*>(record->ExceptionInformation[1]));
        return EXCEPTION_CONTINUE_SEARCH;
    }
    void* handler_;
};

uint32_t FrameColor(int frame)
{
    return Bgra(static_cast<uint8_t>(40 * (frame + 1)), 0x11, 0x22, 0xFF);
}

// Frames of one opaque colour each, laid out left to right.
void PaintFrames(LMBitmap& bitmap, int frames)
{
    int frameWidth = bitmap.Width / frames;
    for (int y = 0; y < bitmap.Height; ++y) {
        for (int x = 0; x < bitmap.Width; ++x)
            *bitmap.PixelAt(x, y) = FrameColor(x / frameWidth);
    }
}

int Channel(uint32_t pixel, int shift)
{
    return (pixel >> shift) & 0xFF;
}

} // namespace

TEST(LMBitmapState, HoldsOneReferenceAndTakesTheBitmapSize)
{
    auto* bitmap = new LMBitmap(90, 20, LMBitmapHasAlpha);
    {
        LMBitmapState state(L"Default", bitmap);
        EXPECT_EQ(1, bitmap->RefCount);
        EXPECT_EQ(LMStateKindBitmap, state.Kind);
        EXPECT_EQ(1, state.FrameCount);
        EXPECT_EQ(90, state.FrameWidth);
        EXPECT_EQ(20, state.FrameHeight);
        EXPECT_EQ(0, state.FrameFlags);
        bitmap->AddRef();
    }
    EXPECT_EQ(1, bitmap->RefCount);
    bitmap->Release();
}

TEST(LMBitmapStateSetFrames, SplitsTheStrip)
{
    LMBitmapState state(L"Default", new LMBitmap(90, 20, LMBitmapHasAlpha));
    EXPECT_EQ(1, state.SetFrames(3, 40, LMFrameLoop));
    EXPECT_EQ(30, state.FrameWidth);
    EXPECT_EQ(3, state.Bitmap->FrameCount);
    EXPECT_EQ(1, state.Animated);
    state.CurrentFrame = 2;
    EXPECT_EQ(60, state.GetFrameOffset());

    EXPECT_EQ(0, state.SetFrames(1, 70, LMFramePingPong));
    EXPECT_EQ(90, state.FrameWidth);
    EXPECT_EQ(1, state.FrameCount);
    EXPECT_EQ(1, state.Bitmap->FrameCount);
    EXPECT_EQ(0, state.Animated);
    EXPECT_EQ(40, state.FrameInterval);
    EXPECT_EQ(LMFrameLoop, state.FrameFlags);

    const int counts[] = { 0, -3 };
    for (int count : counts) {
        SCOPED_TRACE(count);
        state.Bitmap->FrameCount = 5;
        EXPECT_EQ(0, state.SetFrames(count, 70, 0));
        EXPECT_EQ(1, state.Bitmap->FrameCount);
        EXPECT_EQ(90, state.FrameWidth);
    }
}

TEST(LMBitmapStateSetFrames, SeparateFramesKeepTheWholeBitmap)
{
    LMBitmapState state(L"Default", new LMBitmap(90, 20, LMBitmapHasAlpha));
    EXPECT_EQ(1, state.SetFrames(3, 40, LMFrameSeparate));
    EXPECT_EQ(1, state.SeparateFrames);
    EXPECT_EQ(90, state.FrameWidth);
    EXPECT_EQ(1, state.Bitmap->FrameCount);
    state.CurrentFrame = 2;
    EXPECT_EQ(0, state.GetFrameOffset());
}

TEST(LMBitmapState, WithoutBitmapNothingIsDone)
{
    LMBitmapState state(L"Default", nullptr);
    DibCanvas canvas(4, 4);
    EXPECT_EQ(0, state.SetFrames(3, 40, 0));
    EXPECT_EQ(0, state.Animated);
    EXPECT_EQ(0, state.DrawFrame(canvas.Dc(), 0, 0, 0, 0, 4, 4, 255));
    EXPECT_EQ(0, state.Draw(canvas.Dc(), 0, 0, 0, 0, 4, 4));
    state.SetHitMode(LMHitWholeFrame);
    EXPECT_EQ(0, state.HitTest(0, 0));
    LMBitmapState copy(L"Copy", state, true);
    EXPECT_EQ(nullptr, copy.Bitmap);
}

TEST(LMBitmapStateDraw, RampOpacityPerFrame)
{
    const int opacities[] = { 200, 134, 67, 0 };
    const int effective[] = { 100, 67, 33, 0 };
    auto* bitmap = MakeBitmap(8, 1, LMBitmapHasAlpha | LMBitmapPremultiplied).release();
    for (int x = 0; x < 8; ++x)
        *bitmap->PixelAt(x, 0) = Bgra(255, 0, 0, 255);
    LMBitmapState state(L"Default", bitmap);
    state.SetFrames(4, 50, 0);
    state.RampStart = 200;
    state.RampEnd = 0;
    for (int software = 0; software < 2; ++software) {
        std::unique_ptr<SoftwareBlendScope> scope;
        if (software)
            scope = std::make_unique<SoftwareBlendScope>();
        for (int frame = 0; frame < 4; ++frame) {
            SCOPED_TRACE(testing::Message() << "frame " << frame << " software " << software);
            state.CurrentFrame = frame;
            EXPECT_EQ(opacities[frame], state.FrameOpacity());
            DibCanvas canvas(2, 1);
            EXPECT_EQ(1, state.DrawFrame(canvas.Dc(), 0, 0, 0, 0, 2, 1, 128));
            int blue = Channel(canvas.Pixel(1, 0), 0);
            if (software)
                EXPECT_EQ(effective[frame], blue);
            else
                EXPECT_LE(std::abs(effective[frame] - blue), 1) << "blue " << blue;
        }
    }
}

TEST(LMBitmapStateDraw, SourceIsTheCurrentFrameOfTheStrip)
{
    auto* bitmap = MakeBitmap(12, 2, LMBitmapHasAlpha | LMBitmapPremultiplied).release();
    PaintFrames(*bitmap, 4);
    LMBitmapState state(L"Default", bitmap);
    state.SetFrames(4, 50, LMFrameReverse);
    for (int current = 0; current < 4; ++current) {
        SCOPED_TRACE(current);
        state.CurrentFrame = current;
        DibCanvas canvas(2, 2);
        EXPECT_EQ(1, state.Draw(canvas.Dc(), 0, 0, 1, 0, 2, 2));
        EXPECT_EQ(FrameColor(3 - current), canvas.Pixel(0, 1));
        EXPECT_EQ(FrameColor(3 - current), canvas.Pixel(1, 0));
    }
}

TEST(LMBitmapStateDraw, PlainCopyLeavesThePixelsAsTheyAre)
{
    auto* bitmap = MakeBitmap(1, 1, LMBitmapHasAlpha, { Bgra(200, 100, 50, 128) }).release();
    LMBitmapState state(L"Default", bitmap);
    state.PlainCopy = 1;
    DibCanvas canvas(1, 1);
    EXPECT_EQ(1, state.DrawFrame(canvas.Dc(), 0, 0, 0, 0, 1, 1, 255));
    EXPECT_EQ(Bgra(200, 100, 50, 128), canvas.Pixel(0, 0));
    EXPECT_EQ(0, bitmap->Premultiplied);
}

TEST(LMBitmapStateDraw, EmptyPartDrawsNothing)
{
    LMBitmapState state(L"Default", new LMBitmap(4, 4, LMBitmapHasAlpha));
    DibCanvas canvas(4, 4);
    EXPECT_EQ(0, state.DrawFrame(canvas.Dc(), 0, 0, 0, 0, 0, 4, 255));
    EXPECT_EQ(0, state.DrawFrame(canvas.Dc(), 0, 0, 0, 0, 4, 0, 255));
}

TEST(LMBitmapStateDraw, FailedBlitIsReportedToTheDebugger)
{
    LMBitmapState state(L"Default", new LMBitmap(4, 4, LMBitmapHasAlpha));
    DebugOutputRecorder recorder;
    EXPECT_EQ(1, state.DrawFrame(nullptr, 0, 0, 0, 0, 4, 4, 255));
    ASSERT_EQ(1u, DebugOutputRecorder::Messages().size());
    EXPECT_EQ("Blit failed", DebugOutputRecorder::Messages()[0]);
}

// Strip and target in guarded memory: frames past the strip (from scripts or
// reverse play) draw nothing and touch nothing.
TEST(LMBitmapStateDraw, FramesOutsideTheStripDrawNothing)
{
    GuardedDib stripMemory(16, 3);
    auto* bitmap = new LMBitmap(stripMemory.TakeBitmap(), LMBitmapHasAlpha | LMBitmapPremultiplied);
    PaintFrames(*bitmap, 4);
    LMBitmapState state(L"Default", bitmap);
    state.SetFrames(4, 50, 0);
    GuardedCanvas canvas(6, 5);
    struct Case {
        int current;
        int flags;
        bool drawn;
    };
    const Case cases[] = {
        { 3, 0, true },
        { 4, 0, false },
        { 8, 0, false },
        { 2147483646, 0, false },
        { -1, 0, false },
        { 0, LMFrameReverse, true },
        { 6, LMFrameReverse, false },
        { -1, LMFrameReverse, false },
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << "current " << c.current << " flags " << c.flags);
        state.FrameFlags = c.flags;
        state.CurrentFrame = c.current;
        canvas.Fill(0);
        EXPECT_EQ(1, state.DrawFrame(canvas.Dc(), 1, 1, 0, 0, 4, 3, 255));
        EXPECT_EQ(c.drawn ? FrameColor(3) : 0u, canvas.Pixel(2, 2));
        EXPECT_EQ(0u, canvas.Pixel(0, 0));
        EXPECT_TRUE(canvas.Dib().GuardsIntact());
        EXPECT_TRUE(stripMemory.GuardsIntact());
    }
}

TEST(LMBitmapStateDraw, PartsReachingPastTheStripStayInside)
{
    GuardedDib stripMemory(8, 2);
    auto* bitmap = new LMBitmap(stripMemory.TakeBitmap(), LMBitmapHasAlpha | LMBitmapPremultiplied);
    PaintFrames(*bitmap, 2);
    LMBitmapState state(L"Default", bitmap);
    state.SetFrames(2, 50, 0);
    state.CurrentFrame = 1;
    GuardedCanvas canvas(4, 4);
    const RECT parts[]
        = { { -6, -3, 10, 10 }, { 2, 0, 9, 2 }, { 0, 1, 4, 4 }, { -100, -100, 300, 300 } };
    for (int software = 0; software < 2; ++software) {
        std::unique_ptr<SoftwareBlendScope> scope;
        if (software)
            scope = std::make_unique<SoftwareBlendScope>();
        for (const RECT& part : parts) {
            SCOPED_TRACE(
                testing::Message() << part.left << "," << part.top << " software " << software);
            EXPECT_EQ(1,
                state.DrawFrame(
                    canvas.Dc(), -2, -1, part.left, part.top, part.right, part.bottom, 255));
            EXPECT_TRUE(canvas.Dib().GuardsIntact());
            EXPECT_TRUE(stripMemory.GuardsIntact());
        }
    }
}

TEST(LMBitmapStateHitTest, ModesAndInsets)
{
    // 3 frames of 10 x 10, transparent but for one pixel of frame 1.
    auto* bitmap = MakeBitmap(30, 10, LMBitmapHasAlpha).release();
    *bitmap->PixelAt(13, 4) = Bgra(0, 0, 0, 255);
    LMBitmapState state(L"Default", bitmap);
    state.SetFrames(3, 50, 0);
    state.InsetLeft = 2;
    state.InsetTop = 1;
    state.InsetRight = 3;
    state.InsetBottom = 2;
    struct Case {
        int mode;
        int x, y;
        int current;
        int hit;
    };
    const Case cases[] = {
        { LMHitInnerRect, 2, 1, 0, 1 },
        { LMHitInnerRect, 6, 7, 0, 1 },
        { LMHitInnerRect, 1, 1, 0, 0 },
        { LMHitInnerRect, 7, 7, 0, 0 },
        { LMHitInnerRect, 6, 8, 0, 0 },
        { LMHitWholeFrame, 0, 0, 0, 1 },
        { LMHitWholeFrame, 9, 9, 2, 1 },
        { LMHitNever, 3, 4, 1, 0 },
        { 0, 3, 4, 1, 1 },
        { 0, 3, 4, 0, 0 },
        { 0, 4, 4, 1, 0 },
        { 0, 1, 4, 1, 0 },
        { LMHitWholeFrame, 3, 4, 3, 0 },
        { 0, 3, 4, -1, 0 },
        { LMHitInnerRect, 3, 4, 9, 0 },
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message()
            << "mode " << c.mode << " at " << c.x << "," << c.y << " frame " << c.current);
        state.SetHitMode(c.mode);
        state.CurrentFrame = c.current;
        EXPECT_EQ(c.hit, state.HitTest(c.x, c.y) ? 1 : 0);
    }
}

TEST(LMBitmapStateCopy, DeepCopiesPixelsShallowSharesTheBitmap)
{
    auto* bitmap = MakeBitmap(6, 2, LMBitmapHasAlpha).release();
    PaintFrames(*bitmap, 3);
    LMBitmapState source(L"Default", bitmap);
    source.SetFrames(3, 70, LMFrameLoop | LMFrameReverse);
    ParseFrameScript(L"repeat 2;1-3,30;end repeat", &source.ScriptSteps);
    source.CurrentFrame = source.ScriptStep();
    source.ScriptStep();
    source.LastTick = 500;
    source.RampStart = 100;
    source.RampEnd = 10;
    source.PingPongPhase = 1;
    source.SetHitMode(LMHitInnerRect);
    source.InsetLeft = 1;
    source.InsetBottom = 2;
    source.OffsetX = -4;
    source.OffsetY = -5;
    source.PlainCopy = 1;

    LMBitmapState deep(L"Deep", source, true);
    ASSERT_NE(nullptr, deep.Bitmap);
    EXPECT_NE(bitmap, deep.Bitmap);
    EXPECT_EQ(1, bitmap->RefCount);
    EXPECT_EQ(1, deep.Bitmap->RefCount);
    EXPECT_EQ(3, deep.Bitmap->FrameCount);
    for (int x = 0; x < 6; ++x)
        EXPECT_EQ(*bitmap->PixelAt(x, 1), *deep.Bitmap->PixelAt(x, 1)) << "x " << x;

    LMBitmapState shallow(L"Shallow", source, false);
    EXPECT_EQ(bitmap, shallow.Bitmap);
    EXPECT_EQ(2, bitmap->RefCount);

    for (const LMBitmapState* copy : { &deep, &shallow }) {
        SCOPED_TRACE(std::string(copy->Name.begin(), copy->Name.end()));
        EXPECT_EQ(LMStateKindBitmap, copy->Kind);
        EXPECT_EQ(1, copy->Visual);
        EXPECT_EQ(3, copy->ScriptStepCount());
        EXPECT_EQ(0, copy->ScriptCursor);
        EXPECT_EQ(0, copy->StepCounter);
        EXPECT_EQ(200, copy->ScriptDelay);
        EXPECT_EQ(0u, copy->LastTick);
        EXPECT_EQ(0, copy->Finished);
        EXPECT_EQ(0, copy->CurrentFrame);
        EXPECT_EQ(255, copy->RampStart);
        EXPECT_EQ(-1, copy->RampEnd);
        EXPECT_EQ(0, copy->PingPongPhase);
        EXPECT_EQ(LMHitInnerRect, copy->HitMode);
        EXPECT_EQ(2, copy->FrameWidth);
        EXPECT_EQ(2, copy->FrameHeight);
        EXPECT_EQ(1, copy->InsetLeft);
        EXPECT_EQ(2, copy->InsetBottom);
        EXPECT_EQ(-4, copy->OffsetX);
        EXPECT_EQ(-5, copy->OffsetY);
        EXPECT_EQ(1, copy->PlainCopy);
        EXPECT_EQ(1, copy->Animated);
        EXPECT_EQ(LMFrameLoop | LMFrameReverse, copy->FrameFlags);
        EXPECT_EQ(3, copy->FrameCount);
        EXPECT_EQ(70, copy->FrameInterval);
    }
    // The copy plays its script from the start on its own.
    EXPECT_EQ(0, shallow.ScriptStep());
    EXPECT_EQ(2, source.ScriptStep());
}

TEST(LMBitmapStateResize, FramesFollowTheResizedStrip)
{
    auto* bitmap = MakeBitmap(60, 8, LMBitmapHasAlpha | LMBitmapPremultiplied).release();
    PaintFrames(*bitmap, 3);
    LMBitmapState state(L"Default", bitmap);
    state.SetFrames(3, 50, 0);
    EXPECT_EQ(1, state.ResizeBitmap(30, 0, 4, 3, 0, 0, 1, 0));
    EXPECT_EQ(90, bitmap->Width);
    EXPECT_EQ(30, state.FrameWidth);
    EXPECT_EQ(8, state.FrameHeight);
    // Each frame keeps its own colour: frames never mix.
    for (int frame = 0; frame < 3; ++frame) {
        SCOPED_TRACE(frame);
        EXPECT_EQ(FrameColor(frame), *bitmap->PixelAt(frame * 30, 4));
        EXPECT_EQ(FrameColor(frame), *bitmap->PixelAt(frame * 30 + 15, 4));
        EXPECT_EQ(FrameColor(frame), *bitmap->PixelAt(frame * 30 + 29, 4));
    }
    EXPECT_EQ(1, state.ResizeBitmap(0, 12, 0, 0, 2, 2, 0, 1));
    EXPECT_EQ(30, state.FrameWidth);
    EXPECT_EQ(12, state.FrameHeight);
}

TEST(LMBitmapStateResize, SeparateFramesTakeTheWholeWidth)
{
    LMBitmapState state(L"Default", new LMBitmap(20, 8, LMBitmapHasAlpha));
    state.SetFrames(3, 50, LMFrameSeparate);
    EXPECT_EQ(1, state.ResizeBitmap(30, 10, 0, 0, 0, 0, 1, 1));
    EXPECT_EQ(30, state.FrameWidth);
    EXPECT_EQ(10, state.FrameHeight);
}

TEST(LMBitmapStateResize, WithoutBitmapReturnsZero)
{
    LMBitmapState state(L"Default", nullptr);
    EXPECT_EQ(0, state.ResizeBitmap(30, 0, 4, 3, 0, 0, 1, 0));
    EXPECT_EQ(0, state.FrameWidth);
}
