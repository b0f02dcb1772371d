#include "engine/startup/SystemReport.h"

#include <GL/gl.h>

#include <fstream>
#include <sstream>

#include "engine/Log.h"
#include "engine/Window.h"

namespace
{

std::string ReadText(const char* path)
{
    std::ifstream in(path);
    std::stringstream text;
    text << in.rdbuf();
    return text.str();
}

std::string Trim(const std::string& text)
{
    const std::size_t first = text.find_first_not_of(" \t\"");
    if (first == std::string::npos)
        return std::string();
    const std::size_t last = text.find_last_not_of(" \t\"\r");
    return text.substr(first, last - first + 1);
}

// The value of the first "key<blanks>: value" or "key=value" line of a file.
std::string ValueOf(const std::string& text, const std::string& key, char separator)
{
    std::istringstream lines(text);
    for (std::string line; std::getline(lines, line);)
    {
        const std::size_t at = line.find(separator);
        if (at != std::string::npos && Trim(line.substr(0, at)) == key)
            return Trim(line.substr(at + 1));
    }
    return std::string();
}

// Leading decimal digits only, as the number of a text that may go on with
// a fraction or a unit; a text without them gives 0.
std::uint64_t LeadingNumber(const std::string& text)
{
    std::uint64_t number = 0;
    for (std::size_t i = 0; i < text.size() && text[i] >= '0' && text[i] <= '9' && number < UINT32_MAX; ++i)
        number = number * 10 + static_cast<std::uint64_t>(text[i] - '0');
    return number;
}

const char* OrEmpty(const GLubyte* text)
{
    return text ? reinterpret_cast<const char*>(text) : "";
}

} // namespace

std::string ProcessorNameFrom(const std::string& cpuInfo)
{
    return ValueOf(cpuInfo, "model name", ':');
}

// The nominal speed, in kHz, where the system states it; the current
// speed, which a frequency governor moves about, only otherwise.
std::uint16_t SpeedFrom(const std::string& maxFrequency, const std::string& cpuInfo)
{
    std::uint64_t mhz = LeadingNumber(maxFrequency) / 1000;
    if (mhz == 0)
        mhz = LeadingNumber(ValueOf(cpuInfo, "cpu MHz", ':'));
    return static_cast<std::uint16_t>(mhz > 65535 ? 65535 : mhz);
}

// The field is 16 bits wide: machines with more than 65535 MB show 65535.
std::uint16_t MemoryFrom(const std::string& memInfo)
{
    const std::uint64_t megabytes = LeadingNumber(ValueOf(memInfo, "MemTotal", ':')) / 1024;
    return static_cast<std::uint16_t>(megabytes > 65535 ? 65535 : megabytes);
}

std::string OperatingSystemFrom(const std::string& osRelease)
{
    const std::string name = ValueOf(osRelease, "PRETTY_NAME", '=');
    return name.empty() ? "Unknown" : name;
}

SystemInfo GatherSystemInfo()
{
    const std::string cpuInfo = ReadText("/proc/cpuinfo");
    SystemInfo info;
    info.processorName = ProcessorNameFrom(cpuInfo);
    info.speedMHz = SpeedFrom(ReadText("/sys/devices/system/cpu/cpu0/cpufreq/cpuinfo_max_freq"), cpuInfo);
    info.memoryMB = MemoryFrom(ReadText("/proc/meminfo"));
    info.operatingSystem = OperatingSystemFrom(ReadText("/etc/os-release"));
    return info;
}

std::string BuildSystemReport(const SystemInfo& info, const char* vendor, const char* renderer,
                              const char* version, int swapInterval)
{
    std::ostringstream report;
    report << "System Info: \n"
           << "============ \n"
           << "\tProcessor:          " << info.processorName << "\n"
           << "\tSpeed:              " << info.speedMHz << " MHz\n"
           << "\tMemory:             " << info.memoryMB << " MB\n"
           << "\tOperating System:   " << info.operatingSystem << "\n"
           << "Videocard:\n"
           << "==========\n"
           << "\tVendor:             " << vendor << "\n"
           << "\tGL Renderer:        " << renderer << "\n"
           << "\tGL Version:         " << version << "\n"
           << "\tVSync:              " << (swapInterval > 0 ? "On" : "Off") << "\n";
    return report.str();
}

std::string BuildSystemReport()
{
    return BuildSystemReport(GatherSystemInfo(), OrEmpty(glGetString(GL_VENDOR)), OrEmpty(glGetString(GL_RENDERER)),
                             OrEmpty(glGetString(GL_VERSION)), SwapInterval());
}

void WriteSystemReport()
{
    g_generalLog.SetLevel(Message);
    g_generalLog << BuildSystemReport();
    g_generalLog.Commit();
}
