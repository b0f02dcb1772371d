#pragma once

#include <cstdint>
#include <list>

#include "engine/Task.h"

// A scalable timeline advanced once per pass by the frame timing. Each clock
// keeps one repeating task in the run queue for as long as it lives.
// Unused by the game, whose timers are tasks: the clocks and counts await a caller; tests check them.
class CClock
{
public:
    explicit CClock(float speed);           // joins g_clocks and queues its task; speed scales real time
    ~CClock();                              // leaves g_clocks and deletes its task

    void OnTick();                          // the task's call; does nothing, time moves in Advance
    void Advance(float frameDelta);         // moves the clock on by frameDelta seconds of real time, scaled

    double Time() const;                    // seconds of scaled time so far
    float  Delta() const;                   // seconds; the last scaled step

private:
    double             m_time;              // seconds of scaled time so far
    float              m_delta;             // seconds; the last scaled step
    float              m_speed;             // scale of real time
    Tasks::IBaseTask*  m_task;              // owned by the task handler
};

extern float               g_frameDelta;        // seconds between the last two timing runs
extern double              g_lastFrameTime;     // seconds; ElapsedTime() at the last run
extern double              g_nextSecond;        // seconds; when frames per second are next taken
extern std::uint16_t       g_frameCount;        // runs since the last mark
extern std::uint16_t       g_framesPerSecond;   // the count at the last mark
extern std::list<CClock*>  g_clocks;            // every live clock, oldest first
extern CClock*             g_mainClock;         // made by InitClocks

void InitClocks();                          // makes the main clock, at the speed of real time
void UpdateTiming();                        // once per pass: the frame delta, frames per second, the
                                            // handler's time, and every clock advanced
void CleanupClocks();                       // deletes every clock, warning of all but the main one
