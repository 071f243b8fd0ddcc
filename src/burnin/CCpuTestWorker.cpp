#include "burnin/CCpuTestWorker.h"

#include <atomic>
#include <process.h>

namespace {

// The progress posted over the first 100,000 iterations: each row covers the loop counters up
// to `last` after the row before. The gaps (value 0) post nothing.
struct ProgressRow {
    int last;
    int value;
};
constexpr ProgressRow kEarlyProgress[] = {
    {1999, 1},  {6999, 3},  {7000, 0},  {14999, 4}, {15000, 0}, {34999, 6},  {35000, 0},
    {59999, 7}, {60000, 0}, {79999, 8}, {80000, 0}, {99999, 9}, {100000, 0},
};

// How long a thread waits before posting the final message again into a full queue.
constexpr DWORD kFinalRetryPause = 5;
// How long destroying a worker waits for its thread after stopping it.
constexpr DWORD kJoinTimeout = 10000;

CCpuTestWorker::PostFunction g_post = nullptr;
unsigned g_spoiledRun = 0;
bool g_refuseStarts = false;
std::atomic<long> g_liveThreads{0};

} // namespace

struct CCpuTestWorker::Shared {
    std::atomic<long> references{1};
    std::atomic<long> stop{0};
    std::atomic<long> unhandled{0}; // progress messages posted and not yet acknowledged
    HWND page = nullptr;
    unsigned serial = 0;
    PostFunction post = nullptr;
    bool spoiled = false;
    CHandle ready;

    void AddRef() { references.fetch_add(1); }
    // Posts a progress value unless too many wait already; a refused post is simply lost.
    void PostProgress(int value, LPARAM tag) {
        if (unhandled.fetch_add(1) >= kMaxUnhandled ||
            !post(page, kProgressMessage, static_cast<WPARAM>(value), tag))
            unhandled.fetch_sub(1);
    }
    void Release() {
        if (references.fetch_sub(1) == 1)
            delete this;
    }
};

int CCpuTestWorker::ProgressAt(int counter) {
    if (counter < 1)
        return 0;
    for (const ProgressRow& row : kEarlyProgress)
        if (counter <= row.last)
            return row.value;
    if (counter >= kIterations)
        return kFinalProgress;
    return counter / 10000;
}

CCpuTestWorker::~CCpuTestWorker() {
    if (shared_ == nullptr)
        return;
    RequestStop();
    // A thread still waiting for its start message leaves its loop on the quit message.
    PostThreadMessageA(threadId_, WM_QUIT, 0, 0);
    Wait(kJoinTimeout);
    shared_->Release();
}

BOOL CCpuTestWorker::Start(HWND page, unsigned serial) {
    if (shared_ != nullptr || g_refuseStarts)
        return FALSE;
    shared_ = new Shared;
    shared_->page = page;
    shared_->serial = serial;
    shared_->post = g_post != nullptr ? g_post : &PostMessageA;
    shared_->spoiled = g_spoiledRun != 0 && g_spoiledRun == serial;
    shared_->ready = CHandle(CreateEventA(nullptr, TRUE, FALSE, nullptr));
    if (!shared_->ready.IsValid())
        return FALSE;

    shared_->AddRef(); // the thread's reference
    unsigned id = 0;
    const uintptr_t thread =
        _beginthreadex(nullptr, 0, &CCpuTestWorker::ThreadMain, shared_, CREATE_SUSPENDED, &id);
    if (thread == 0) {
        shared_->Release();
        return FALSE;
    }
    thread_ = CHandle(reinterpret_cast<HANDLE>(thread));
    threadId_ = id;
    SetThreadPriority(thread_.Get(), THREAD_PRIORITY_BELOW_NORMAL);
    ResumeThread(thread_.Get());

    // The start message is posted only once the thread's queue exists, or it would be lost.
    HANDLE waits[2] = {shared_->ready.Get(), thread_.Get()};
    if (WaitForMultipleObjects(2, waits, FALSE, INFINITE) != WAIT_OBJECT_0)
        return FALSE;
    return PostThreadMessageA(threadId_, kStartMessage, 0, 0);
}

void CCpuTestWorker::Acknowledge() {
    if (shared_ != nullptr && shared_->unhandled.fetch_sub(1) <= 0)
        shared_->unhandled.fetch_add(1);
}

void CCpuTestWorker::RequestStop() {
    if (shared_ != nullptr)
        shared_->stop.store(1);
}

bool CCpuTestWorker::Wait(DWORD milliseconds) {
    if (!thread_.IsValid())
        return true;
    return WaitForSingleObject(thread_.Get(), milliseconds) == WAIT_OBJECT_0;
}

long CCpuTestWorker::LiveThreads() {
    return g_liveThreads.load();
}

void CCpuTestWorker::SetPostFunction(PostFunction post) {
    g_post = post;
}

void CCpuTestWorker::SetSpoiledRun(unsigned serial) {
    g_spoiledRun = serial;
}

void CCpuTestWorker::RefuseStarts(bool refuse) {
    g_refuseStarts = refuse;
}

unsigned __stdcall CCpuTestWorker::ThreadMain(void* parameter) {
    g_liveThreads.fetch_add(1);
    Shared* shared = static_cast<Shared*>(parameter);
    MSG message;
    PeekMessageA(&message, nullptr, WM_USER, WM_USER, PM_NOREMOVE); // makes the queue
    SetEvent(shared->ready.Get());
    while (GetMessageA(&message, nullptr, 0, 0) > 0) {
        if (message.hwnd == nullptr && message.message == kStartMessage) {
            RunLoop(*shared);
            break;
        }
        TranslateMessage(&message);
        DispatchMessageA(&message);
    }
    shared->Release();
    g_liveThreads.fetch_sub(1);
    return 0;
}

void CCpuTestWorker::RunLoop(Shared& shared) {
    CCpuWorkload workload;
    if (shared.spoiled) {
        // The last bit of one square root half-way through: a run must still end wrong.
        CCpuWorkload::Fault fault;
        fault.counter = kIterations / 2;
        fault.round = CCpuWorkload::kRounds / 3;
        fault.value = CCpuWorkload::kRoot;
        fault.bit = 0;
        workload.SetFault(fault);
    }
    const LPARAM tag = Tag(shared.serial, false);
    shared.PostProgress(1, tag);
    for (int counter = 1; counter < kIterations; ++counter) {
        if (shared.stop.load() != 0)
            return;
        workload.Step(static_cast<uint32_t>(counter));
        const int value = ProgressAt(counter);
        // A progress post into a full queue is simply lost; a later one moves the bar.
        if (value != 0)
            shared.PostProgress(value, tag);
    }
    if (shared.stop.load() != 0)
        return;

    const LPARAM verdict = Tag(shared.serial, workload.Current() != CCpuWorkload::Expected());
    while (!shared.post(shared.page, kProgressMessage, kFinalProgress, verdict)) {
        if (shared.stop.load() != 0 || !IsWindow(shared.page))
            return;
        Sleep(kFinalRetryPause);
    }
}
