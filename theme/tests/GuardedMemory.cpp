#include "GuardedMemory.h"

#include <cstdio>
#include <cstring>

namespace
{

GuardedBuffer* g_active = nullptr;
std::string g_description;

LONG CALLBACK ReportGuardFault(EXCEPTION_POINTERS* info)
{
    const EXCEPTION_RECORD* record = info->ExceptionRecord;
    if (record->ExceptionCode != EXCEPTION_ACCESS_VIOLATION || !g_active
        || record->NumberParameters < 2)
        return EXCEPTION_CONTINUE_SEARCH;
    auto address = static_cast<uintptr_t>(record->ExceptionInformation[1]);
    auto guard = reinterpret_cast<uintptr_t>(g_active->GuardPage());
    SYSTEM_INFO system;
    GetSystemInfo(&system);
    if (address < guard || address >= guard + system.dwPageSize)
        return EXCEPTION_CONTINUE_SEARCH;
    std::fprintf(stderr, "read past the end of the bytes: %s\n", g_description.c_str());
    std::fflush(stderr);
    TerminateProcess(GetCurrentProcess(), 3);
    return EXCEPTION_CONTINUE_SEARCH;
}

size_t PageSize()
{
    SYSTEM_INFO system;
    GetSystemInfo(&system);
    return system.dwPageSize;
}

} // namespace

GuardedBuffer::GuardedBuffer()
{
    g_active = this;
    handler_ = AddVectoredExceptionHandler(1, ReportGuardFault);
    Reserve(PageSize());
}

GuardedBuffer::~GuardedBuffer()
{
    if (handler_)
        RemoveVectoredExceptionHandler(handler_);
    g_active = nullptr;
    Free();
}

void GuardedBuffer::Free()
{
    if (base_)
        VirtualFree(base_, 0, MEM_RELEASE);
    base_ = guard_ = nullptr;
    capacity_ = 0;
}

void GuardedBuffer::Reserve(size_t size)
{
    Free();
    size_t page = PageSize();
    capacity_ = (size + page - 1) / page * page;
    base_ = static_cast<uint8_t*>(
        VirtualAlloc(nullptr, capacity_ + page, MEM_RESERVE | MEM_COMMIT, PAGE_READWRITE));
    guard_ = base_ + capacity_;
    DWORD old = 0;
    VirtualProtect(guard_, page, PAGE_NOACCESS, &old);
}

const uint8_t* GuardedBuffer::Place(const void* data, size_t size)
{
    if (size > capacity_)
        Reserve(size);
    uint8_t* start = guard_ - size;
    if (size)
        std::memcpy(start, data, size);
    return start;
}

void GuardedBuffer::Describe(std::string what)
{
    g_description = std::move(what);
}

Watchdog::Watchdog(std::chrono::milliseconds limit)
    : limit_(limit)
{
    thread_ = std::thread([this] { Run(); });
}

Watchdog::~Watchdog()
{
    {
        std::lock_guard<std::mutex> lock(mutex_);
        quit_ = true;
    }
    changed_.notify_all();
    thread_.join();
}

void Watchdog::Start(const std::string& what)
{
    {
        std::lock_guard<std::mutex> lock(mutex_);
        armed_ = true;
        ++generation_;
        what_ = what;
    }
    changed_.notify_all();
}

void Watchdog::Stop()
{
    {
        std::lock_guard<std::mutex> lock(mutex_);
        armed_ = false;
    }
    changed_.notify_all();
}

void Watchdog::Run()
{
    std::unique_lock<std::mutex> lock(mutex_);
    while (!quit_) {
        if (!armed_) {
            changed_.wait(lock);
            continue;
        }
        uint64_t generation = generation_;
        bool moved = changed_.wait_for(
            lock, limit_, [&] { return quit_ || !armed_ || generation_ != generation; });
        if (!moved) {
            std::fprintf(stderr, "did not finish within %lld ms: %s\n",
                static_cast<long long>(limit_.count()), what_.c_str());
            std::fflush(stderr);
            TerminateProcess(GetCurrentProcess(), 4);
        }
    }
}
