// Switching the engine on and off, and swapping the system pointers for the
// dummy and back.
//
// Ownership: a handle from LoadCursorW belongs to the system and is never
// destroyed; a copy the engine makes is its own until SetSystemCursor takes
// it, and is then forgotten. A slot counts as installed while its Dummy is
// set; its SavedCopy, when present, is the user's pointer from before.

#include "CursorSubstitution.h"

#include "CPointer.h"
#include "CTheme.h"
#include "DummyCursor.h"
#include "EngineLifecycle.h"
#include "EngineValues.h"
#include "EngineWorld.h"
#include "SystemCursorTable.h"

static_assert(sizeof(SharedCursorPair) == 8, "a shared record is two 32-bit handles");

DWORD LastInstallTime = 0;

namespace {

LPTOP_LEVEL_EXCEPTION_FILTER PreviousCrashFilter = nullptr;
bool CrashFilterSet = false;
LONG CrashRestoreRan = 0;

bool ThemeReplacesRole(int32_t role)
{
    CThemeCursor* cursor = CurrentTheme->FindCursor(role, kCursorStateNormal, kThemeCursorGroup);
    // An entry without pixels can never be drawn, so its pointer stays.
    return cursor && cursor->Animation;
}

HCURSOR ShownPointer(const SystemCursorSlot& slot)
{
    return World().LoadCursorW(nullptr, MAKEINTRESOURCEW(slot.IdcId));
}

void WriteSharedRecord(int index)
{
    if (!SharedCursorView)
        return;
    const SystemCursorSlot& slot = SystemCursorSlots[index];
    SharedCursorView[index].Dummy = HandleToULong(slot.Dummy);
    SharedCursorView[index].SavedCopy = HandleToULong(slot.SavedCopy);
}

// Destroys the copy the engine still owns; the slot is no longer installed.
void ForgetSlot(SystemCursorSlot& slot)
{
    if (slot.SavedCopy)
        World().DestroyCursor(slot.SavedCopy);
    slot.SavedCopy = nullptr;
    slot.Dummy = nullptr;
}

// Hands the system a copy of the dummy for the slot's pointer; true when it
// took it. A copy it refused is still ours.
bool OfferDummy(const SystemCursorSlot& slot)
{
    HCURSOR resource = World().LoadCursorW(EngineInstance, MAKEINTRESOURCEW(kDummyCursorResource));
    HCURSOR copy = resource ? World().CopyIcon(resource) : nullptr;
    if (!copy)
        return false;
    if (World().SetSystemCursor(copy, static_cast<DWORD>(slot.OcrId)))
        return true;
    World().DestroyCursor(copy);
    return false;
}

// Copies the pointer the system shows and puts the dummy in its place; the
// slot stays uninstalled when any step fails.
void InstallFresh(SystemCursorSlot& slot, HCURSOR shown)
{
    ForgetSlot(slot);
    HCURSOR saved = shown ? World().CopyIcon(shown) : nullptr;
    if (!saved)
        return;
    if (!OfferDummy(slot)) {
        World().DestroyCursor(saved);
        return;
    }
    slot.SavedCopy = saved;
    slot.Dummy = ShownPointer(slot);
}

void SetCrashFilterOnce()
{
    if (CrashFilterSet)
        return;
    CrashFilterSet = true;
    PreviousCrashFilter = World().SetUnhandledExceptionFilter(RestoreCursorsOnCrash);
}

}  // namespace

int IsEngineEnabled()
{
    return EngineEnabled;
}

void EnableEngine()
{
    if (EngineEnabled)
        return;
    EngineEnabled = 1;
    SetDummyCursors();
    World().SetWindowTextW(EngineWindow, L"");
    World().SetWindowLongPtrW(EngineWindow, GWLP_USERDATA, EngineActiveMark);
}

void DisableEngine()
{
    if (!EngineEnabled)
        return;
    EngineEnabled = 0;
    if (EnginePointer)
        EnginePointer->Hide();
    World().SetWindowTextW(EngineWindow, L"Disabled");
    World().SetWindowLongPtrW(EngineWindow, GWLP_USERDATA, 0);
    RestoreWindowsCursors();
    World().Sleep(100);
}

int SetDummyCursors()
{
    if (!CurrentTheme) {
        DebugLog(L"Warning. Theme not defined. Cannot set dummies\r");
        return 0;
    }
    if (!EngineEnabled)
        return 0;
    LastInstallTime = World().NowMs();
    SetCrashFilterOnce();
    for (int index = 0; index < kSharedCursorSlots; ++index) {
        if (ThemeReplacesRole(SystemCursorSlots[index].Role))
            SetDummyCursor(index);
    }
    return 1;
}

void SetDummyCursor(int index)
{
    if (index < 0 || index >= kSharedCursorSlots)
        return;
    SystemCursorSlot& slot = SystemCursorSlots[index];
    HCURSOR shown = ShownPointer(slot);
    if (shown && ShowsDummy(shown)) {
        // The dummy is still in: ours, or one an engine left when it died.
        // Whatever copy the slot holds stays; the dummy itself is never saved.
        slot.Dummy = shown;
    } else {
        // The user's pointer, or one another program put there since.
        InstallFresh(slot, shown);
    }
    WriteSharedRecord(index);
}

void RestoreWindowsCursors()
{
    DebugLog(L"Restore Windows cursors\r");
    bool reload = false;
    for (SystemCursorSlot& slot : SystemCursorSlots) {
        if (!slot.Dummy)
            continue;
        if (slot.SavedCopy &&
            World().SetSystemCursor(slot.SavedCopy, static_cast<DWORD>(slot.OcrId)))
            slot.SavedCopy = nullptr;  // the system owns it now
        else
            reload = true;
        ForgetSlot(slot);
    }
    // A dummy without the user's pointer behind it: the user's configured
    // pointers are the best that is left.
    if (reload)
        World().SystemParametersInfoW(SPI_SETCURSORS, 0, nullptr, 0);
}

HCURSOR GetSystemCursor(WPARAM index)
{
    if (index >= static_cast<WPARAM>(kSharedCursorSlots))
        return nullptr;
    const SystemCursorSlot& slot = SystemCursorSlots[index];
    if (EngineEnabled && slot.SavedCopy)
        return slot.SavedCopy;
    return ShownPointer(slot);
}

bool AnyDummyInstalled()
{
    for (const SystemCursorSlot& slot : SystemCursorSlots) {
        if (slot.Dummy)
            return true;
    }
    return false;
}

LONG WINAPI RestoreCursorsOnCrash(EXCEPTION_POINTERS* exception)
{
    // Only once, even when the restore itself is what fails.
    if (InterlockedExchange(&CrashRestoreRan, 1) == 0) {
        try {
            RestoreWindowsCursors();
        } catch (...) {
        }
    }
    return PreviousCrashFilter ? PreviousCrashFilter(exception) : EXCEPTION_CONTINUE_SEARCH;
}

void ResetCursorSubstitution()
{
    for (SystemCursorSlot& slot : SystemCursorSlots) {
        slot.Dummy = nullptr;
        slot.SavedCopy = nullptr;
    }
    LastInstallTime = 0;
    PreviousCrashFilter = nullptr;
    CrashFilterSet = false;
    CrashRestoreRan = 0;
}
