#include "LMObj.h"

#include "LMBitmap.h"
#include "LMObjGlobals.h"
#include "LMToolkit.h"

#include <algorithm>
#include <cwchar>
#include <mutex>
#include <unordered_set>

namespace {

constexpr int kStateCapacityStep = 5;

// Addresses of the objects alive now. A pointer is judged by membership, so a
// freed object, or any block that happens to hold the signature, is never read.
struct LiveObjects {
    std::mutex lock;
    std::unordered_set<const void*> objects;
};

LiveObjects& Live()
{
    // Never destroyed: the root, owned by another file's statics, dies later.
    static LiveObjects* const live = new LiveObjects;
    return *live;
}

void AddLive(const LMObj* object)
{
    std::lock_guard<std::mutex> guard(Live().lock);
    Live().objects.insert(object);
}

void RemoveLive(const LMObj* object)
{
    std::lock_guard<std::mutex> guard(Live().lock);
    Live().objects.erase(object);
}

bool SameNameNoCase(const wchar_t* a, const wchar_t* b)
{
    for (;; ++a, ++b) {
        wchar_t ca = *a, cb = *b;
        if (ca != cb) {
            ca = static_cast<wchar_t>(reinterpret_cast<ULONG_PTR>(
                CharUpperW(reinterpret_cast<LPWSTR>(static_cast<ULONG_PTR>(ca)))));
            cb = static_cast<wchar_t>(reinterpret_cast<ULONG_PTR>(
                CharUpperW(reinterpret_cast<LPWSTR>(static_cast<ULONG_PTR>(cb)))));
            if (ca != cb)
                return false;
        }
        if (ca == L'\0')
            return true;
    }
}

// A heap copy of a non-empty text, else null.
std::unique_ptr<wchar_t[]> CopyName(const wchar_t* name)
{
    if (!name || !*name)
        return nullptr;
    size_t length = wcslen(name);
    auto copy = std::make_unique<wchar_t[]>(length + 1);
    std::copy(name, name + length + 1, copy.get());
    return copy;
}

}  // namespace

bool IsValidLMObj(const void* object)
{
    if (!object)
        return false;
    std::lock_guard<std::mutex> guard(Live().lock);
    if (Live().objects.count(object) == 0)
        return false;
    return static_cast<const LMObj*>(object)->Signature == kLMObjSignature;
}

LMVisualState* LMAsVisualState(LMState* state)
{
    return state && state->Visual ? dynamic_cast<LMVisualState*>(state) : nullptr;
}

LMObj::LMObj(int32_t typeWord)
    : TypeWord(typeWord)
{
    AddLive(this);
}

LMObj::LMObj(HWND window)
    : TypeWord(LMObjAdopted)
    , Window(window)
{
    AddLive(this);
}

// Children stay alive and are left without a parent: owners delete children
// first, but a child outliving its parent must not point at freed memory.
LMObj::~LMObj()
{
    RemoveLive(this);
    if (FocusObject == this)
        FocusObject = nullptr;
    if (HoveredObject == this)
        HoveredObject = nullptr;
    // A new object at this address must not inherit a half double click.
    if (PressedObject == this)
        PressedObject = nullptr;
    if (RootObject == this)
        RootObject = nullptr;
    LMObj::Unrealize();
    LMObj* oldParent = Parent;
    if (Parent)
        Parent->RemoveChild(this);
    Parent = nullptr;
    for (LMObj* child : Children)
        child->Parent = nullptr;
    Children.clear();
    if (!StatesNotOwned)
        DeleteStates();
    if (oldParent && Shown && !IsRectEmpty(&LastBounds)) {
        oldParent->InvalidateRect(LastBounds.left, LastBounds.top,
            LastBounds.right - LastBounds.left, LastBounds.bottom - LastBounds.top,
            LMRepaintDeferred);
    }
    Signature = 0;
}

LMObj* LMObj::FindWindowObj()
{
    for (LMObj* node = this; node; node = node->Parent) {
        if (node->TypeWord & LMObjWindowHolderBit)
            return node;
    }
    return nullptr;
}

int LMObj::AddChild(LMObj* child, int atFront)
{
    if (!child)
        return 0;
    Children.insert(atFront ? Children.begin() : Children.end(), child);
    return 1;
}

int LMObj::AddChild(LMObj* child)
{
    return AddChild(child, 0);
}

int LMObj::RemoveChild(LMObj* child)
{
    if (!child)
        return 0;
    if (HoveredObject == child)
        HoveredObject = nullptr;
    if (LMScheduler)
        LMScheduler->Remove(child);
    auto found = std::find(Children.begin(), Children.end(), child);
    bool wasChild = found != Children.end();
    if (wasChild)
        Children.erase(found);
    InvalidateRect(
        child->VisibleX, child->VisibleY, child->VisibleWidth, child->VisibleHeight, LMRepaintNow);
    return wasChild ? 1 : 0;
}

int LMObj::SetParent(LMObj* newParent)
{
    return SetParent(newParent, 0);
}

