#include "desktop/canberra.h"

namespace ui {

namespace {
// Every bell is played under one id, so that a new one cuts short the one sounding
// instead of piling up behind it.
constexpr std::uint32_t bellId = 1;
// Ends the lists of properties; a typed null, since it goes through "...".
constexpr const char *endOfList = nullptr;
} // namespace

Canberra::Canberra()
    : library_(QStringLiteral("canberra"), 0)
{
}

Canberra::~Canberra()
{
    close();
}

bool Canberra::load()
{
    if (tried_)
        return play_ != nullptr;
    tried_ = true;
    if (!library_.load())
        return false;
    create_ = reinterpret_cast<Create>(library_.resolve("ca_context_create"));
    destroy_ = reinterpret_cast<Destroy>(library_.resolve("ca_context_destroy"));
    open_ = reinterpret_cast<Open>(library_.resolve("ca_context_open"));
    changeProps_ = reinterpret_cast<ChangeProps>(library_.resolve("ca_context_change_props"));
    cancel_ = reinterpret_cast<Cancel>(library_.resolve("ca_context_cancel"));
    play_ = reinterpret_cast<Play>(library_.resolve("ca_context_play"));
    if (!create_ || !destroy_ || !open_ || !changeProps_ || !cancel_)
        play_ = nullptr;
    return play_ != nullptr;
}

bool Canberra::open()
{
    if (context_)
        return true;
    if (create_(&context_) != 0) {
        context_ = nullptr;
        return false;
    }
    // The sound server's mixer shows the program by this name.
    changeProps_(context_, "application.name", "Numerandia", "application.id", "org.example.Numerandia",
                 endOfList);
    if (open_(context_) != 0) {
        close();
        return false;
    }
    return true;
}

void Canberra::close()
{
    if (context_)
        destroy_(context_);
    context_ = nullptr;
}

bool Canberra::play()
{
    if (!load())
        return false;
    // A context whose server went away refuses every sound from then on: a context
    // kept from an earlier bell gets one more try afresh, as the server may be back.
    for (;;) {
        const bool kept = context_ != nullptr;
        if (!open())
            return false;
        cancel_(context_, bellId);
        if (play_(context_, bellId, "event.id", "bell", "event.description", "Risposta sbagliata",
                  endOfList) == 0)
            return true;
        close();
        if (!kept)
            return false;
    }
}

void Canberra::stop()
{
    if (context_)
        cancel_(context_, bellId);
}

} // namespace ui
