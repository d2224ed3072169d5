#pragma once
// Shared by the engine tests: a fixture that runs each test in a recorded
// fake world from a fresh engine.

#include "FakeWorld.h"
#include "TestThemes.h"

#include <gtest/gtest.h>

// Engine values, pointer, theme and message numbers as a new process has them.
void ResetEngineState();

class EngineFixture : public testing::Test {
protected:
    void SetUp() override { ResetEngineState(); }
    void TearDown() override { ResetEngineState(); }

    FakeWorld world_;
    ScopedWorld scope_{&world_};
};
