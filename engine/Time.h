#pragma once

#include <string>

extern double g_startTime;                  // seconds; the timer's value at the first start-up step

double      ElapsedTime();                  // seconds since the window system started its timer
std::string TimeStamp();                    // elapsed milliseconds, truncated, then " ms"
std::string MillisecondStamp(double seconds);   // what TimeStamp writes for that many seconds
