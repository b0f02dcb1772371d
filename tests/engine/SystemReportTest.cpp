#include <gtest/gtest.h>

#include "engine/startup/SystemReport.h"

// The report's labels and widths are checked line by line in the engine log
// of every end-to-end run, which takes either word for the swap interval.
TEST(SystemReportTest, VSyncSaysOnForAnIntervalOfOneAndOffForNone)
{
    const SystemInfo info{};
    EXPECT_NE(BuildSystemReport(info, "", "", "", 0).find("\tVSync:              Off\n"), std::string::npos);
    EXPECT_NE(BuildSystemReport(info, "", "", "", 1).find("\tVSync:              On\n"), std::string::npos);
}

TEST(SystemReportTest, ReadersTakeTheFirstProcessorWholeMegabytesCappedAt65535AndThePrettyName)
{
    const std::string cpuInfo = "processor\t: 0\nvendor_id\t: GenuineIntel\nmodel name\t: Test CPU @ 2.40GHz\n"
                                "cpu MHz\t\t: 2394.454\nprocessor\t: 1\nmodel name\t: Second\n";
    EXPECT_EQ(ProcessorNameFrom(cpuInfo), "Test CPU @ 2.40GHz");
    EXPECT_EQ(ProcessorNameFrom(""), "");
    EXPECT_EQ(MemoryFrom("MemTotal:       24605420 kB\nMemFree: 1 kB\n"), 24028);
    EXPECT_EQ(MemoryFrom("MemTotal:       67108864 kB\n"), 65535);
    EXPECT_EQ(MemoryFrom(""), 0);
    EXPECT_EQ(OperatingSystemFrom("NAME=\"Debian GNU/Linux\"\nPRETTY_NAME=\"Debian GNU/Linux 12 (bookworm)\"\n"),
              "Debian GNU/Linux 12 (bookworm)");
    EXPECT_EQ(OperatingSystemFrom("NAME=Other\n"), "Unknown");
}

// The nominal speed comes in kHz where the system states it; the current
// "cpu MHz" stands in only where it does not.
TEST(SystemReportTest, SpeedIsTheNominalOneWhereStatedAndTheCurrentOneOtherwise)
{
    const std::string cpuInfo = "model name\t: Test CPU\ncpu MHz\t\t: 1197.302\n";
    const struct { const char* maxFrequency; std::string cpuInfo; std::uint16_t speed; } cases[] = {
        {"3400000\n", cpuInfo, 3400},
        {"2394999\n", cpuInfo, 2394},
        {"", cpuInfo, 1197},
        {"unknown\n", cpuInfo, 1197},
        {"", "cpu MHz\t\t: unknown\n", 0},
        {"", "model name\t: no speed line\n", 0},
        {"99999999999\n", cpuInfo, 65535},
    };
    for (const auto& machine : cases)
        EXPECT_EQ(SpeedFrom(machine.maxFrequency, machine.cpuInfo), machine.speed) << machine.maxFrequency;
}
