#include "CMyMultiDocTemplate.h"

#include "CDocument.h"
#include "FileDialog.h"

#include <cwchar>

BOOL CMyMultiDocTemplate::GetDocString(std::wstring& text, int index) const
{
    if (index < kDocStringWindowTitle || index > kDocStringFileTypeName) {
        text.clear();
        return FALSE;
    }
    return CMultiDocTemplate::GetDocString(text, index);
}

int CMyMultiDocTemplate::MatchDocType(const wchar_t* path, CDocument** match)
{
    *match = nullptr;
    if (!path)
        return kMatchNone;
    for (const auto& document : Documents()) {
        if (document->GetPathName() == path) {
            *match = document.get();
            return kMatchAlreadyOpen;
        }
    }
    std::wstring extensions;
    if (!GetDocString(extensions, kDocStringFilterExt) || extensions.empty())
        return kMatchForeign;
    return MatchThemeExtension(path, extensions);
}

int MatchThemeExtension(const wchar_t* path, const std::wstring& extensions)
{
    const wchar_t* dot = path ? std::wcsrchr(path, L'.') : nullptr;
    if (!dot || extensions.empty())
        return kMatchForeign;
    if (extensions.find(L';') == std::wstring::npos)
        return _wcsicmp(dot, extensions.c_str()) == 0 ? kMatchNative : kMatchForeign;
    for (std::wstring extension : SplitExtensions(extensions)) {
        if (extension[0] == L'.')
            extension.erase(0, 1);
        if (!extension.empty() && _wcsicmp(dot + 1, extension.c_str()) == 0)
            return kMatchNative;
    }
    return kMatchForeign;
}
