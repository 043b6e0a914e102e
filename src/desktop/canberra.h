#pragma once

#include <QLibrary>

#include <cstdint>

namespace ui {

// The desktop's "bell" event sound through libcanberra, which is loaded at the first
// play, so that start-up does not pay for it and the program runs where it is missing.
// Any call may wait on the sound server: use one object from one thread, never the
// window thread.
class Canberra {
public:
    Canberra();
    ~Canberra();
    Canberra(const Canberra &) = delete;
    Canberra &operator=(const Canberra &) = delete;

    // Starts the bell, cutting short the one still sounding; false when it cannot
    // sound: no library, no sound server, no "bell" in the sound theme. The answer is
    // final: libcanberra finds the sound and has the server's stream (or the sound
    // card) ready before it answers, so an error after that comes in mid-sound, from
    // a server or card gone away, and the next play finds it out.
    bool play();
    // Silences the bell.
    void stop();

private:
    struct Context;
    using Create = int (*)(Context **);
    using Destroy = int (*)(Context *);
    using Open = int (*)(Context *);
    // Properties as name and value pairs, ended by a null name.
    using ChangeProps = int (*)(Context *, ...);
    using Play = int (*)(Context *, std::uint32_t, ...);
    using Cancel = int (*)(Context *, std::uint32_t);

    bool load();
    bool open();
    void close();

    QLibrary library_;
    bool tried_ = false;
    Create create_ = nullptr;
    Destroy destroy_ = nullptr;
    Open open_ = nullptr;
    ChangeProps changeProps_ = nullptr;
    Play play_ = nullptr;
    Cancel cancel_ = nullptr;
    Context *context_ = nullptr;
};

} // namespace ui
