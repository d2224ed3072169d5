// Test programs start here: as a child entry when asked, otherwise GoogleTest.

#include "ChildProcess.h"

#include <gtest/gtest.h>

#include <shellapi.h>

#include <string>

namespace {

ChildArgs WideArguments()
{
    int count = 0;
    LPWSTR* raw = CommandLineToArgvW(GetCommandLineW(), &count);
    ChildArgs args(raw, raw + count);
    LocalFree(raw);
    return args;
}

}  // namespace

int main(int argc, char** argv)
{
    if (argc >= 3 && std::string(argv[1]) == "--child") {
        ChildArgs args = WideArguments();
        ChildArgs entryArgs(args.begin() + std::min<size_t>(3, args.size()), args.end());
        return RunChildEntry(argv[2], entryArgs);
    }
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
