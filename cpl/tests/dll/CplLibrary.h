#pragma once
// Test support for TrivaneCpl.dll itself: a copy of the library in a folder
// of its own, with the stand-in engine beside it as Trivane.exe; the host
// side of the shell's property-sheet handler protocol; and a stand-in engine
// window.

#include "TempFolder.h"

#include <windows.h>

#include <commctrl.h>
#include <prsht.h>
#include <shlobj.h>

#include <string>
#include <vector>

class CplLibrary {
public:
    // Copies the library, unzip32.dll unless told not to, and the stand-in
    // engine from beside this program into folder (the library as name) and
    // loads the copy.
    CplLibrary(const TempFolder& folder, const wchar_t* name = L"TrivaneCpl.dll",
               bool withUnzip = true);
    ~CplLibrary();
    CplLibrary(const CplLibrary&) = delete;
    CplLibrary& operator=(const CplLibrary&) = delete;

    bool Load();
    void Free();
    bool Loaded() const { return module_ != nullptr; }
    const std::wstring& Path() const { return path_; }
    // The command lines the stand-in engine was started with.
    std::vector<std::wstring> EngineStarts() const;

    HRESULT(WINAPI* CanUnloadNow)() = nullptr;
    HRESULT(WINAPI* GetClassObject)(REFCLSID, REFIID, void**) = nullptr;
    HRESULT(WINAPI* RegisterServer)() = nullptr;
    HRESULT(WINAPI* UnregisterServer)() = nullptr;
    BOOL(WINAPI* StandAlone)(HWND*) = nullptr;

private:
    std::wstring folder_;
    std::wstring path_;
    HMODULE module_ = nullptr;
};

// Pumps this thread's messages for the time given and counts the messages of
// thread timers (timers without a window), which are not dispatched: the
// tests set none, so each would come from a library's timer.
int PumpCountingThreadTimers(DWORD milliseconds);

// The extension as the Mouse dialog gets it: factory, object, Initialize
// with a data object, then its IShellPropSheetExt.
struct ExtensionObject {
    IShellExtInit* Init = nullptr;
    IShellPropSheetExt* Sheet = nullptr;
    ~ExtensionObject() { Release(); }
    void Release();
};
HRESULT CreateExtension(CplLibrary& library, IDataObject* data, ExtensionObject* out);

// AddPages with an addPage that takes the pages (or refuses them).
HRESULT AddPages(IShellPropSheetExt* extension, bool accept, std::vector<HPROPSHEETPAGE>* pages);

// The host's own modeless sheet over the pages; null when it fails.
HWND OpenHostSheet(const std::vector<HPROPSHEETPAGE>& pages);
// Destroys a modeless sheet and lets it release its pages.
void CloseSheet(HWND sheet);
// The text of a sheet's tab.
std::wstring TabText(HWND sheet, int index);

// A data object that only counts its references.
class CountingDataObject : public IDataObject {
public:
    LONG Refs = 1;
    STDMETHODIMP QueryInterface(REFIID riid, void** ppv) override;
    STDMETHODIMP_(ULONG) AddRef() override { return ++Refs; }
    STDMETHODIMP_(ULONG) Release() override { return --Refs; }
    STDMETHODIMP GetData(FORMATETC*, STGMEDIUM*) override { return E_NOTIMPL; }
    STDMETHODIMP GetDataHere(FORMATETC*, STGMEDIUM*) override { return E_NOTIMPL; }
    STDMETHODIMP QueryGetData(FORMATETC*) override { return E_NOTIMPL; }
    STDMETHODIMP GetCanonicalFormatEtc(FORMATETC*, FORMATETC*) override { return E_NOTIMPL; }
    STDMETHODIMP SetData(FORMATETC*, STGMEDIUM*, BOOL) override { return E_NOTIMPL; }
    STDMETHODIMP EnumFormatEtc(DWORD, IEnumFORMATETC**) override { return E_NOTIMPL; }
    STDMETHODIMP DAdvise(FORMATETC*, DWORD, IAdviseSink*, DWORD*) override { return E_NOTIMPL; }
    STDMETHODIMP DUnadvise(DWORD) override { return E_NOTIMPL; }
    STDMETHODIMP EnumDAdvise(IEnumSTATDATA**) override { return E_NOTIMPL; }
};

// A window of the engine's class "Pavolt" that records the registered
// messages it gets (on this thread: the page posts them).
class StandInEngineWindow {
public:
    StandInEngineWindow();
    ~StandInEngineWindow();
    StandInEngineWindow(const StandInEngineWindow&) = delete;
    StandInEngineWindow& operator=(const StandInEngineWindow&) = delete;

    HWND Window() const { return window_; }
    const std::vector<MSG>& Received() const { return received_; }

private:
    static LRESULT CALLBACK Proc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);

    HWND window_ = nullptr;
    std::vector<MSG> received_;
};

// The user's settings key HKCU "SOFTWARE\Kelmora\Trivane" with every value
// in it as they were, put back at the end; the test starts without values.
class SavedSettings {
public:
    SavedSettings();
    ~SavedSettings();
    SavedSettings(const SavedSettings&) = delete;
    SavedSettings& operator=(const SavedSettings&) = delete;

private:
    struct Value {
        std::wstring Name;
        DWORD Type = REG_NONE;
        std::vector<BYTE> Bytes;
    };
    bool keyExisted_ = false;
    std::vector<Value> values_;
};

// The session's Themes folder set aside for an empty one of the test's own;
// the user's folder comes back at the end.
class SavedThemesFolder {
public:
    SavedThemesFolder();
    ~SavedThemesFolder();
    SavedThemesFolder(const SavedThemesFolder&) = delete;
    SavedThemesFolder& operator=(const SavedThemesFolder&) = delete;

    const std::wstring& Path() const { return path_; }
    std::wstring File(const std::wstring& name) const { return path_ + L"\\" + name; }

private:
    std::wstring path_;
    std::wstring aside_;
};
