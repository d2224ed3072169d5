#pragma once
// What a theme's website and e-mail texts may open. Theme files come from
// anywhere, so their texts open web and mail addresses only, never a
// program or a file, and reach the browser or mail program as one
// argument: blanks and quotes inside are percent-encoded.

#include <string>

// The address for a website text, blanks around it ignored: an "http://"
// or "https://" address, or "http://" before a text that begins "www.";
// empty for any other text and for one with control characters.
std::wstring WebsiteToOpen(const wchar_t* text);

// "mailto:" and the address when it is a plain one (one "@", no "?", "&",
// "%", "/", "\", quotes, blanks or control characters); empty otherwise, so
// theme text can never add fields, files or programs to the mail.
std::wstring MailToOpen(const wchar_t* address);
