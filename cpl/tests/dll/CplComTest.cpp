// The COM server through the library's exports, as the shell reaches it.

#include "CplLibrary.h"

#include "CplGuids.h"

#include <gtest/gtest.h>

#include <functional>

namespace {

class CplComTest : public testing::Test {
protected:
    TempFolder folder_;
    CplLibrary library_{folder_};
};

// A pointer value the server must overwrite.
void* Junk()
{
    return reinterpret_cast<void*>(static_cast<uintptr_t>(0x5A5A5A50));
}

}  // namespace

TEST_F(CplComTest, ClassObjectsAndInstancesFailCleanly)
{
    ASSERT_TRUE(library_.Loaded());
    IClassFactory* factory = nullptr;
    ASSERT_EQ(S_OK, library_.GetClassObject(CLSID_TrivaneShellExt, IID_IClassFactory,
                                            reinterpret_cast<void**>(&factory)));
    CountingDataObject outer;
    struct Row {
        const char* Label;
        HRESULT Expected;
        std::function<HRESULT(void**)> Call;
    } rows[] = {
        {"the control-panel item's class", CLASS_E_CLASSNOTAVAILABLE,
         [&](void** out) {
             return library_.GetClassObject(CLSID_TrivaneControlPanelItem, IID_IClassFactory, out);
         }},
        {"a factory asked for IShellExtInit", E_NOINTERFACE,
         [&](void** out) {
             return library_.GetClassObject(CLSID_TrivaneShellExt, IID_IShellExtInit, out);
         }},
        {"an instance inside an outer object", CLASS_E_NOAGGREGATION,
         [&](void** out) { return factory->CreateInstance(&outer, IID_IUnknown, out); }},
        {"an instance as IDropTarget", E_NOINTERFACE,
         [&](void** out) { return factory->CreateInstance(nullptr, IID_IDropTarget, out); }},
        {"no place for the class object", E_POINTER,
         [&](void**) {
             return library_.GetClassObject(CLSID_TrivaneShellExt, IID_IClassFactory, nullptr);
         }},
        {"no place for an interface", E_POINTER,
         [&](void**) { return factory->QueryInterface(IID_IUnknown, nullptr); }},
        {"no place for an instance", E_POINTER,
         [&](void**) { return factory->CreateInstance(nullptr, IID_IShellExtInit, nullptr); }},
        {"no place for the extension's interface", E_POINTER,
         [&](void**) {
             ExtensionObject extension;
             CreateExtension(library_, nullptr, &extension);
             return extension.Init->QueryInterface(IID_IShellPropSheetExt, nullptr);
         }},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.Label);
        void* out = Junk();
        EXPECT_EQ(row.Expected, row.Call(&out));
        EXPECT_TRUE(out == nullptr || row.Expected == E_POINTER);
    }
    EXPECT_EQ(1, outer.Refs);
    EXPECT_EQ(S_FALSE, library_.CanUnloadNow());  // the factory itself
    EXPECT_EQ(0u, factory->Release());
    EXPECT_EQ(S_OK, library_.CanUnloadNow());
}

TEST_F(CplComTest, BothInterfacesShareOneCountAndHoldTheLatestDataObject)
{
    CountingDataObject first, second;
    ExtensionObject extension;
    ASSERT_EQ(S_OK, CreateExtension(library_, &first, &extension));
    EXPECT_NE(static_cast<void*>(extension.Init), static_cast<void*>(extension.Sheet));
    EXPECT_EQ(3u, extension.Sheet->AddRef());  // one count behind both pointers
    EXPECT_EQ(2u, extension.Init->Release());
    IUnknown* unknown = nullptr;
    ASSERT_EQ(S_OK,
              extension.Sheet->QueryInterface(IID_IUnknown, reinterpret_cast<void**>(&unknown)));
    EXPECT_EQ(static_cast<void*>(extension.Init), static_cast<void*>(unknown));
    unknown->Release();

    EXPECT_EQ(2, first.Refs);
    EXPECT_EQ(S_OK, extension.Init->Initialize(nullptr, &second, nullptr));
    EXPECT_EQ(1, first.Refs);
    EXPECT_EQ(2, second.Refs);
    EXPECT_EQ(E_FAIL, extension.Sheet->ReplacePage(1, nullptr, 0));
    EXPECT_EQ(S_FALSE, library_.CanUnloadNow());
    extension.Release();
    EXPECT_EQ(1, second.Refs);
    EXPECT_EQ(S_OK, library_.CanUnloadNow());
}
