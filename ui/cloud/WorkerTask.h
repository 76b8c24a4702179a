#pragma once

// Work that HttpRequestManager runs on one of its threads: an HTTP exchange, or other work that
// must not hold the thread that asks for it, such as a file's hash.
class WorkerTask {
public:
    virtual ~WorkerTask() = default;

    // Runs the work to its end on the calling thread and tells its subscribers there.
    virtual void perform() = 0;
    // Work that runs stops soon; work cancelled before it runs does nothing.
    virtual void cancel(bool cancelled) = 0;
};
