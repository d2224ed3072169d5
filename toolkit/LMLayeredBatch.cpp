#include "LMLayeredBatch.h"

#include "LMObj.h"
#include "LMObjWindow.h"
#include "LMProcs.h"

#include <algorithm>
#include <vector>

namespace {

struct PendingWindow {
    LMObj* Object;
    bool Picture;
    bool Move;
    bool Show;
};

// The open batch: GUI thread only, like every toolkit object.
struct OpenBatch {
    DWORD Thread = 0;
    int Depth = 0;
    std::vector<PendingWindow> Pending;
};

OpenBatch g_batch;

bool IsOpenHere()
{
    return g_batch.Depth > 0 && g_batch.Thread == GetCurrentThreadId();
}

PendingWindow& Note(LMObj& obj)
{
    auto found = std::find_if(g_batch.Pending.begin(), g_batch.Pending.end(),
                              [&](const PendingWindow& pending) { return pending.Object == &obj; });
    if (found != g_batch.Pending.end())
        return *found;
    g_batch.Pending.push_back({&obj, false, false, false});
    return g_batch.Pending.back();
}

void MoveLayered(LMObj& obj, UINT flags)
{
    RECT bounds;
    obj.GetBounds(&bounds);
    LMProcs::SetWindowPos(obj.Window, nullptr, bounds.left, bounds.top, 0, 0,
                          flags | SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE | SWP_NOSENDCHANGING);
}

void Flush()
{
    std::vector<PendingWindow> pending;
    pending.swap(g_batch.Pending);
    for (const PendingWindow& window : pending) {
        LMObj& obj = *window.Object;
        if (!obj.Realized || !obj.Window)
            continue;
        // The layered update places the window too.
        if (window.Picture)
            LMPresentLayered(obj);
        else if (window.Move)
            MoveLayered(obj, 0);
        // Shown only now, so that it never shows the picture it had when hidden.
        if (window.Show && obj.Shown)
            MoveLayered(obj, SWP_SHOWWINDOW | SWP_NOMOVE);
    }
}

}  // namespace

LMLayeredBatch::LMLayeredBatch()
{
    if (g_batch.Depth == 0)
        g_batch.Thread = GetCurrentThreadId();
    // A batch on another thread than the open one collects nothing.
    if (g_batch.Thread == GetCurrentThreadId())
        ++g_batch.Depth;
}

LMLayeredBatch::~LMLayeredBatch()
{
    if (g_batch.Thread != GetCurrentThreadId() || g_batch.Depth == 0)
        return;
    if (--g_batch.Depth == 0)
        Flush();
}

bool LMBatchLayeredPicture(LMObj& obj)
{
    if (!IsOpenHere())
        return false;
    Note(obj).Picture = true;
    return true;
}

bool LMBatchLayeredMove(LMObj& obj)
{
    if (!IsOpenHere())
        return false;
    Note(obj).Move = true;
    return true;
}

bool LMBatchLayeredShow(LMObj& obj)
{
    if (!IsOpenHere())
        return false;
    Note(obj).Show = true;
    return true;
}

void LMForgetBatched(LMObj& obj)
{
    auto& pending = g_batch.Pending;
    pending.erase(
        std::remove_if(pending.begin(), pending.end(),
                       [&](const PendingWindow& window) { return window.Object == &obj; }),
        pending.end());
}
