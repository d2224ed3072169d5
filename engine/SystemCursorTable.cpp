#include "SystemCursorTable.h"

SystemCursorSlot SystemCursorSlots[kSharedCursorSlots] = {
    {32512, 0, 32512, nullptr, nullptr},   // normal arrow
    {32651, 1, 32651, nullptr, nullptr},   // help
    {32650, 2, 32650, nullptr, nullptr},   // working in background
    {32514, 3, 32514, nullptr, nullptr},   // busy
    {32515, 4, 32515, nullptr, nullptr},   // cross
    {32513, 5, 32513, nullptr, nullptr},   // text beam
    {32631, 6, 32631, nullptr, nullptr},   // pen
    {32648, 7, 32648, nullptr, nullptr},   // unavailable
    {32645, 8, 32645, nullptr, nullptr},   // north-south size
    {32644, 10, 32644, nullptr, nullptr},  // west-east size
    {32642, 12, 32642, nullptr, nullptr},  // north-west/south-east size
    {32643, 14, 32643, nullptr, nullptr},  // north-east/south-west size
    {32646, 16, 32646, nullptr, nullptr},  // move
    {32516, 17, 32516, nullptr, nullptr},  // up arrow
    {32649, 18, 32649, nullptr, nullptr},  // hand
};
