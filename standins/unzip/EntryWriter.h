#pragma once
// Putting an entry on disk under the extraction folder.

#include <cstdint>
#include <string>

// Creates each missing folder of relative (parts joined with "\") under
// root; an existing part must be a plain folder, never a link.
bool CreateFolders(const std::wstring& root, const std::wstring& relative);

enum class FileWrite { Written, Exists, Failed };

// Writes the bytes as the whole file. An existing file is replaced only with
// replace (never a folder or a link); on failure no part of the new file is left.
FileWrite WriteWholeFile(const std::wstring& path, const uint8_t* data, size_t size, bool replace);
