// The keys and values of registration and of its removal.

#include "RegistrationPlan.h"

#include "CplGuids.h"

#include <objbase.h>

#include <initializer_list>

namespace cpl {

const wchar_t kRunKey[] = L"SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\Run";

namespace {

constexpr wchar_t kThemeDescription[] = L"Trivane theme";
constexpr wchar_t kProductKey[] = L"SOFTWARE\\Kelmora";
constexpr wchar_t kSettingsKey[] = L"SOFTWARE\\Kelmora\\Trivane";
constexpr wchar_t kOldSettingsKey[] = L"SOFTWARE\\Kelmora\\Pavolt";
constexpr wchar_t kMouseHandlerKey[] = L"SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\Controls "
                                       L"Folder\\Mouse\\shellex\\PropertySheetHandlers\\Trivane";
constexpr wchar_t kNameSpaceKey[] =
    L"SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\explorer\\ControlPanel\\NameSpace\\";

std::wstring Quoted(const std::wstring& path)
{
    return L"\"" + path + L"\"";
}

// The command of an open or edit verb: the program, then the file in quotes.
std::wstring VerbCommand(const std::wstring& program)
{
    return Quoted(program) + L" \"%1\"";
}

RegistryWrite Key(HKEY root, const std::wstring& key)
{
    return {root, key, nullptr, REG_NONE, {}, false};
}

// A key of verbs, skipped with its commands when the program's path does not
// fit, so that no verb without a command is left.
RegistryWrite VerbKey(const std::wstring& key, const std::wstring& program)
{
    return {HKEY_CLASSES_ROOT, key, nullptr, REG_NONE, {}, !Fits(program)};
}

RegistryWrite Text(HKEY root, const std::wstring& key, const wchar_t* name, const wchar_t* data)
{
    return {root, key, name, REG_SZ, data, false};
}

// A value built from path: skipped when the path does not fit.
RegistryWrite PathText(const std::wstring& key, const wchar_t* name, const std::wstring& path,
                       const std::wstring& data, DWORD type = REG_SZ)
{
    return {HKEY_CLASSES_ROOT, key, name, type, data, !Fits(path)};
}

void AddFileType(std::vector<RegistryWrite>* writes, const wchar_t* extension,
                 const std::wstring& type, const std::wstring& icon, const InstallPaths& paths)
{
    writes->push_back(Text(HKEY_CLASSES_ROOT, extension, nullptr, type.c_str()));
    writes->push_back(Text(HKEY_CLASSES_ROOT, type, nullptr, kThemeDescription));
    writes->push_back(PathText(type + L"\\DefaultIcon", nullptr, icon, icon + L",0"));
    writes->push_back(VerbKey(type + L"\\shell", paths.Engine));  // the editor's is longer
    writes->push_back(VerbKey(type + L"\\shell\\open", paths.Engine));
    writes->push_back(PathText(type + L"\\shell\\open\\command", nullptr, paths.Engine,
                               VerbCommand(paths.Engine)));
    writes->push_back(VerbKey(type + L"\\shell\\edit", paths.Editor));
    writes->push_back(PathText(type + L"\\shell\\edit\\command", nullptr, paths.Editor,
                               VerbCommand(paths.Editor)));
}

void AddControlPanelItem(std::vector<RegistryWrite>* writes, const InstallPaths& paths)
{
    std::wstring item = GuidText(CLSID_TrivaneControlPanelItem);
    std::wstring key = L"CLSID\\" + item;
    writes->push_back(Text(HKEY_LOCAL_MACHINE, kNameSpaceKey + item, nullptr, L"Trivane"));
    writes->push_back(Text(HKEY_CLASSES_ROOT, key, nullptr, L"Trivane"));
    writes->push_back(Text(HKEY_CLASSES_ROOT, key, L"System.ApplicationName", L"Kelmora.Trivane"));
    writes->push_back(Text(HKEY_CLASSES_ROOT, key, L"System.ControlPanel.Category", L"1"));
    writes->push_back(
        PathText(key, L"System.Software.TasksFileUrl", paths.TasksFile, paths.TasksFile));
    writes->push_back(PathText(key + L"\\DefaultIcon", nullptr, paths.Engine, paths.Engine + L",0",
                               REG_EXPAND_SZ));
    writes->push_back(VerbKey(key + L"\\Shell", paths.ControlPanel));
    writes->push_back(VerbKey(key + L"\\Shell\\Open", paths.ControlPanel));
    writes->push_back(PathText(key + L"\\Shell\\Open\\Command", nullptr, paths.ControlPanel,
                               Quoted(paths.ControlPanel), REG_EXPAND_SZ));
}

// Keys of one tree, each named below base ("" is base itself), leaf first.
void AddKeys(std::vector<RegistryRemoval>* removals, HKEY root, const std::wstring& base,
             std::initializer_list<const wchar_t*> leafFirst)
{
    for (const wchar_t* key : leafFirst)
        removals->push_back({root, *key ? base + L"\\" + key : base, nullptr});
}

void AddFileTypeKeys(std::vector<RegistryRemoval>* removals, const wchar_t* type,
                     const wchar_t* extension)
{
    AddKeys(removals, HKEY_CLASSES_ROOT, type,
            {L"shell\\edit\\command", L"shell\\edit", L"shell\\open\\command", L"shell\\open",
             L"shell", L"DefaultIcon", L""});
    removals->push_back({HKEY_CLASSES_ROOT, extension, nullptr});
}

}  // namespace

InstallPaths PathsBeside(const std::wstring& library)
{
    size_t slash = library.find_last_of(L'\\');
    if (slash == std::wstring::npos)
        return {};
    InstallPaths paths;
    paths.Library = library;
    paths.Folder = library.substr(0, slash);
    paths.Engine = paths.Folder + L"\\Trivane.exe";
    paths.Editor = paths.Folder + L"\\Trivane Theme Editor.exe";
    paths.ControlPanel = paths.Folder + L"\\Trivane Control Panel.exe";
    paths.TasksFile = paths.Folder + L"\\links.xml";
    return paths;
}

bool Fits(const std::wstring& path)
{
    return !path.empty() && path.size() <= kLongestPath;
}

std::wstring RunCommand(const InstallPaths& paths)
{
    return Quoted(paths.Engine);
}

std::vector<RegistryWrite> RegistrationWrites(const InstallPaths& paths, bool item)
{
    std::vector<RegistryWrite> writes = {Key(HKEY_CURRENT_USER, kProductKey),
                                         Key(HKEY_CURRENT_USER, kSettingsKey),
                                         Key(HKEY_LOCAL_MACHINE, kProductKey)};
    AddFileType(&writes, L".PvltTheme", L"PvltThemeFile", paths.Engine, paths);
    AddFileType(&writes, L".Trivane", L"TrivaneFile", paths.Library, paths);
    if (item)
        AddControlPanelItem(&writes, paths);
    return writes;
}

bool HasControlPanelItem(const OSVERSIONINFOW& version)
{
    return version.dwPlatformId == VER_PLATFORM_WIN32_NT && version.dwMajorVersion == 6;
}

std::vector<RegistryRemoval> Removals(RemovalScope scope, bool item)
{
    std::vector<RegistryRemoval> removals = {{HKEY_CURRENT_USER, kRunKey, L"Trivane"},
                                             {HKEY_CURRENT_USER, kRunKey, L"Pavolt"},
                                             {HKEY_CURRENT_USER, kOldSettingsKey, nullptr}};
    if (scope == RemovalScope::Unregister) {
        removals.push_back({HKEY_CURRENT_USER, kSettingsKey, nullptr});
        removals.push_back({HKEY_LOCAL_MACHINE, kMouseHandlerKey, nullptr});
        AddKeys(&removals, HKEY_CLASSES_ROOT, L"CLSID\\" + GuidText(CLSID_TrivaneShellExt),
                {L"InProcServer32", L""});
    }
    AddKeys(&removals, HKEY_CLASSES_ROOT, L"DravonSchemeFile",
            {L"shell\\open\\command", L"shell\\open", L"shell", L"DefaultIcon", L""});
    removals.push_back({HKEY_CLASSES_ROOT, L".DravonScheme", nullptr});
    AddFileTypeKeys(&removals, L"PvltThemeFile", L".PvltTheme");
    AddFileTypeKeys(&removals, L"TrivaneFile", L".Trivane");
    if (item) {
        std::wstring clsid = GuidText(CLSID_TrivaneControlPanelItem);
        AddKeys(&removals, HKEY_CLASSES_ROOT, L"CLSID\\" + clsid,
                {L"Shell\\Open\\Command", L"Shell\\Open", L"Shell", L"DefaultIcon", L""});
        removals.push_back({HKEY_LOCAL_MACHINE, kNameSpaceKey + clsid, nullptr});
    }
    return removals;
}

std::wstring GuidText(REFGUID guid)
{
    wchar_t text[40] = {};
    int chars = StringFromGUID2(guid, text, 40);
    return std::wstring(text, chars > 0 ? chars - 1 : 0);
}

}  // namespace cpl
