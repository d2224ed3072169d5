#pragma once
// The application: start-up, the message loop with accelerators and idle
// updates, the profile in the registry, the document templates, the command
// line, the recent-file list and the application-wide commands.

#include "CCmdTarget.h"
#include "CRecentFileList.h"

#include <memory>
#include <string>
#include <vector>

class CDocument;
class CMDIFrameWnd;
class CMultiDocTemplate;

// What the command line asks for: the first plain argument is a file to open;
// arguments starting with '/' or '-' are flags, which the layer ignores.
class CCommandLineInfo {
public:
    enum ShellCommand { FileNew, FileOpen, FileNothing };

    virtual ~CCommandLineInfo() = default;
    virtual void ParseParam(const wchar_t* param, BOOL flag, BOOL last);

    ShellCommand Command = FileNew;
    std::wstring FileName;
};

class CWinApp : public CCmdTarget {
public:
    // The one application of the process; it registers itself.
    CWinApp();
    ~CWinApp() override;

    virtual BOOL InitInstance();
    // Writes the recent files; the result is the program's exit code.
    virtual int ExitInstance();
    virtual int Run();
    // TRUE asks for more idle time.
    virtual BOOL OnIdle(LONG count);
    // TRUE when the message was used (an MDI or accelerator key, or a key
    // of a dialog inside a view).
    virtual BOOL PreTranslateMessage(MSG* message);

    // The profile lives under HKCU\Software\<key>\<application title>.
    void SetRegistryKey(const wchar_t* key);
    std::wstring ProfileKey() const;
    // Reads a recent-file list of that many entries from the profile.
    void LoadStdProfileSettings(UINT recentFiles = 4);

    void AddDocTemplate(std::unique_ptr<CMultiDocTemplate> docTemplate);
    const std::vector<std::unique_ptr<CMultiDocTemplate>>& Templates() const { return templates_; }

    void ParseCommandLine(CCommandLineInfo& info) const;
    // No argument: a new document; a path: that file opened. FALSE on failure.
    BOOL ProcessShellCommand(const CCommandLineInfo& info);
    // Activates the document already open under the path, or opens it.
    virtual CDocument* OpenDocumentFile(const wchar_t* path);

    void AddToRecentFileList(const wchar_t* path);
    CRecentFileList* RecentFiles() const { return recentFiles_.get(); }
    void UpdateRecentFileMenu(HMENU popup) const;

    bool SaveAllModified();
    void CloseAllDocuments();

    CMDIFrameWnd* MainFrame() const { return mainFrame_.get(); }
    void SetMainFrame(std::unique_ptr<CMDIFrameWnd> frame);
    HINSTANCE Instance() const { return instance_; }
    int ShowCommand() const { return showCommand_; }
    const std::wstring& AppName() const { return appName_; }
    void SetStartup(HINSTANCE instance, int showCommand);

    // A test runs its application inside its own process with its own
    // arguments (as they follow the program name) and profile key under HKCU.
    void UseCommandLine(const std::wstring& arguments);
    void UseProfileKey(const std::wstring& subkey);

    bool OnCmdMsg(UINT id, UINT code, bool execute) override;

protected:
    void OnFileNew();
    void OnFileOpen();
    void OnAppExit();
    void OnOpenRecentFile(UINT id);

private:
    HINSTANCE instance_;
    int showCommand_ = SW_SHOWNORMAL;
    std::wstring appName_;
    std::wstring registryKey_;
    std::wstring profileOverride_;
    std::vector<std::wstring> arguments_;
    int exitCode_ = 0;
    std::unique_ptr<CRecentFileList> recentFiles_;
    std::vector<std::unique_ptr<CMultiDocTemplate>> templates_;
    std::unique_ptr<CMDIFrameWnd> mainFrame_;
};

// The application of this process, or null.
CWinApp* DocViewApp();
// The application's title for boxes; empty without an application.
const wchar_t* AppTitle();

// The program's entry: InitInstance, then the message loop; the exit code.
int DocViewMain(CWinApp& app, HINSTANCE instance, int showCommand);
