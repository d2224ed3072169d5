#pragma once
// Test support for code that must never read past its input: bytes placed so
// that they end at a no-access page, and a watchdog for code that must end.

#include <windows.h>

#include <chrono>
#include <condition_variable>
#include <cstdint>
#include <mutex>
#include <string>
#include <thread>

// Any read past the placed bytes faults. While one of these lives, such a
// fault prints the current description and ends the process with exit code 3.
class GuardedBuffer
{
public:
    GuardedBuffer();
    ~GuardedBuffer();
    GuardedBuffer(const GuardedBuffer&) = delete;
    GuardedBuffer& operator=(const GuardedBuffer&) = delete;

    // Copies the bytes so that their end touches the no-access page.
    const uint8_t* Place(const void* data, size_t size);
    const uint8_t* GuardPage() const { return guard_; }
    void Describe(std::string what);

private:
    void Reserve(size_t size);
    void Free();

    uint8_t* base_ = nullptr;
    uint8_t* guard_ = nullptr;
    size_t capacity_ = 0;
    void* handler_ = nullptr;
};

// Ends the process with exit code 4, naming the work, when one piece of work
// runs longer than the limit.
class Watchdog
{
public:
    explicit Watchdog(std::chrono::milliseconds limit);
    ~Watchdog();
    Watchdog(const Watchdog&) = delete;
    Watchdog& operator=(const Watchdog&) = delete;

    void Start(const std::string& what);
    void Stop();

private:
    void Run();

    std::chrono::milliseconds limit_;
    std::mutex mutex_;
    std::condition_variable changed_;
    bool armed_ = false;
    bool quit_ = false;
    uint64_t generation_ = 0;
    std::string what_;
    std::thread thread_;
};
