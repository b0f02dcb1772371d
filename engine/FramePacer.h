#pragma once

// Keeps frames at most at the display's rate where the buffer swap does not
// wait for the display itself. Times are seconds on any steady clock.
class CFramePacer
{
public:
    explicit CFramePacer(double period);    // seconds between two frames

    void   SetPeriod(double period);        // seconds; once the display's rate is known
    // How long to wait before the frame that starts at `now`. `pending`: work
    // that changed the picture is waiting to be shown, and the frame before
    // drew nothing, so it may be shown at once. `taskDue`: when the next
    // waiting task falls due, which ends the wait as well.
    double Delay(double now, bool pending, double taskDue) const;
    void   FrameStarted(double now);        // the frame starts now
    void   Swapped(double seconds);         // the last frame's swap took this long
    void   Skipped();                       // the last frame drew and swapped nothing
    bool   Idle() const;                    // a frame has started, and the last one drew nothing

private:
    double m_period;                        // seconds between two frames
    double m_lastStart;                     // when the last frame started; negative before the first
    bool   m_lastSwapped;                   // the last frame swapped the buffers
    bool   m_swapWaited;                    // ... and the swap waited for the display
};
