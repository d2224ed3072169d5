#pragma once
// The caption of every box and window title the programs give the product's
// own name: the page's tab and sheet, questions, warnings and errors.

constexpr const wchar_t* kProductCaption = L"Trivane";
