#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>

#include "game/rules/RecordFormat.h"
#include "game/rules/Replay.h"

// Reads one input as a game record and replays what reads through the rules.
// A record that reads must write back to text that reads to the same record.
extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const std::string text(reinterpret_cast<const char*>(data), size);
    GameRecord record;
    RecordError error{0, ""};
    if (!ParseRecord(text, record, error))
    {
        if (error.m_cause.empty() || error.m_line < 0)
            std::abort();
        return 0;
    }
    CheckRecord(record, error);
    GameRecord again;
    if (!ParseRecord(RecordText(record), again, error) || RecordText(again) != RecordText(record))
        std::abort();
    return 0;
}
