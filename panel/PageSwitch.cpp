// Switching pages: the others fade out, the page fades in on top, and the
// side-tab mark moves to its tab.

#include "LMObj.h"
#include "LibraryRows.h"
#include "LibraryViews.h"
#include "PanelState.h"

void ShowPage(int page, LMObj* tab, bool evenWhenShown)
{
    if (page < 0 || page >= kPanelPageCount || !Library.Pages[page])
        return;
    LMObj* target = Library.Pages[page];
    if (target->Shown && !evenWhenShown)
        return;
    for (LMObj* other : Library.Pages) {
        if (other && other != target && other->Shown)
            other->ChangeState(L"Hide");
    }
    for (LMObj* otherTab : Library.SideTabs) {
        if (otherTab && otherTab != tab && InState(otherTab, L"Selected"))
            otherTab->ChangeState(L"Away");
    }
    target->ChangeState(L"Show");
    target->OnTop();
    target->Show();
    if (tab)
        tab->ChangeState(L"Selected");
}

void ShowThemesPage()
{
    ShowPage(kThemesPage, Library.SideTabs[kThemesTab], false);
}

void ShowAboutPage()
{
    ShowPage(kAboutPage, Library.SideTabs[kAboutTab], false);
}

void ShowThemeCursorsPage()
{
    ShowPage(kThemeCursorsPage, nullptr, true);
}
