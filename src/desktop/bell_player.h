#pragma once

#include <QObject>

#include <cstdint>
#include <functional>
#include <memory>
#include <thread>

namespace ui {

// Sounds the desktop's bell without ever making the window wait: the sound is
// started on a thread of its own, and where it cannot sound, or the sound server does
// not answer in time, the X bell rings instead. Each ring gives one of the two, never
// both, and never a queue of them.
class BellPlayer : public QObject {
    Q_OBJECT
public:
    // Longest wait for the sound to start before the X bell stands in for it. Starting
    // takes a few milliseconds, the first time included (loading the library,
    // reaching the server); a server that takes longer is not answering.
    static constexpr int answerMs = 500;

    // The X bell is rung through xBell, the application's by default.
    explicit BellPlayer(QObject *parent, std::function<void()> xBell = {});
    ~BellPlayer() override;

    void ring();

Q_SIGNALS:
    // At each ring, before it sounds.
    void rung();

private:
    struct Shared;
    static void soundThread(std::shared_ptr<Shared> shared);

    std::function<void()> xBell_;
    std::shared_ptr<Shared> shared_;
    std::thread worker_;
};

} // namespace ui
