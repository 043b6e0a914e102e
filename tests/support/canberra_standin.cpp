// A stand-in for libcanberra, built as libcanberra.so.0 for the fast tests to load in its
// place: no sound server, but one that answers as a test tells it to.
#include <algorithm>
#include <atomic>
#include <chrono>
#include <cstdarg>
#include <cstdio>
#include <cstring>
#include <mutex>
#include <string>
#include <thread>

namespace {
std::mutex mutex;
std::string calls = " ";      // the program's name, then o open, c cancel, p a sound, f one refused
std::atomic<int> answerMs{0}; // how long a play takes to answer; below 0, it is refused

int record(char call, int result = 0)
{
    const std::lock_guard lock(mutex);
    calls += call;
    return result;
}
} // namespace

struct ca_context {};

extern "C" {
int ca_context_create(ca_context **c) { return *c = new ca_context, 0; }
int ca_context_destroy(ca_context *c) { return delete c, 0; }
int ca_context_open(ca_context *) { return record('o'); }
int ca_context_cancel(ca_context *, unsigned) { return record('c'); }
int ca_context_change_props(ca_context *c, ...)
{
    va_list pairs;
    va_start(pairs, c);
    while (const char *key = va_arg(pairs, const char *)) {
        const char *value = va_arg(pairs, const char *);
        const std::lock_guard lock(mutex);
        if (std::strcmp(key, "application.name") == 0 && calls[0] == ' ')
            calls.insert(0, value);
    }
    va_end(pairs);
    return 0;
}
int ca_context_play(ca_context *, unsigned, ...)
{
    const int ms = answerMs;
    std::this_thread::sleep_for(std::chrono::milliseconds(std::max(ms, 0)));
    return ms < 0 ? record('f', -1) : record('p');
}

// What the tests ask of the stand-in.
void standin_answer_in(int ms) { answerMs = ms; }
void standin_calls(char *into, std::size_t size)
{
    const std::lock_guard lock(mutex);
    std::snprintf(into, size, "%s", calls.c_str());
    calls = " ";
}
}
