#pragma once
// The editor's application: start-up of the toolkit, the profile, the theme
// document template, the main frame, the command line, and the About box.

#include "CWinApp.h"

constexpr const wchar_t* kEditorRegistryKey = L"Trivane Theme Editor";
constexpr UINT kEditorRecentFiles = 8;
extern const wchar_t* const kAboutText;

class CEditorMFCApp : public CWinApp {
public:
    ~CEditorMFCApp() override;
    // FALSE ends the program: no template, no main frame, or a command line
    // that could not be carried out.
    BOOL InitInstance() override;
    bool OnCmdMsg(UINT id, UINT code, bool execute) override;

protected:
    void OnAppAbout();
};
