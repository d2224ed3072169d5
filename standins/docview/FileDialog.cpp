#include "FileDialog.h"

#include "CMultiDocTemplate.h"
#include "DocViewTexts.h"

#include <algorithm>
#include <utility>

namespace {

DocFileDialogHandler g_handler;

}  // namespace

BOOL DocFileDialog(OPENFILENAMEW& dialog, FileDialogKind kind)
{
    if (g_handler)
        return g_handler(dialog, kind);
    return kind == FileDialogKind::Open ? GetOpenFileNameW(&dialog) : GetSaveFileNameW(&dialog);
}

DocFileDialogHandler DocSetFileDialogHandler(DocFileDialogHandler handler)
{
    return std::exchange(g_handler, std::move(handler));
}

std::vector<std::wstring> SplitExtensions(const std::wstring& extensions)
{
    std::vector<std::wstring> parts;
    size_t start = 0;
    for (;;) {
        size_t end = extensions.find(L';', start);
        if (end != start && start < extensions.size())
            parts.push_back(extensions.substr(start, end - start));
        if (end == std::wstring::npos)
            return parts;
        start = end + 1;
    }
}

std::wstring BuildFileFilter(const std::wstring& filterName, const std::wstring& extensions)
{
    std::wstring filter;
    std::wstring patterns;
    for (const std::wstring& extension : SplitExtensions(extensions))
        patterns += (patterns.empty() ? L"*" : L";*") + extension;
    if (!filterName.empty() && !patterns.empty())
        filter += filterName + L'\0' + patterns + L'\0';
    filter += std::wstring(kTextAllFilesName) + L'\0' + kTextAllFilesPattern + L'\0';
    return filter + L'\0';
}

namespace {

// The extension of the name's file part, dot included; empty without one.
size_t ExtensionStart(const std::wstring& name)
{
    const size_t slash = name.find_last_of(L"\\/:");
    const size_t dot = name.rfind(L'.');
    if (dot == std::wstring::npos || (slash != std::wstring::npos && dot < slash))
        return std::wstring::npos;
    return dot;
}

bool SameText(const std::wstring& a, const std::wstring& b)
{
    return lstrcmpiW(a.c_str(), b.c_str()) == 0;
}

// The name with its extension replaced by the first of the template's when
// it is one of those the predicate accepts.
template <typename Accept>
std::wstring ReplacedExtension(const std::wstring& name, const std::wstring& extensions,
                               Accept accept)
{
    const std::vector<std::wstring> known = SplitExtensions(extensions);
    const size_t start = ExtensionStart(name);
    if (known.empty() || start == std::wstring::npos)
        return name;
    const std::wstring extension = name.substr(start);
    return accept(known, extension) ? name.substr(0, start) + known.front() : name;
}

}  // namespace

std::wstring SpelledSaveExtension(const std::wstring& name, const std::wstring& extensions)
{
    return ReplacedExtension(name, extensions, [](const auto& known, const std::wstring& ext) {
        return SameText(known.front(), ext);
    });
}

std::wstring OfferedSaveName(const std::wstring& path, const std::wstring& title, bool replace,
                             const std::wstring& extensions)
{
    if (!path.empty()) {
        return ReplacedExtension(path, extensions, [](const auto& known, const std::wstring& ext) {
            return std::any_of(known.begin(), known.end(),
                               [&](const std::wstring& k) { return SameText(k, ext); });
        });
    }
    if (!replace)
        return std::wstring();
    return title.substr(0, title.find_first_of(L":/\\")) +
           extensions.substr(0, extensions.find(L';'));
}

bool PromptFileName(HWND owner, FileDialogKind kind, const CMultiDocTemplate* docTemplate,
                    const wchar_t* startFolder, std::wstring* name)
{
    std::wstring filterName;
    std::wstring extensions;
    if (docTemplate) {
        docTemplate->GetDocString(filterName, kDocStringFilterName);
        docTemplate->GetDocString(extensions, kDocStringFilterExt);
    }
    std::wstring filter = BuildFileFilter(filterName, extensions);
    // A name typed for saving without an extension gets the first of the template's.
    std::wstring defaultExtension =
        kind == FileDialogKind::Save ? extensions.substr(0, extensions.find(L';')) : L"";
    if (!defaultExtension.empty() && defaultExtension[0] == L'.')
        defaultExtension.erase(0, 1);

    wchar_t file[MAX_PATH] = {};
    name->copy(file, std::min<size_t>(name->size(), MAX_PATH - 1));
    OPENFILENAMEW dialog = {};
    dialog.lStructSize = sizeof(dialog);
    dialog.hwndOwner = owner;
    dialog.lpstrFilter = filter.c_str();
    dialog.nFilterIndex = 1;
    dialog.lpstrFile = file;
    dialog.nMaxFile = MAX_PATH;
    dialog.lpstrInitialDir = startFolder && *startFolder ? startFolder : nullptr;
    dialog.lpstrTitle = kind == FileDialogKind::Open ? kTextOpenTitle : kTextSaveAsTitle;
    dialog.lpstrDefExt = defaultExtension.empty() ? nullptr : defaultExtension.c_str();
    dialog.Flags = OFN_HIDEREADONLY | OFN_PATHMUSTEXIST |
                   (kind == FileDialogKind::Open ? OFN_FILEMUSTEXIST : OFN_OVERWRITEPROMPT);
    if (!DocFileDialog(dialog, kind))
        return false;
    file[MAX_PATH - 1] = L'\0';
    *name = kind == FileDialogKind::Save ? SpelledSaveExtension(file, extensions) : file;
    return true;
}
