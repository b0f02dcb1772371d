#pragma once

#include <string>

// A bound on a step that can wait for ever on something outside the program,
// such as a display that accepts the connection and never answers. When the
// time passes first, the prepared lines are appended to the engine log and
// standard error and the program ends with the given code; nothing else can
// run then, as the step never returns.
void SetDeadline(unsigned seconds, const std::string& logLines, const std::string& errorLine, int exitCode);
void ClearDeadline();                       // the step returned in time: the bound is lifted
