#pragma once
// What the whole library shares: its module handle and its object count.

#include <windows.h>

namespace cpl {

// The library's module, kept when the process attaches it, so a renamed file
// still finds its own resources; tests that link the page put their program.
HINSTANCE Module();
void SetModule(HINSTANCE module);

// Class factories, extension objects and open pages alive now; the library
// may be unloaded when it is 0. Not atomic: the server lives in one
// single-threaded apartment.
LONG ObjectCount();
void AddObject();
void ReleaseObject();
// The counter itself, handed to property sheets as the pages' reference parent.
UINT* ObjectCounter();

}  // namespace cpl
