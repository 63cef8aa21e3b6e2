// A helper kept running on Windows: CreateProcessW with its standard input
// on an anonymous pipe and its standard output and error on a named pipe
// whose reading end is overlapped, so that a reply can be waited for with
// a time limit. The helper joins the job that kills it when this program
// ends.
#include "host/process.h"

#include <windows.h>

#include <algorithm>
#include <atomic>
#include <chrono>

#include "host/platform/win/child_start.h"
#include "host/platform/win/wide.h"

namespace plxhost {

namespace {

constexpr size_t kReplyLimit = 64 * 1024;

HANDLE asHandle(std::intptr_t h) { return reinterpret_cast<HANDLE>(h); }
std::intptr_t asNumber(HANDLE h) { return reinterpret_cast<std::intptr_t>(h); }

void closeHandle(std::intptr_t* h, std::intptr_t none) {
    if (*h != none && *h != 0) CloseHandle(asHandle(*h));
    *h = none;
}

long long millisecondsUntil(std::chrono::steady_clock::time_point deadline) {
    return std::chrono::duration_cast<std::chrono::milliseconds>(deadline -
                                                                 std::chrono::steady_clock::now())
        .count();
}

std::chrono::steady_clock::time_point deadlineIn(double seconds) {
    return std::chrono::steady_clock::now() +
           std::chrono::milliseconds(static_cast<long long>(seconds * 1000));
}

// The helper's output channel: this program reads the overlapped server end
// of a pipe of its own name; the helper writes to the client end.
bool outputPipe(HANDLE* ours, HANDLE* theirs) {
    static std::atomic<unsigned> counter{0};
    std::wstring name = L"\\\\.\\pipe\\plexhost-" + std::to_wstring(GetCurrentProcessId()) + L"-" +
                        std::to_wstring(++counter) + L"-" + std::to_wstring(GetTickCount());
    *ours = CreateNamedPipeW(name.c_str(),
                             PIPE_ACCESS_INBOUND | FILE_FLAG_OVERLAPPED |
                                 FILE_FLAG_FIRST_PIPE_INSTANCE,
                             PIPE_TYPE_BYTE | PIPE_READMODE_BYTE | PIPE_WAIT, 1, 0, 64 * 1024, 0,
                             nullptr);
    if (*ours == INVALID_HANDLE_VALUE) return false;
    SECURITY_ATTRIBUTES inherit{sizeof(SECURITY_ATTRIBUTES), nullptr, TRUE};
    *theirs = CreateFileW(name.c_str(), GENERIC_WRITE, 0, &inherit, OPEN_EXISTING, 0, nullptr);
    if (*theirs == INVALID_HANDLE_VALUE) {
        CloseHandle(*ours);
        return false;
    }
    return true;
}

// Appends what was read; a helper writing in text mode (as console
// programs on Windows do) ends its lines in CR LF, which are read as LF, so
// that its answers compare the same on every system.
void appendRead(std::string* reply, const char* bytes, DWORD n) {
    size_t from = reply->empty() ? 0 : reply->size() - 1;
    reply->append(bytes, n);
    for (size_t i = from; i + 1 < reply->size();) {
        if ((*reply)[i] == '\r' && (*reply)[i + 1] == '\n') reply->erase(i, 1);
        else ++i;
    }
}

} // namespace

KeptProcess::~KeptProcess() { stop(std::string(), 0); }

bool KeptProcess::start(const std::vector<std::string>& argv, const Environment& environment,
                        std::string* error) {
    stop(std::string(), 0);
    SECURITY_ATTRIBUTES inherit{sizeof(SECURITY_ATTRIBUTES), nullptr, TRUE};
    HANDLE inRead = nullptr, inWrite = nullptr, outRead = nullptr, outWrite = nullptr;
    if (!CreatePipe(&inRead, &inWrite, &inherit, 0)) {
        *error = "no channel to the program: " + systemMessage(GetLastError());
        return false;
    }
    SetHandleInformation(inWrite, HANDLE_FLAG_INHERIT, 0);
    if (!outputPipe(&outRead, &outWrite)) {
        *error = "no channel from the program: " + systemMessage(GetLastError());
        CloseHandle(inRead);
        CloseHandle(inWrite);
        return false;
    }
    PROCESS_INFORMATION child{};
    bool started = startChild(argv, environment, inRead, outWrite, &child);
    DWORD failure = GetLastError();
    // Only the helper holds its ends now: its output breaks when it ends.
    CloseHandle(inRead);
    CloseHandle(outWrite);
    if (!started) {
        CloseHandle(inWrite);
        CloseHandle(outRead);
        *error = systemMessage(failure);
        return false;
    }
    CloseHandle(child.hThread);
    id_ = static_cast<long>(child.dwProcessId);
    handle_ = asNumber(child.hProcess);
    input_ = asNumber(inWrite);
    output_ = asNumber(outRead);
    return true;
}

bool KeptProcess::send(const std::string& text) {
    if (input_ == -1) return false;
    size_t sent = 0;
    while (sent < text.size()) {
        DWORD chunk = static_cast<DWORD>(std::min<size_t>(text.size() - sent, 1 << 20)), n = 0;
        // A helper that died breaks the pipe: an error, not a signal.
        if (!WriteFile(asHandle(input_), text.data() + sent, chunk, &n, nullptr) || n == 0)
            return false;
        sent += n;
    }
    return true;
}

KeptProcess::Reply KeptProcess::readUntil(const std::string& marker, double seconds,
                                          std::string* reply) {
    if (output_ == -1) return Reply::kEnded;
    auto deadline = deadlineIn(seconds);
    HANDLE event = CreateEventW(nullptr, TRUE, FALSE, nullptr);
    if (!event) return Reply::kEnded;
    char buffer[4096];
    size_t searched = 0;
    Reply result = Reply::kEnded;
    for (;;) {
        // The marker may straddle two reads: look again from just before
        // the end of what was searched.
        size_t from = searched > marker.size() ? searched - marker.size() : 0;
        if (reply->find(marker, from) != std::string::npos) {
            result = Reply::kComplete;
            break;
        }
        // Past the limit only the end is kept, enough to see the marker
        // arrive however much the helper says before it.
        if (reply->size() > kReplyLimit + marker.size())
            reply->erase(kReplyLimit, reply->size() - kReplyLimit - marker.size());
        searched = reply->size();
        long long left = millisecondsUntil(deadline);
        if (left <= 0) {
            result = Reply::kTimedOut;
            break;
        }
        OVERLAPPED request{};
        request.hEvent = event;
        DWORD n = 0;
        if (!ReadFile(asHandle(output_), buffer, sizeof buffer, nullptr, &request)) {
            if (GetLastError() != ERROR_IO_PENDING) break; // broken: the helper ended
            if (WaitForSingleObject(event, static_cast<DWORD>(left)) != WAIT_OBJECT_0) {
                // Nothing in time: the read is called off, and whatever it
                // got before that is kept.
                CancelIo(asHandle(output_));
                if (GetOverlappedResult(asHandle(output_), &request, &n, TRUE) && n > 0)
                    appendRead(reply, buffer, n);
                continue;
            }
        }
        if (!GetOverlappedResult(asHandle(output_), &request, &n, TRUE) || n == 0) break;
        appendRead(reply, buffer, n);
    }
    CloseHandle(event);
    return result;
}

bool KeptProcess::ended() const {
    if (id_ <= 0) return true;
    return WaitForSingleObject(asHandle(handle_), 0) == WAIT_OBJECT_0;
}

void KeptProcess::bidFarewell(const std::string& farewell) {
    if (id_ <= 0 || input_ == -1) return;
    if (!farewell.empty()) send(farewell);
    closeHandle(&input_, -1);
}

void KeptProcess::stop(const std::string& farewell, double graceSeconds) {
    if (id_ <= 0) return;
    bidFarewell(farewell);
    HANDLE process = asHandle(handle_);
    long long grace = millisecondsUntil(deadlineIn(graceSeconds));
    if (WaitForSingleObject(process, grace > 0 ? static_cast<DWORD>(grace) : 0) != WAIT_OBJECT_0) {
        TerminateProcess(process, 1);
        WaitForSingleObject(process, INFINITE);
    }
    closeHandle(&handle_, 0);
    closeHandle(&output_, -1);
    id_ = 0;
}

} // namespace plxhost
