#include "desktop/bell_player.h"

#include "desktop/canberra.h"

#include <QApplication>
#include <QTimer>

#include <condition_variable>
#include <mutex>

namespace ui {

// What the window thread and the sound thread share, under the mutex.
struct BellPlayer::Shared {
    std::mutex mutex;
    std::condition_variable wake;
    std::uint64_t latest = 0; // the latest ring, counted from 1
    bool pending = false;     // the sound thread has yet to take it
    bool busy = false;        // the sound thread has not yet said whether it sounds
    bool settled = true;      // the latest ring has its sound or its X bell
    bool quit = false;
    BellPlayer *owner = nullptr; // null once gone: nothing is posted to it then

    // Marks ring `which` as given its sound or its X bell, unless it is not the latest
    // or has one already; true when it is marked now.
    bool settle(std::uint64_t which)
    {
        if (which != latest || settled)
            return false;
        settled = true;
        return true;
    }
};

void BellPlayer::soundThread(std::shared_ptr<Shared> shared)
{
    Canberra canberra;
    std::unique_lock lock(shared->mutex);
    for (;;) {
        shared->wake.wait(lock, [&] { return shared->pending || shared->quit; });
        if (shared->quit)
            return;
        shared->pending = false;
        const std::uint64_t ring = shared->latest;
        lock.unlock();
        const bool sounds = canberra.play();
        lock.lock();
        shared->busy = false;
        if (shared->settle(ring)) {
            if (!sounds && shared->owner) {
                BellPlayer *owner = shared->owner;
                QMetaObject::invokeMethod(owner, [owner] { owner->xBell_(); }, Qt::QueuedConnection);
            }
        } else if (sounds) {
            // The server answered after the X bell had rung for this answer.
            lock.unlock();
            canberra.stop();
            lock.lock();
        }
    }
}

BellPlayer::BellPlayer(QObject *parent, std::function<void()> xBell)
    : QObject(parent)
    , xBell_(xBell ? std::move(xBell) : [] { QApplication::beep(); })
    , shared_(std::make_shared<Shared>())
{
    shared_->owner = this;
    worker_ = std::thread(soundThread, shared_);
}

BellPlayer::~BellPlayer()
{
    std::unique_lock lock(shared_->mutex);
    shared_->owner = nullptr;
    shared_->quit = true;
    const bool waitsOnServer = shared_->busy;
    lock.unlock();
    shared_->wake.notify_one();
    // A server that does not answer must not hold up the end of the program.
    if (waitsOnServer)
        worker_.detach();
    else
        worker_.join();
}

void BellPlayer::ring()
{
    Q_EMIT rung();
    std::unique_lock lock(shared_->mutex);
    if (shared_->busy) {
        // The server has not answered the previous ring yet: this one does not wait.
        lock.unlock();
        xBell_();
        return;
    }
    const std::uint64_t ring = ++shared_->latest;
    shared_->pending = shared_->busy = true;
    shared_->settled = false;
    lock.unlock();
    shared_->wake.notify_one();
    QTimer::singleShot(answerMs, this, [this, ring] {
        std::unique_lock lock(shared_->mutex);
        if (shared_->settle(ring)) {
            lock.unlock();
            xBell_();
        }
    });
}

} // namespace ui
