// The sounds page's file list: the none row, then one row per WAV file of
// the Sounds folder, carrying its file name as row text for playing.

#include "LibraryLayout.h"
#include "LibraryLists.h"
#include "LibraryRows.h"
#include "ScopedWin.h"

#include <string>
#include <vector>

namespace {

constexpr int kRowHeight = 30;
constexpr int kRowWidth = 251;
constexpr int kRowId = 106;
constexpr int kLabelX = 16;
constexpr int kLabelY = 4;
constexpr int kLabelWidth = 257;
constexpr int kListBottom = 10;
constexpr wchar_t kGroup[] = L"grpSoundPreview";

// The names of the folder's files, in the order the listing gives them.
std::vector<std::wstring> ListFolderFiles(const wchar_t* folder)
{
    std::vector<std::wstring> names;
    if (!folder || folder[0] == L'\0')
        return names;
    WIN32_FIND_DATAW found;
    ScopedFindSearch search(FindFirstFileW((std::wstring(folder) + L"\\*").c_str(), &found));
    if (!search)
        return names;
    do {
        if (!(found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY))
            names.push_back(found.cFileName);
    } while (FindNextFileW(search.Get(), &found));
    return names;
}

void AddSoundRow(PanelList& list, const std::wstring& name)
{
    const int n = static_cast<int>(list.Rows.size()) + 1;
    CQVObj* row = MakeListRow(list.Container, kRowHeight * n, kRowWidth, kRowHeight, kRowId,
                              CQVHoverNone, kGroup);
    if (!row)
        return;
    row->SetRowText(name.c_str());
    list.Rows.push_back(row);
    MakeListLabel(row, kLabelX, kLabelY, name.c_str(), PanelSizes.RowSize, kListTextColor,
                  kLabelWidth, nullptr);
}

}  // namespace

void ClearSoundRows()
{
    ClearListRows(Library.SoundFiles);
}

void BuildSoundList()
{
    PanelList& list = Library.SoundFiles;
    ClearSoundRows();
    if (!list.Container)
        return;
    MakeListLabel(list.Container, kLabelX, kLabelY, UiText(kUiNone), PanelSizes.RowSize,
                  kListTextColor, kLabelWidth, kGroup);
    for (const std::wstring& name : SoundFileNames(ListFolderFiles(PanelSoundsFolder)))
        AddSoundRow(list, name);
    const int rows = static_cast<int>(list.Rows.size()) + 1;
    FitListContainer(list, rows * kRowHeight + kListBottom);
    list.RowStep = ListRowStep(list, rows);
    KeepRowsInBounds(list, rows, -1);
}
