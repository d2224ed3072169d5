// Groups of LMObj siblings and dragging them: marking a group, moving the
// marked siblings together, and the end of a drag.

#include "LMObj.h"
#include "LMObjGlobals.h"
#include "LMObjWindow.h"

#include <cwchar>
#include <vector>

namespace {

bool HasName(const wchar_t* name)
{
    return name && *name;
}

bool SameGroupName(const wchar_t* a, const wchar_t* b)
{
    return HasName(a) && HasName(b) && wcscmp(a, b) == 0;
}

// A windowless child of its parent's group moves and ends drags with it.
bool FollowsParent(const LMObj& obj)
{
    return obj.TypeWord == LMObjWindowless && obj.Parent &&
           SameGroupName(obj.GroupName.get(), obj.Parent->GroupName.get());
}

// The marked siblings from the last to the first; alone without a parent.
std::vector<LMObj*> MarkedGroup(LMObj& obj)
{
    if (!obj.Parent)
        return {&obj};
    obj.Parent->ClearMarks();
    obj.MarkGroup(1, 1, 1, nullptr);
    std::vector<LMObj*> group;
    const std::vector<LMObj*>& siblings = obj.Parent->Children;
    for (auto sibling = siblings.rbegin(); sibling != siblings.rend(); ++sibling) {
        if ((*sibling)->GroupMark != 0)
            group.push_back(*sibling);
    }
    return group;
}

// Root-level windows move in one batch, with the move filter open.
int MoveWindowsBy(const std::vector<LMObj*>& group, int dx, int dy)
{
    std::vector<LMObj*> windows;
    for (LMObj* member : group) {
        if ((member->TypeWord & LMObjOwnWindowBit) && member->Window)
            windows.push_back(member);
    }
    if (windows.empty())
        return 0;
    ++ToolkitMoveCount;
    HDWP batch = BeginDeferWindowPos(static_cast<int>(windows.size()));
    for (LMObj* member : windows) {
        member->VisibleX += dx;
        member->AnchorX += dx;
        member->VisibleY += dy;
        member->AnchorY += dy;
        member->OnPositionChanged(member->AnchorX, member->AnchorY, 0, 0, LMChangeMoved);
        RECT bounds;
        member->GetBounds(&bounds);
        if (batch && member->Window) {
            batch = DeferWindowPos(batch, member->Window, nullptr, bounds.left, bounds.top, 0, 0,
                                   SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
        }
    }
    if (batch)
        EndDeferWindowPos(batch);
    --ToolkitMoveCount;
    return 1;
}

}  // namespace

int LMObj::ClearMarks()
{
    for (LMObj* child : Children)
        child->GroupMark = 0;
    return ChildCount();
}

int LMObj::MarkGroup(int withLinks, int byName, int joint, int* counter)
{
    auto mark = [counter](LMObj* obj) { obj->GroupMark = counter ? (*counter)++ : 1; };
    int marked = 0;
    if (GroupMark == 0) {
        mark(this);
        ++marked;
    }
    if (!Parent)
        return marked;
    std::vector<LMObj*> added;
    for (LMObj* sibling : Parent->Children) {
        if (sibling == this || sibling->GroupMark != 0)
            continue;
        bool byGroup = byName && SameGroupName(GroupName.get(), sibling->GroupName.get());
        bool byJoint = joint && JointFlag && sibling->JointFlag;
        if (byGroup || byJoint) {
            mark(sibling);
            added.push_back(sibling);
        }
    }
    marked += static_cast<int>(added.size());
    // A sibling with a group of its own brings that group along.
    for (LMObj* sibling : added) {
        const wchar_t* name = sibling->GroupName.get();
        bool ownGroup = HasName(name) && !SameGroupName(name, GroupName.get());
        marked += sibling->MarkGroup(withLinks, ownGroup ? 1 : 0, 0, counter);
    }
    return marked;
}

int LMObj::OnDrag(int x, int y, int newX, int newY)
{
    if (!Movable)
        return 0;
    if (FollowsParent(*this)) {
        LMObj& parent = *Parent;
        return parent.OnDrag(x + VisibleX, y + VisibleY, parent.VisibleX + newX - VisibleX,
                             parent.VisibleY + newY - VisibleY);
    }
    int dx = newX - VisibleX, dy = newY - VisibleY;
    std::vector<LMObj*> group = MarkedGroup(*this);
    if (Parent && Parent != RootObject) {
        for (LMObj* member : group)
            member->MoveAligned(member->AnchorX + dx, member->AnchorY + dy);
        return 1;
    }
    return MoveWindowsBy(group, dx, dy);
}

int LMObj::OnDragEnd()
{
    if (FollowsParent(*this))
        return Parent->OnDragEnd();
    LMCoverActivatedWindow();
    return 1;
}
