#pragma once
// The toolkit's visual object. This holds what start-up and the frame timer
// need: identity, the type word, the shown flag and the per-tick update.

#include <windows.h>

#include <cstdint>

constexpr int32_t kLMObjSignature = 0x684C0FA1;

// Type words.
constexpr int32_t LMObjRoot = 0x10000000;

class LMObj {
public:
    explicit LMObj(int32_t typeWord);
    virtual ~LMObj();

    LMObj(const LMObj&) = delete;
    LMObj& operator=(const LMObj&) = delete;

    // Frame-timer tick.
    virtual int Update(DWORD nowMs);

    int32_t Signature = kLMObjSignature;
    int32_t TypeWord;
    int32_t Shown = 0;
};
