#pragma once
// The real world, except for the system pointers: a table inside the process
// stands in for them, so a swap can be seen where the system's own call
// changes nothing (Wine). The table shows the arrow unless told otherwise.

#include "EngineWorld.h"

#include <map>

class SimulatedCursorWorld : public EngineWorld {
public:
    SimulatedCursorWorld() = default;
    ~SimulatedCursorWorld() override;
    SimulatedCursorWorld(const SimulatedCursorWorld&) = delete;
    SimulatedCursorWorld& operator=(const SimulatedCursorWorld&) = delete;

    // The pointer the simulated system shows, by its OCR id.
    void Show(DWORD id) { shown_ = id; }

    // The table takes the cursor for the id, as the system would.
    BOOL SetSystemCursor(HCURSOR cursor, DWORD id) override;
    // LoadCursorW(NULL, id) answers from the table.
    HCURSOR LoadCursorW(HINSTANCE instance, const wchar_t* name) override;
    // The shown pointer's handle from the table, always showing.
    BOOL GetCursorInfo(CURSORINFO* info) override;
    // SPI_SETCURSORS empties the table: the user's own pointers are back.
    BOOL SystemParametersInfoW(UINT action, UINT uiParam, void* pvParam, UINT winIni) override;

private:
    void Forget(DWORD id);

    std::map<DWORD, HCURSOR> installed_;
    DWORD shown_ = 32512;
};
