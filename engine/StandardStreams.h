#pragma once

// Keeps the error paths alive whatever the program was started with: a
// standard descriptor that is closed is opened on /dev/null, so that a log
// file never takes its number and receives what was meant for the terminal;
// and a write to a pipe whose reader is gone fails instead of ending the
// program before its logs are whole.
void GuardStandardStreams();
