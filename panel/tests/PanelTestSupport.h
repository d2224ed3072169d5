#pragma once
// What the panel tests share: a supersampling factor for one test, a
// windowless root standing in for the panel's containers, frames played on
// a clock of the test's own, and bitmap pixels read back.

#include "LMBitmap.h"
#include "LMObj.h"
#include "LMToolkit.h"

#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

// Sets the toolkit's supersampling factor and puts the old one back.
struct ScopedSupersample {
    explicit ScopedSupersample(int factor) : Saved(LMSupersampleFactor)
    {
        LMSupersampleFactor = factor;
    }
    ~ScopedSupersample() { LMSupersampleFactor = Saved; }
    int Saved;
};

// Runs open on this thread (it shows a modal dialog of this owner, or
// not) while a second thread runs drive on the dialog once it shows; a
// dialog that drive leaves open is cancelled 5 s later, so a failing test
// never hangs. What open returned.
INT_PTR RunDriven(HWND owner, const std::function<INT_PTR()>& open,
                  const std::function<void(HWND)>& drive);

// A window's text, through its messages (it may be another thread's).
std::wstring TextOf(HWND window);

// A windowless root that is also the panel's page containers; what the
// factories hang under it goes with it. Time stands still until Play.
class PanelTreeTest : public ::testing::Test {
protected:
    void SetUp() override;
    void TearDown() override;

    // Ticks the frame timer in 21 ms steps until the object's animation has
    // ended; the opacity before the first step and after each new frame.
    std::vector<int> Play(LMObj* object);

    LMObj* Root() const { return root_; }

private:
    LMObj* root_ = nullptr;
};

// The English texts beside the test program, as every test starts with
// them; 1 when loaded.
int LoadProgramTexts();

// A bitmap's pixels, rows from the top.
std::vector<uint32_t> PixelsTopDown(const LMBitmap& bitmap);

// The width x height block of pixels at (x, y), rows from the top.
std::vector<uint32_t> PixelBlock(const LMBitmap& bitmap, int x, int y, int width, int height);

inline std::string NameOf(const LMObj* object)
{
    if (!object || !object->CurrentState)
        return "";
    const std::wstring& name = object->CurrentState->Name;
    return std::string(name.begin(), name.end());
}
