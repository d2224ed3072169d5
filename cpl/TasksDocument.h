#pragma once
// The control-panel item's task file, links.xml: two task links (browse the
// pointer themes with the control panel, download more) in the Windows
// control-panel tasks schema.

#include <string>

namespace cpl {

// The address of the publisher's download page, the second task's command.
extern const wchar_t kDownloadPageAddress[];

// The text with "&", "<", ">" and both quotes written as XML entities.
std::wstring EscapeXml(const std::wstring& text);

// The whole document; the first task runs program, in quotes when quoted.
std::wstring TasksDocument(const std::wstring& program, bool quoted);

}  // namespace cpl
