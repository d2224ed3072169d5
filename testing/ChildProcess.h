#pragma once
// Cases that need a fresh process (start-up flags, named objects) run as a
// child: the test program starts itself with "--child NAME ARGS..." and reads
// the child's exit code and standard output.

#include <windows.h>

#include <string>
#include <vector>

using ChildArgs = std::vector<std::wstring>;
using ChildEntry = int (*)(const ChildArgs& args);

struct ChildRegistration {
    ChildRegistration(const char* name, ChildEntry entry);
};

#define TRIVANE_CHILD(name)                                                                        \
    static int name(const ChildArgs& args);                                                        \
    static const ChildRegistration name##Registration(#name, name);                                \
    static int name([[maybe_unused]] const ChildArgs& args)

struct ChildResult {
    DWORD ExitCode = 0xFFFFFFFF;
    std::string Output;
};

ChildResult RunChild(const char* name, const ChildArgs& args = {}, DWORD timeoutMs = 60000);

// The folder of the running test program, where the programs under test
// and their files are copied.
std::wstring TestProgramFolder();
// The build tree (Wine's drive Z:), and its folder of the product's programs
// and libraries.
std::wstring BuildFolder();
std::wstring ProductFolder();

// Runs a registered child entry in this process; -1 when no entry has that name.
int RunChildEntry(const std::string& name, const ChildArgs& args);

// Output helper for child entries: one "key=value" line, flushed at once.
void ChildReport(const char* key, long long value);
void ChildReport(const char* key, const std::wstring& value);

// Reads "key=value" from a child's output; empty when absent.
std::string ChildValue(const std::string& output, const std::string& key);
