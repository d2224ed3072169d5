#include "ChildProcess.h"

#include "ScopedWin.h"

#include <cstdio>
#include <map>

namespace {

std::map<std::string, ChildEntry>& Entries()
{
    static std::map<std::string, ChildEntry> entries;
    return entries;
}

std::wstring Widen(const char* text)
{
    return std::wstring(text, text + strlen(text));
}

std::wstring QuoteArgument(const std::wstring& arg)
{
    return L"\"" + arg + L"\"";
}

std::string ReadAll(HANDLE pipe)
{
    std::string output;
    char buffer[4096];
    DWORD got = 0;
    while (ReadFile(pipe, buffer, sizeof(buffer), &got, nullptr) && got > 0)
        output.append(buffer, got);
    return output;
}

}  // namespace

ChildRegistration::ChildRegistration(const char* name, ChildEntry entry)
{
    Entries()[name] = entry;
}

int RunChildEntry(const std::string& name, const ChildArgs& args)
{
    auto it = Entries().find(name);
    return it == Entries().end() ? -1 : it->second(args);
}

std::wstring BuildFolder()
{
    std::wstring folder = L"Z:" TRIVANE_BUILD_FOLDER;
    for (wchar_t& c : folder) {
        if (c == L'/')
            c = L'\\';
    }
    return folder;
}

std::wstring ProductFolder()
{
    return BuildFolder() + L"\\bin";
}

std::wstring TestProgramFolder()
{
    wchar_t path[MAX_PATH] = {};
    GetModuleFileNameW(nullptr, path, MAX_PATH);
    std::wstring folder = path;
    return folder.substr(0, folder.find_last_of(L'\\'));
}

ChildResult RunChild(const char* name, const ChildArgs& args, DWORD timeoutMs)
{
    wchar_t self[MAX_PATH];
    GetModuleFileNameW(nullptr, self, MAX_PATH);
    std::wstring commandLine = QuoteArgument(self) + L" --child " + Widen(name);
    for (const std::wstring& arg : args)
        commandLine += L" " + QuoteArgument(arg);

    SECURITY_ATTRIBUTES inherit{sizeof(inherit), nullptr, TRUE};
    HANDLE readRaw = nullptr, writeRaw = nullptr;
    ChildResult result;
    if (!CreatePipe(&readRaw, &writeRaw, &inherit, 0))
        return result;
    ScopedKernelHandle readEnd(readRaw), writeEnd(writeRaw);
    SetHandleInformation(readEnd.Get(), HANDLE_FLAG_INHERIT, 0);

    STARTUPINFOW startup{};
    startup.cb = sizeof(startup);
    startup.dwFlags = STARTF_USESTDHANDLES;
    startup.hStdOutput = writeEnd.Get();
    startup.hStdError = writeEnd.Get();
    startup.hStdInput = GetStdHandle(STD_INPUT_HANDLE);
    PROCESS_INFORMATION process{};
    if (!CreateProcessW(nullptr, commandLine.data(), nullptr, nullptr, TRUE, 0, nullptr, nullptr,
                        &startup, &process))
        return result;
    ScopedKernelHandle processHandle(process.hProcess), threadHandle(process.hThread);
    writeEnd.Reset();  // so the read ends when the child exits
    result.Output = ReadAll(readEnd.Get());
    if (WaitForSingleObject(processHandle.Get(), timeoutMs) != WAIT_OBJECT_0)
        TerminateProcess(processHandle.Get(), 0xDEAD);
    GetExitCodeProcess(processHandle.Get(), &result.ExitCode);
    return result;
}

void ChildReport(const char* key, long long value)
{
    std::printf("%s=%lld\n", key, value);
    std::fflush(stdout);
}

void ChildReport(const char* key, const std::wstring& value)
{
    std::printf("%s=%ls\n", key, value.c_str());
    std::fflush(stdout);
}

std::string ChildValue(const std::string& output, const std::string& key)
{
    std::string marker = key + "=";
    size_t at = 0;
    while ((at = output.find(marker, at)) != std::string::npos) {
        if (at == 0 || output[at - 1] == '\n') {
            size_t end = output.find_first_of("\r\n", at);
            return output.substr(at + marker.size(), end == std::string::npos
                                                         ? std::string::npos
                                                         : end - at - marker.size());
        }
        at += marker.size();
    }
    return {};
}
