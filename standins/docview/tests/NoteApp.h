#pragma once
// A small program on the layer for its tests: note documents whose file is
// any text but "bad", a view and an application that both handle command
// kIdShared, a main frame with a status bar. Each test gets its own profile
// key, removed afterwards.

#include "CDocument.h"
#include "CMDIFrameWnd.h"
#include "CStatusBar.h"
#include "CView.h"
#include "CWinApp.h"
#include "TestRegistryKey.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>

constexpr UINT kIdShared = 32800;

class NoteDoc : public CDocument {
public:
    static std::unique_ptr<CDocument> CreateObject() { return std::make_unique<NoteDoc>(); }
    BOOL OnOpenDocument(const wchar_t* path) override;
    BOOL OnSaveDocument(const wchar_t* path) override;
};

class NoteView : public CView {
public:
    static std::unique_ptr<CView> CreateObject() { return std::make_unique<NoteView>(); }
    void OnDraw(HDC) override {}
    bool OnCmdMsg(UINT id, UINT code, bool execute) override;
    void OnShared() { ++SharedCount; }

    static int SharedCount;
};

class NoteFrame : public CMDIFrameWnd {
protected:
    int OnCreate(CREATESTRUCTW* cs) override;

private:
    CStatusBar statusBar_;
};

class NoteApp : public CWinApp {
public:
    BOOL InitInstance() override;
    bool OnCmdMsg(UINT id, UINT code, bool execute) override;
    void OnShared() { ++SharedCount; }

    int SharedCount = 0;
    // Starts with no document, whatever the command line says.
    bool StartEmpty = false;
};

class NoteAppTest : public testing::Test {
protected:
    void SetUp() override;
    void TearDown() override;

    // A new application with these arguments; the previous one goes first.
    void StartApp(const std::wstring& arguments = L"", bool empty = false);
    // Sends a command to the main frame as a menu would.
    void Command(UINT id);
    // What WM_INITMENUPOPUP leaves of the items: 1 enabled, 0 greyed.
    std::vector<int> EnabledStates(const std::vector<UINT>& ids);
    CMultiDocTemplate& Template() const;
    HWND MainWindow() const;
    std::wstring WindowText(HWND window) const;

    TestRegistryKey profile_{L"DocView"};
    const std::wstring& profileKey_ = profile_.Subkey();
    std::unique_ptr<NoteApp> app_;
};
