#include "CplLibrary.h"

#include "ChildProcess.h"
#include "CplGuids.h"
#include "MessagePump.h"
#include "ScopedWin.h"
#include "ThemeLocations.h"

#include <sstream>

namespace {

constexpr wchar_t kSettingsKey[] = L"SOFTWARE\\Kelmora\\Trivane";

template <typename Proc> void Bind(Proc& proc, HMODULE module, const char* name)
{
    proc = reinterpret_cast<Proc>(reinterpret_cast<void*>(GetProcAddress(module, name)));
}

BOOL CALLBACK TakePage(HPROPSHEETPAGE page, LPARAM lParam)
{
    reinterpret_cast<std::vector<HPROPSHEETPAGE>*>(lParam)->push_back(page);
    return TRUE;
}

BOOL CALLBACK RefusePage(HPROPSHEETPAGE, LPARAM)
{
    return FALSE;
}

}  // namespace

CplLibrary::CplLibrary(const TempFolder& folder, const wchar_t* name, bool withUnzip)
    : folder_(folder.Path()), path_(folder.File(name))
{
    const std::wstring product = ProductFolder();
    CopyFileW((product + L"\\TrivaneCpl.dll").c_str(), path_.c_str(), FALSE);
    if (withUnzip)
        CopyFileW((product + L"\\unzip32.dll").c_str(), folder.File(L"unzip32.dll").c_str(), FALSE);
    CopyFileW((TestProgramFolder() + L"\\cpl_standin_engine.exe").c_str(),
              folder.File(L"Trivane.exe").c_str(), FALSE);
    Load();
}

CplLibrary::~CplLibrary()
{
    Free();
}

bool CplLibrary::Load()
{
    module_ = LoadLibraryW(path_.c_str());
    Bind(CanUnloadNow, module_, "DllCanUnloadNow");
    Bind(GetClassObject, module_, "DllGetClassObject");
    Bind(RegisterServer, module_, "DllRegisterServer");
    Bind(UnregisterServer, module_, "DllUnregisterServer");
    Bind(StandAlone, module_, "StandAloneCPL");
    return module_ && CanUnloadNow && GetClassObject && RegisterServer && UnregisterServer &&
           StandAlone;
}

void CplLibrary::Free()
{
    if (module_)
        FreeLibrary(module_);
    module_ = nullptr;
}

int PumpCountingThreadTimers(DWORD milliseconds)
{
    int count = 0;
    DWORD start = GetTickCount();
    while (GetTickCount() - start < milliseconds) {
        MSG message;
        while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
            if (message.message == WM_TIMER && !message.hwnd) {
                ++count;
                continue;
            }
            TranslateMessage(&message);
            DispatchMessageW(&message);
        }
        MsgWaitForMultipleObjects(0, nullptr, FALSE, 50, QS_ALLINPUT);
    }
    return count;
}

std::vector<std::wstring> CplLibrary::EngineStarts() const
{
    std::string bytes;
    std::vector<std::wstring> lines;
    if (!ReadBytesFromFile(folder_ + L"\\launched.txt", &bytes))
        return lines;
    std::wstring text(reinterpret_cast<const wchar_t*>(bytes.data()), bytes.size() / 2);
    std::wistringstream stream(text);
    for (std::wstring line; std::getline(stream, line);)
        lines.push_back(line);
    return lines;
}

void ExtensionObject::Release()
{
    if (Sheet)
        Sheet->Release();
    if (Init)
        Init->Release();
    Sheet = nullptr;
    Init = nullptr;
}

HRESULT CreateExtension(CplLibrary& library, IDataObject* data, ExtensionObject* out)
{
    IClassFactory* factory = nullptr;
    HRESULT result = library.GetClassObject(CLSID_TrivaneShellExt, IID_IClassFactory,
                                            reinterpret_cast<void**>(&factory));
    if (FAILED(result))
        return result;
    result =
        factory->CreateInstance(nullptr, IID_IShellExtInit, reinterpret_cast<void**>(&out->Init));
    factory->Release();
    if (FAILED(result))
        return result;
    out->Init->Initialize(nullptr, data, nullptr);
    return out->Init->QueryInterface(IID_IShellPropSheetExt, reinterpret_cast<void**>(&out->Sheet));
}

HRESULT AddPages(IShellPropSheetExt* extension, bool accept, std::vector<HPROPSHEETPAGE>* pages)
{
    return extension->AddPages(accept ? TakePage : RefusePage, reinterpret_cast<LPARAM>(pages));
}

