#include "EditorTestSupport.h"

#include "BmpFixture.h"
#include "FileRetry.h"
#include "LMToolkit.h"
#include "MessagePump.h"

namespace {

// Theme files open at once in tests; a locked file need not be waited for.
class EditorEnvironment : public testing::Environment {
public:
    void SetUp() override
    {
        SetThemeFileSleep([](DWORD) {});
    }
};

const auto* const g_environment = testing::AddGlobalTestEnvironment(new EditorEnvironment);

}  // namespace

void EditorAppTest::TearDown()
{
    app_.reset();
    // The main frame's end posted a quit message; it must not end later pumps.
    PumpMessagesFor(0);
}

BOOL EditorAppTest::Start(const std::wstring& arguments, int show)
{
    app_ = std::make_unique<CEditorMFCApp>();
    app_->UseCommandLine(arguments);
    app_->UseProfileKey(profile_.Subkey());
    app_->SetStartup(GetModuleHandleW(nullptr), show);
    return app_->InitInstance();
}

CMyMultiDocTemplate& EditorAppTest::Template() const
{
    return static_cast<CMyMultiDocTemplate&>(*app_->Templates().front());
}

CEditorMFCDoc* EditorAppTest::Document(size_t index) const
{
    const auto& documents = Template().Documents();
    return index < documents.size() ? static_cast<CEditorMFCDoc*>(documents[index].get()) : nullptr;
}

CEditorMFCDoc* EditorAppTest::NewDocument()
{
    return static_cast<CEditorMFCDoc*>(Template().OpenDocumentFile(nullptr));
}

CEditorMFCDoc* EditorAppTest::OpenDocument(const std::wstring& path)
{
    return static_cast<CEditorMFCDoc*>(app_->OpenDocumentFile(path.c_str()));
}

HWND EditorAppTest::MainWindow() const
{
    return app_->MainFrame()->GetSafeHwnd();
}

void EditorAppTest::Command(UINT id)
{
    SendMessageW(MainWindow(), WM_COMMAND, id, 0);
}

std::wstring EditorAppTest::WriteSmallTheme(const std::wstring& name) const
{
    auto theme = MakeTestTheme({{2, 1}, {9, 1}, {9, 2}});
    AddTestEffect(*theme, 4);
    std::wstring path = folder_.File(name);
    EXPECT_TRUE(SaveTestTheme(path, *theme));
    return path;
}

std::wstring EditorAppTest::WriteBmp(const std::wstring& name, int width, int height) const
{
    std::vector<uint32_t> pixels(static_cast<size_t>(width) * height, 0x3366CC);
    std::wstring path = folder_.File(name);
    Bytes bytes = MakeBmp24(width, height, pixels);
    EXPECT_TRUE(WriteBytesToFile(path, bytes.data(), bytes.size()));
    return path;
}

std::wstring WindowText(HWND window)
{
    wchar_t text[512] = {};
    GetWindowTextW(window, text, 512);
    return text;
}

std::string FileBytes(const std::wstring& path)
{
    std::string bytes;
    return ReadBytesFromFile(path, &bytes) ? bytes : "(missing)";
}

std::wstring PathOfLength(const TempFolder& folder, size_t length, const wchar_t* extension)
{
    std::wstring start = folder.Path() + L"\\";
    std::wstring ending = extension;
    size_t fill = length > start.size() + ending.size() ? length - start.size() - ending.size() : 1;
    return start + std::wstring(fill, L'p') + ending;
}
