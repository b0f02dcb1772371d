#pragma once

#include <cstdint>
#include <string>

// A short description of the machine and the OpenGL driver, written once per
// run into the general log.
struct SystemInfo
{
    std::string   processorName;            // as the system names it; empty if unreadable
    std::string   operatingSystem;          // the distribution's own name
    std::uint16_t speedMHz;                 // nominal speed; 0 if unreadable
    std::uint16_t memoryMB;                 // total memory; 65535 when larger
};

SystemInfo GatherSystemInfo();

// The readers of the system's own files, apart so they can be fed any text.
std::string   ProcessorNameFrom(const std::string& cpuInfo);
std::uint16_t SpeedFrom(const std::string& maxFrequency, const std::string& cpuInfo);  // MHz
std::uint16_t MemoryFrom(const std::string& memInfo);
std::string   OperatingSystemFrom(const std::string& osRelease);

std::string BuildSystemReport(const SystemInfo& info, const char* vendor, const char* renderer,
                              const char* version, int swapInterval);
std::string BuildSystemReport();
void        WriteSystemReport();
