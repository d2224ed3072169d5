#pragma once
// The toolkit's visual object: a node of the object tree with named states,
// one of them shown, a position set by alignment against an anchor, and an
// optional window. Every on-screen object of the programs derives from it.

#include "LMState.h"

#include <windows.h>

#include <cstdint>
#include <memory>
#include <vector>

class LMBitmap;

constexpr int32_t kLMObjSignature = 0x684C0FA1;

// Type words.
constexpr int32_t LMObjRoot = 0x10000000;
constexpr int32_t LMObjAdopted = 0x10000010;
constexpr int32_t LMObjChildWindow = 0x1010;
constexpr int32_t LMObjLayered = 0x10110;
constexpr int32_t LMObjRegionShaped = 0x100110;
constexpr int32_t LMObjPlainWindow = 0x1000110;
constexpr int32_t LMObjWindowless = 1;

// Type-word bits.
constexpr int32_t LMObjOwnWindowBit = 0x100;
constexpr int32_t LMObjWindowHolderBit = 0x10;

// Request flags of ChangeState and friends.
constexpr int LMRequestFromEnd = 1;  // count the start frame from the end, do not animate
constexpr int LMRequestImmediate = 2;
constexpr int LMRequestSilent = 4;

// SetPosition flags.
constexpr int LMPosMove = 1;
constexpr int LMPosShow = 4;
constexpr int LMPosHide = 8;
constexpr int LMPosQuiet = 0x10;
constexpr int LMPosRepaint = 0x400;

// OnPositionChanged change bits.
constexpr int LMChangeMoved = 1;
constexpr int LMChangeResized = 2;
constexpr int LMChangeShown = 4;
constexpr int LMChangeHidden = 8;

// Repaint modes of Invalidate and InvalidateRect.
constexpr int LMRepaintNow = 1;
constexpr int LMRepaintDeferred = 3;

constexpr int kLMStateNameLength = 200;  // with the terminator
constexpr int kLMMaxQueuedStates = 26;
constexpr DWORD kLMScriptTickMs = 9;
extern const wchar_t kLMMouseAwayState[];  // "Mouse away"

// One queued state change. The state is null when the name was unknown when
// queued, or when the state has since been removed.
struct QueuedState {
    LMState* State = nullptr;
    wchar_t Name[kLMStateNameLength] = {};
    int32_t Flags = 0;  // LMRequestFromEnd or 0
};

class LMObj {
public:
    explicit LMObj(int32_t typeWord);
    // Adopts an existing window of the host.
    explicit LMObj(HWND window);

    LMObj(const LMObj&) = delete;
    LMObj& operator=(const LMObj&) = delete;

