#include "CThemeEntry.h"

#include "LMFrameScript.h"

void CThemeEntry::Release()
{
    Script.reset();
    Animation.reset();
}

void CThemeEntry::CopyFrom(const CThemeEntry& source)
{
    // Releasing first would free the very script and state we copy from.
    if (&source == this)
        return;
    Release();
    Frames = source.Frames;
    Interval = source.Interval;
    Alternate = source.Alternate;
    Reverse = source.Reverse;
    Loop = source.Loop;
    Script = DuplicateText(source.Script.get());
    HotSpotX = source.HotSpotX;
    HotSpotY = source.HotSpotY;
    if (source.Animation) {
        Animation = std::make_unique<LMBitmapState>(
            source.Animation->Name.c_str(), *source.Animation, true);
    }
}

void CThemeEntry::SetUpAnimation(std::unique_ptr<LMBitmap> bitmap, const wchar_t* stateName,
    int frameFlags, bool parseScript, int hitMode)
{
    Animation = std::make_unique<LMBitmapState>(stateName, bitmap.get());
    bitmap.release(); // the state holds the one reference now
    Animation->SetFrames(Frames, Interval, frameFlags);
    if (parseScript && Script)
        ParseFrameScript(Script.get(), &Animation->ScriptSteps);
    Animation->SetHitMode(hitMode);
    // Negated in unsigned arithmetic: a hot spot of INT32_MIN must not overflow.
    Animation->OffsetX = static_cast<int32_t>(0u - static_cast<uint32_t>(HotSpotX));
    Animation->OffsetY = static_cast<int32_t>(0u - static_cast<uint32_t>(HotSpotY));
}
