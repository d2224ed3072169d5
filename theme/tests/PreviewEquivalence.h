#pragma once
// A preview load reads the body only as far as its records go; it must make
// the theme that a parse of the whole body in preview mode makes.

#include "CTheme.h"

#include <string>

// What a load put into a theme, as one text for comparing two loads.
std::string DescribeTheme(const CTheme& theme);

// `previewed` and `result` come from a preview load of the file `bytes`,
// named `fileTitle`. Where the whole body cannot be had (a damaged stream),
// any clean result is right: the damage may lie past where the preview stops.
void ExpectPreviewLikeWholeParse(
    const std::string& bytes, const wchar_t* fileTitle, const CTheme& previewed, int result);
