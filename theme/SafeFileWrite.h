#pragma once
// Writes a file so that a failure never destroys the file it replaces: the
// bytes go to a temporary file beside it, which then takes its place.

#include <cstddef>
#include <initializer_list>

struct FilePart {
    const void* Data;
    size_t Size;
};

// 1 when path holds exactly the parts, one after another; 0 on any failure,
// with the old file as it was and no temporary file left behind.
int WriteFileReplacing(const wchar_t* path, std::initializer_list<FilePart> parts);