int LMObj::SetParent(LMObj* newParent, int atFront)
{
    if (Parent == newParent)
        return 0;
    // A parent inside this object's own subtree would close a loop in the tree.
    for (LMObj* node = newParent; node; node = node->Parent) {
        if (node == this)
            return 0;
    }
    if (Parent)
        Parent->RemoveChild(this);
    Parent = newParent;
    if (newParent)
        newParent->AddChild(this, atFront);
    return 0;
}

int LMObj::SetGroupName(const wchar_t* name)
{
    GroupName = CopyName(name);
    return GroupName ? 1 : 0;
}

int LMObj::SetRowText(const wchar_t* text)
{
    LinkName = CopyName(text);
    return LinkName ? 1 : 0;
}

void LMObj::ResizeStateArray(int capacity)
{
    std::vector<LMState*> resized;
    resized.reserve(static_cast<size_t>(capacity));
    resized.assign(States.begin(), States.end());
    States.swap(resized);
    StateCapacity = capacity;
}

int LMObj::AddState(LMState* state, int activate)
{
    if (!state)
        return 0;
    // A state held twice would be deleted twice.
    if (std::find(States.begin(), States.end(), state) != States.end())
        return 0;
    int capacity = StateCapacity;
    while (capacity < StateCount() + 1)
        capacity += kStateCapacityStep;
    if (capacity != StateCapacity)
        ResizeStateArray(capacity);
    States.push_back(state);
    if (activate)
        InternalChangeState(state->Name.c_str(), LMRequestSilent, 0);
    return 1;
}

int LMObj::AddState(LMState* state)
{
    return AddState(state, 0);
}

// Nothing may keep pointing at a state that is going away; queue entries keep
// their names and are looked up again when their turn comes.
void LMObj::ForgetState(const LMState* state)
{
    if (CurrentState == state)
        CurrentState = nullptr;
    if (TargetState == state)
        TargetState = nullptr;
    for (QueuedState& entry : StateQueue) {
        if (entry.State == state)
            entry.State = nullptr;
    }
}

int LMObj::RemoveState(const wchar_t* name, int keep)
{
    if (!name)
        return 0;
    auto found = std::find_if(States.begin(), States.end(),
        [name](const LMState* state) { return SameNameNoCase(state->Name.c_str(), name); });
    if (found == States.end())
        return 0;
    LMState* state = *found;
    ForgetState(state);
    States.erase(found);
    if (!keep)
        delete state;
    if (StateCount() < StateCapacity - kStateCapacityStep)
        ResizeStateArray(StateCapacity - kStateCapacityStep);
    return 1;
}

int LMObj::RemoveState(const wchar_t* name)
{
    return RemoveState(name, 0);
}

LMState* LMObj::FindState(const wchar_t* name) const
{
    if (!name)
        return nullptr;
    for (LMState* state : States) {
        if (SameNameNoCase(state->Name.c_str(), name))
            return state;
    }
    return nullptr;
}

int LMObj::DeleteStates()
{
    std::vector<LMState*> states;
    states.swap(States);
    StateCapacity = 0;
    for (LMState* state : states) {
        ForgetState(state);
        delete state;
    }
    CurrentState = nullptr;
    return 1;
}

int LMObj::GetFrame()
{
    return CurrentState ? CurrentState->CurrentFrame : -1;
}

int LMObj::SetFrame(int index)
{
    if (!CurrentState || index < 0 || index >= CurrentState->FrameCount)
        return 0;
    CurrentState->CurrentFrame = index;
    Invalidate(LMRepaintNow);
    return 1;
}

int LMObj::GetCurrentAlpha()
{
    const LMVisualState* state = CurrentState;
    if (!state || state->Kind != LMStateKindBitmap)
        return 255;
    int count = state->FrameCount;
    if (count <= 1 || state->RampEnd == -1)
        return state->RampStart;
    int index = state->GetFrameIndex();
    return state->RampStart + (state->RampEnd - state->RampStart) * index / (count - 1);
}

int LMObj::HitTest(int x, int y)
{
    if (!CurrentState || !Shown)
        return 0;
    return CurrentState->HitTest(x, y);
}

int LMObj::OnStateChanging(wchar_t*, int)
{
    return 1;
}

int LMObj::OnStateDone(const wchar_t*, int)
{
    return 1;
}

int LMObj::OnPositionChanged(int, int, int, int, int)
{
    return 1;
}

int LMObj::OnLButtonUp(int, int, int)
{
    return 1;
}

int LMObj::OnRButtonUp(int, int, int)
{
    return 1;
}

int LMObj::OnMouseEnter()
{
    return 1;
}

int LMObj::OnMouseLeave(LMObj*)
{
    Hovered = 0;
    return 1;
}

int LMObj::OnKeyDown(WPARAM, LPARAM)
{
    return 1;
}

int LMObj::OnKeyUp(WPARAM, LPARAM)
{
    return 1;
}

int LMObj::OnChar(WPARAM, LPARAM)
{
    return 1;
}

int LMObj::OnMouseWheel(int)
{
    return 1;
}