HWND OpenHostSheet(const std::vector<HPROPSHEETPAGE>& pages)
{
    std::vector<HPROPSHEETPAGE> handles = pages;
    PROPSHEETHEADERW header{};
    header.dwSize = sizeof(header);
    header.dwFlags = PSH_MODELESS;
    header.pszCaption = L"Mouse";
    header.nPages = static_cast<UINT>(handles.size());
    header.phpage = handles.data();
    INT_PTR sheet = PropertySheetW(&header);
    return sheet == 0 || sheet == -1 ? nullptr : reinterpret_cast<HWND>(sheet);
}

void CloseSheet(HWND sheet)
{
    DestroyWindow(sheet);
    PumpMessagesFor(100);
}

std::wstring TabText(HWND sheet, int index)
{
    wchar_t text[64] = {};
    TCITEMW item{};
    item.mask = TCIF_TEXT;
    item.pszText = text;
    item.cchTextMax = 64;
    HWND tabs = reinterpret_cast<HWND>(SendMessageW(sheet, PSM_GETTABCONTROL, 0, 0));
    SendMessageW(tabs, TCM_GETITEMW, index, reinterpret_cast<LPARAM>(&item));
    return text;
}

STDMETHODIMP CountingDataObject::QueryInterface(REFIID riid, void** ppv)
{
    if (!IsEqualIID(riid, IID_IUnknown) && !IsEqualIID(riid, IID_IDataObject)) {
        *ppv = nullptr;
        return E_NOINTERFACE;
    }
    *ppv = this;
    AddRef();
    return S_OK;
}

StandInEngineWindow::StandInEngineWindow()
{
    WNDCLASSW windowClass{};
    windowClass.lpfnWndProc = Proc;
    windowClass.lpszClassName = L"Pavolt";
    RegisterClassW(&windowClass);
    window_ =
        CreateWindowExW(0, L"Pavolt", L"", WS_POPUP, 0, 0, 32, 32, nullptr, nullptr, nullptr, this);
}

StandInEngineWindow::~StandInEngineWindow()
{
    DestroyWindow(window_);
    UnregisterClassW(L"Pavolt", nullptr);
}

LRESULT CALLBACK StandInEngineWindow::Proc(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    if (message == WM_NCCREATE) {
        auto* create = reinterpret_cast<const CREATESTRUCTW*>(lParam);
        SetWindowLongPtrW(window, GWLP_USERDATA,
                          reinterpret_cast<LONG_PTR>(create->lpCreateParams));
    }
    auto* self = reinterpret_cast<StandInEngineWindow*>(GetWindowLongPtrW(window, GWLP_USERDATA));
    if (self && message >= 0xC000 && message <= 0xFFFF)
        self->received_.push_back(MSG{window, message, wParam, lParam, 0, {}});
    return DefWindowProcW(window, message, wParam, lParam);
}

SavedSettings::SavedSettings()
{
    HKEY key = nullptr;
    keyExisted_ = RegOpenKeyExW(HKEY_CURRENT_USER, kSettingsKey, 0, KEY_READ, &key) == 0;
    ScopedRegKey owner(key);
    for (DWORD index = 0; keyExisted_; ++index) {
        wchar_t name[256];
        DWORD nameLength = 256, bytes = 0;
        Value value;
        if (RegEnumValueW(key, index, name, &nameLength, nullptr, &value.Type, nullptr, &bytes) !=
            ERROR_SUCCESS)
            break;
        value.Name = name;
        value.Bytes.resize(bytes);
        nameLength = 256;
        RegEnumValueW(key, index, name, &nameLength, nullptr, &value.Type, value.Bytes.data(),
                      &bytes);
        values_.push_back(std::move(value));
    }
    RegDeleteTreeW(HKEY_CURRENT_USER, kSettingsKey);
}

SavedSettings::~SavedSettings()
{
    RegDeleteTreeW(HKEY_CURRENT_USER, kSettingsKey);
    RegDeleteKeyW(HKEY_CURRENT_USER, kSettingsKey);
    if (!keyExisted_)
        return;
    HKEY key = nullptr;
    RegCreateKeyExW(HKEY_CURRENT_USER, kSettingsKey, 0, nullptr, 0, KEY_SET_VALUE, nullptr, &key,
                    nullptr);
    ScopedRegKey owner(key);
    for (const Value& value : values_) {
        RegSetValueExW(key, value.Name.c_str(), 0, value.Type, value.Bytes.data(),
                       static_cast<DWORD>(value.Bytes.size()));
    }
}

SavedThemesFolder::SavedThemesFolder()
{
    wchar_t folder[MAX_PATH];
    GetThemesFolder(folder);
    path_ = folder;
    aside_ = path_ + L".saved-" + std::to_wstring(GetCurrentProcessId());
    MoveFileW(path_.c_str(), aside_.c_str());
    CreateDirectoryW(path_.c_str(), nullptr);
}

SavedThemesFolder::~SavedThemesFolder()
{
    RemoveFolderTree(path_);
    MoveFileW(aside_.c_str(), path_.c_str());
}