    // The slots, in order. Subclasses end their overrides by calling these.
    virtual ~LMObj();
    virtual int GetBounds(RECT* out);
    virtual int GetVisibleRect(RECT* out);
    virtual int RemoveChild(LMObj* child);
    virtual int AddChild(LMObj* child, int atFront);
    virtual int AddChild(LMObj* child);
    virtual int Update(DWORD nowMs);
    virtual int SetFrame(int index);
    virtual int GetFrame();
    // name points at a buffer of kLMStateNameLength characters the hook may rewrite.
    virtual int OnStateChanging(wchar_t* name, int flags);
    virtual int OnStateDone(const wchar_t* name, int flags);
    virtual int Realize();
    virtual int Unrealize();
    virtual int MoveTo(int x, int y);
    virtual int MoveAligned(int x, int y, HDWP* deferHandle);
    virtual int MoveAligned(int x, int y);
    virtual int SetPosition(int x, int y, int flags, HDWP* deferHandle);
    virtual int SetPosition(int x, int y, int flags);
    virtual int OnPositionChanged(int anchorX, int anchorY, int visibleWidth, int visibleHeight,
                                  int changes);
    virtual int Show();
    virtual int Hide();
    virtual int OnTop();
    virtual int ChangeZOrder(int mode);
    // The window siblings are chained below, or null.
    virtual HWND ApplyZOrder(HWND insertAfter);
    virtual int Invalidate(int mode);
    virtual int InvalidateRect(int x, int y, int width, int height, int mode);
    virtual int HitTest(int x, int y);
    virtual int Draw(HDC hdc, int originX, int originY, int x, int y, int width, int height,
                     float alpha);
    virtual int DrawOpaque(HDC hdc, int originX, int originY, int x, int y, int width, int height);
    virtual int SyncFromWindow();
    virtual int OnLButtonDown(int x, int y);
    virtual int OnLButtonUp(int x, int y, int dragged);
    virtual int OnDoubleClick(int x, int y);
    virtual int OnRButtonDown(int x, int y);
    virtual int OnRButtonUp(int x, int y, int dragged);
    virtual int OnMouseMove(int x, int y);
    virtual int OnMouseEnter();
    virtual int OnMouseLeave(LMObj* nextHovered);
    virtual int OnKeyDown(WPARAM virtualKey, LPARAM lParam);
    virtual int OnKeyUp(WPARAM virtualKey, LPARAM lParam);
    virtual int OnChar(WPARAM character, LPARAM lParam);
    virtual int SetFocus();
    virtual int KillFocus();
    virtual int OnDrag(int x, int y, int newX, int newY);
    virtual int OnDragEnd();
    virtual int OnWindowButtonDown(int x, int y, int right);
    virtual int OnWindowButtonUp(int x, int y, int right);
    virtual int OnWindowMouseMove(int x, int y);
    virtual int OnMouseWheel(int delta);
    virtual int OnWindowMouseLeave();
    virtual int OnPaint(HWND hwnd);
    virtual LRESULT WindowProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);
    virtual int CreateWnd();

    // Tree.
    int SetParent(LMObj* newParent);
    // atFront 1 makes the object its new parent's first child; 0 also when
    // the parent stays the same, which moves nothing.
    int SetParent(LMObj* newParent, int atFront);
    int SetGroupName(const wchar_t* name);
    // The text a list row carries (a sound row's file name) in LinkName;
    // 1 when a non-empty text was stored, 0 when it is now null.
    int SetRowText(const wchar_t* text);
    int ChildCount() const { return static_cast<int>(Children.size()); }
    // This object when it holds a window, else the nearest ancestor that does.
    LMObj* FindWindowObj();

    // States; names compare without case, the first match wins.
    int AddState(LMState* state, int activate);
    int AddState(LMState* state);
    int RemoveState(const wchar_t* name, int keep);
    int RemoveState(const wchar_t* name);
    LMState* FindState(const wchar_t* name) const;
    int DeleteStates();
    int StateCount() const { return static_cast<int>(States.size()); }

    // State changes: switch now when idle, else queue.
    int ChangeState(const wchar_t* name, int flags, int startFrame);
    int ChangeState(const wchar_t* name);
    // 0 refused or failed, 1 done without a new visual state, 2 switched.
    int InternalChangeState(const wchar_t* name, int flags, int startFrame);
    // 0 when the queue is full, else 1.
    int EnqueueState(const wchar_t* name, int flags);
    int QueueCount() const { return static_cast<int>(StateQueue.size()); }
    int GetCurrentAlpha();

    // Windows and input.
    int DestroyWnd();
    // The shown object under a point in this object's coordinates, or null.
    LMObj* HitTestTree(int x, int y);
    // Marks this object and its drag/z-order group among its siblings; a
    // mark is the counter's value (then counted up), or 1 without a counter.
    int MarkGroup(int withLinks, int byName, int joint, int* counter);
    // Clears the marks of every child; the child count.
    int ClearMarks();

    // Geometry.
    int GetStateMargins(RECT* insets, int* dx, int* dy);
    int AddClientOffsets(POINT* point);
    int AddParentOffsets(POINT* point);
    int GetScreenOffset(int* x, int* y);

    int32_t Signature = kLMObjSignature;
    int32_t TypeWord = 0;
    int32_t SnapMode = 0;
    int32_t HAlign = 0;
    int32_t VAlign = 0;
    int32_t AnchorX = 0;
    int32_t AnchorY = 0;
    int32_t VisibleX = 0;
    int32_t VisibleY = 0;
    int32_t VisibleWidth = 0;
    int32_t VisibleHeight = 0;
    RECT LastBounds{};
    RECT LastVisibleRect{};
    int32_t Shown = 0;
    int32_t JointFlag = 0;
    int32_t ZLocked = 0;
    int32_t Layer = 0;
    int32_t Movable = 1;
    int32_t StatesNotOwned = 0;
    int32_t Dragging = 0;
    int32_t ClientOffsetX = 0;
    int32_t ClientOffsetY = 0;
    LMObj* Parent = nullptr;
    std::vector<LMObj*> Children;  // index 0 drawn first; the last is on top
    std::unique_ptr<wchar_t[]> GroupName;
    std::unique_ptr<wchar_t[]> LinkName;
    LMState* TargetState = nullptr;
    LMVisualState* CurrentState = nullptr;
    HWND Window = nullptr;
    int32_t Animating = 0;
    int32_t InStateChange = 0;
    int32_t Realized = 0;
    // Owned unless StatesNotOwned; the capacity moves in steps of 5.
    std::vector<LMState*> States;
    int32_t StateCapacity = 0;
    int32_t GroupMark = 0;
    int32_t PaintViaBuffer = 0;
    int32_t CursorIndex = 0;
    int32_t DragStarted = 0;
    std::vector<QueuedState> StateQueue;
    int32_t Hovered = 0;
    int32_t MouseTracked = 0;
    std::unique_ptr<LMBitmap> BackBuffer;
    int32_t RegionShaped = 0;
    // The end of the current state has been reported; cleared by every switch,
    // so each state is reported done once.
    int32_t CompletionReported = 0;

private:
    void ResizeStateArray(int capacity);
    void ForgetState(const LMState* state);
    void ClearQueue();
    void DropQueueHead();
    void StartState(LMVisualState* state, int flags, int startFrame);
    void PlaceAfterSwitch();
    int AdvanceQueue();
    void FinishDrainedQueue();
};

// True only for a live object: one constructed and not yet destroyed.
bool IsValidLMObj(const void* object);

// The visual state behind a state pointer, or null for a state without looks.
LMVisualState* LMAsVisualState(LMState* state);

// (x, y, x + width, y + height), the far edges held inside int.
RECT LMRectFromSize(int x, int y, int width, int height);

// Sibling order: by Layer, then by GroupMark; below 0 when a goes first.
int CompareZOrder(const LMObj* a, const LMObj* b);

// The steps that put a built object on screen: hung under its parent,
// realized, its visible top-left moved to (x, y), and shown when asked.
void LMPlaceObject(LMObj& object, LMObj* parent, int x, int y, bool show);
