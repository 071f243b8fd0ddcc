#pragma once

#include <windows.h>

#include "burnin/CCpuWorkload.h"
#include "platform/CHandle.h"

// One run of the CPU test on a thread of its own, at below-normal priority. The thread waits in
// its message loop for the start message, then counts through a million iterations, doing a
// slice of the workload between two posts and posting its progress to the page window (the
// value of ProgressAt for each iteration). The last message, 100, carries the verdict and is
// retried until it is posted or the run is stopped, so the page always learns that a run ended.
//
// What the thread reads lives in a reference-counted block shared with this object: the stop
// flag stays valid for the thread even when the page and this object are gone. Destroying the
// object stops the run and waits for the thread to end.
class CCpuTestWorker {
public:
    static constexpr UINT kStartMessage = 0x8006;
    static constexpr UINT kProgressMessage = 0x8004;
    static constexpr int kIterations = 1000000;
    static constexpr int kFinalProgress = 100;
    // Progress messages a run keeps waiting in the page's queue at most; beyond that a progress
    // post is skipped, as a full queue refuses it. Input and paint messages come after posted
    // ones, so a deeper flood would keep the user's clicks (Stop) waiting for seconds.
    static constexpr long kMaxUnhandled = 1000;

    // The value posted for loop counter `counter` (1..1,000,000); 0: nothing is posted.
    static int ProgressAt(int counter);

    // The lParam of every progress message: the run's serial number in the upper bits and, on
    // the final message, bit 0 set when the workload ended with a wrong result.
    static LPARAM Tag(unsigned serial, bool wrongResult) {
        return static_cast<LPARAM>((serial << 1) | (wrongResult ? 1u : 0u));
    }
    static unsigned SerialOf(LPARAM tag) { return static_cast<unsigned>(tag) >> 1; }
    static bool IsWrongResult(LPARAM tag) { return (static_cast<unsigned>(tag) & 1u) != 0; }

    CCpuTestWorker() = default;
    ~CCpuTestWorker();
    CCpuTestWorker(const CCpuTestWorker&) = delete;
    CCpuTestWorker& operator=(const CCpuTestWorker&) = delete;

    // Starts the thread, waits until its message queue exists, then sends it the start message.
    // FALSE when the thread could not be started.
    BOOL Start(HWND page, unsigned serial);
    // Sets the stop flag; the thread leaves its loop at its next check.
    void RequestStop();
    // The page has handled one of this run's progress messages.
    void Acknowledge();
    // Waits for the thread to end; true when it has ended (or never started).
    bool Wait(DWORD milliseconds);
    HANDLE Thread() const { return thread_.Get(); }

    // Worker threads alive in this process.
    static long LiveThreads();

    // Test use only. The function the threads post with (nullptr: PostMessageA) and the serial
    // number of a run whose arithmetic goes wrong in one bit of one intermediate value (0: none).
    // Both are taken by each run when it starts.
    using PostFunction = BOOL(WINAPI*)(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
    static void SetPostFunction(PostFunction post);
    static void SetSpoiledRun(unsigned serial);
    // Test use only: makes Start fail, as when no thread can be made.
    static void RefuseStarts(bool refuse);

private:
    struct Shared;
    static unsigned __stdcall ThreadMain(void* parameter);
    static void RunLoop(Shared& shared);

    Shared* shared_ = nullptr;
    CHandle thread_;
    DWORD threadId_ = 0;
};
