#pragma once
// The library's two class ids, shared with registration: the property-sheet
// extension, and the control-panel item (also the application id of the
// item's task file).

#include <windows.h>

#include <guiddef.h>

// {43A27E78-5C7A-4C52-99E5-D8309C61D6A3}
DEFINE_GUID(CLSID_TrivaneShellExt, 0x43a27e78, 0x5c7a, 0x4c52, 0x99, 0xe5, 0xd8, 0x30, 0x9c, 0x61,
            0xd6, 0xa3);
// {09EFED77-C147-4F19-B434-D2C91293B33E}
DEFINE_GUID(CLSID_TrivaneControlPanelItem, 0x09efed77, 0xc147, 0x4f19, 0xb4, 0x34, 0xd2, 0xc9, 0x12,
            0x93, 0xb3, 0x3e);
