// The text of links.xml.

#include "TasksDocument.h"

#include "CplGuids.h"
#include "RegistrationPlan.h"

namespace cpl {

const wchar_t kDownloadPageAddress[] = L"https://www.kelmora.com/trivane/download/";

namespace {

// The two task links; ids of their own, fixed so that the shell keeps its
// history of them across registrations.
constexpr wchar_t kBrowseTaskId[] = L"{08EE7176-B646-47FA-B847-F48AADF76A0D}";
constexpr wchar_t kDownloadTaskId[] = L"{BEB9B378-32A9-4F05-A33E-FF614C0FC148}";

std::wstring Task(const wchar_t* id, const wchar_t* name, const wchar_t* keywords,
                  const std::wstring& command)
{
    return std::wstring(L"    <sh:task id=\"") + id + L"\">\r\n      <sh:name>" + name +
           L"</sh:name>\r\n      <sh:keywords>" + keywords +
           L"</sh:keywords>\r\n      <sh:command>" + command +
           L"</sh:command>\r\n    </sh:task>\r\n";
}

}  // namespace

std::wstring EscapeXml(const std::wstring& text)
{
    std::wstring escaped;
    escaped.reserve(text.size());
    for (wchar_t c : text) {
        switch (c) {
        case L'&':
            escaped += L"&amp;";
            break;
        case L'<':
            escaped += L"&lt;";
            break;
        case L'>':
            escaped += L"&gt;";
            break;
        case L'"':
            escaped += L"&quot;";
            break;
        case L'\'':
            escaped += L"&apos;";
            break;
        default:
            escaped += c;
        }
    }
    return escaped;
}

std::wstring TasksDocument(const std::wstring& program, bool quoted)
{
    std::wstring browse = quoted ? L"\"" + EscapeXml(program) + L"\"" : EscapeXml(program);
    std::wstring download = std::wstring(L"\"") + kDownloadPageAddress + L"\"";
    return L"<?xml version=\"1.0\" encoding=\"UTF-16\"?>\r\n"
           L"<applications xmlns=\"http://schemas.microsoft.com/windows/cpltasks/v1\" "
           L"xmlns:sh=\"http://schemas.microsoft.com/windows/tasks/v1\">\r\n"
           L"  <application id=\"" +
           GuidText(CLSID_TrivaneControlPanelItem) + L"\">\r\n" +
           Task(kBrowseTaskId, L"Browse Cursors", L"Trivane;Cursors;Themes", browse) +
           Task(kDownloadTaskId, L"Download Cursors", L"Trivane;Cursors;Themes;Download",
                download) +
           L"    <category id=\"1\">\r\n      <sh:task idref=\"" + kBrowseTaskId +
           L"\"/>\r\n      <sh:task idref=\"" + kDownloadTaskId +
           L"\"/>\r\n    </category>\r\n  </application>\r\n</applications>\r\n";
}

}  // namespace cpl
