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

SystemInfo GatherSystemInfo();              // reads this machine's

// The readers of the system's own files, apart so they can be fed any text.
std::string   ProcessorNameFrom(const std::string& cpuInfo);
std::uint16_t SpeedFrom(const std::string& maxFrequency, const std::string& cpuInfo);  // MHz
std::uint16_t MemoryFrom(const std::string& memInfo);    // MB; 65535 when larger
std::string   OperatingSystemFrom(const std::string& osRelease);    // the distribution's name

// The report's text, from the machine's description and the driver's strings.
std::string BuildSystemReport(const SystemInfo& info, const char* vendor, const char* renderer,
                              const char* version, int swapInterval);
std::string BuildSystemReport();            // the report of this machine and the current OpenGL context
void        WriteSystemReport();            // writes it to the general log
