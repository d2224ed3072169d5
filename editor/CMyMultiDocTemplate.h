#pragma once
// The editor's document template: theme documents in child frames with the
// editing view; ".Trivane" and ".PvltTheme" files are its own.

#include "CMultiDocTemplate.h"

#include <string>

class CMyMultiDocTemplate : public CMultiDocTemplate {
public:
    using CMultiDocTemplate::CMultiDocTemplate;

    // Fields 0 to 6 of the document string; any other index FALSE and empty.
    BOOL GetDocString(std::wstring& text, int index) const override;
    // kMatchAlreadyOpen for the document of exactly this path (letter case
    // counts), else MatchThemeExtension over the filter extensions.
    int MatchDocType(const wchar_t* path, CDocument** match) override;
};

// kMatchNative when the text after the path's last '.' equals one of the
// ';'-separated extensions without its leading dot, ignoring case (a single
// extension is compared with the path's tail from its last dot); otherwise,
// and for a path without '.', kMatchForeign.
int MatchThemeExtension(const wchar_t* path, const std::wstring& extensions);
