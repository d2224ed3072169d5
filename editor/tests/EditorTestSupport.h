#pragma once
// The editor's application inside the test process, with its own arguments
// and profile key, boxes recorded and a temporary folder; theme files and
// images made for the tests.

#include "CEditorMFCApp.h"
#include "CEditorMFCDoc.h"
#include "CMDIFrameWnd.h"
#include "CMyMultiDocTemplate.h"
#include "MessageBoxRecorder.h"
#include "TempFolder.h"
#include "TestRegistryKey.h"
#include "TestThemes.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>

class EditorAppTest : public testing::Test {
protected:
    void TearDown() override;

    // InitInstance with these arguments, as they follow the program name,
    // and that show command for the main frame.
    BOOL Start(const std::wstring& arguments = L"", int show = SW_HIDE);
    CMyMultiDocTemplate& Template() const;
    CEditorMFCDoc* Document(size_t index) const;
    CEditorMFCDoc* NewDocument();
    CEditorMFCDoc* OpenDocument(const std::wstring& path);
    HWND MainWindow() const;
    void Command(UINT id);

    // A container file with normal cursors of roles 2 and 9, a pressed role
    // 9 and effect 4.
    std::wstring WriteSmallTheme(const std::wstring& name) const;
    // A 24-bit BMP of that size, filled with one colour.
    std::wstring WriteBmp(const std::wstring& name, int width, int height) const;

    TempFolder folder_;
    TestRegistryKey profile_{L"Editor"};
    MessageBoxRecorder boxes_;
    std::unique_ptr<CEditorMFCApp> app_;
};

std::wstring WindowText(HWND window);
std::string FileBytes(const std::wstring& path);
// The name of a file in the folder whose whole path has exactly that length.
std::wstring PathOfLength(const TempFolder& folder, size_t length, const wchar_t* extension);
