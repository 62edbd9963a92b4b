#pragma once
// How a long operation (graticule run, file transformation) reports while it
// runs. Qt-free, so that operations are plain C++ and tests call them with a
// recording implementation.

namespace fileio {

class Feedback {
public:
    virtual ~Feedback() = default;
    // The operation's files are open: the progress bar goes to range 0..100 at
    // position 0 and the busy-cursor timer starts. Not called when opening fails.
    virtual void started() = 0;
    // A new progress position; the bar clamps it to 0..100.
    virtual void setProgress(int position) = 0;
    // Once after every unit of work: lets pending window events through now and then.
    virtual void pump() = 0;
    // The operation's files are closed: the timer stops and the cursor is restored.
    virtual void stopped() = 0;
};

}  // namespace fileio
