#pragma once

#include "platform/tk/base/MainThread.h"
#include "platform/tk/base/RunLoop.h"
#include "platform/tk/base/Subscription.h"

#include <atomic>
#include <cstddef>
#include <deque>
#include <functional>
#include <memory>
#include <mutex>
#include <optional>
#include <type_traits>
#include <utility>
#include <vector>

// Publishers: streams of values pushed to subscribers until they cancel or the stream finishes.
//
//   PassthroughSubject<T>  [any] send(value) and sendCompletion() reach every current subscriber,
//                          synchronously on the sending thread.
//   Publisher<T>           a source to subscribe to: subscribe(), sink(), map(), filter(),
//                          receiveOnMainThread().
//   Cancellable            what subscribing returns; destroying it (or cancel()) ends the subscription.
//
//     tk::PassthroughSubject<int> clicks;
//     tk::Cancellable token = clicks.publisher()
//                                 .map([](int n) { return n * 2; })
//                                 .receiveOnMainThread()
//                                 .sink([](const int& n) { show(n); });
//     clicks.send(3); // on the main thread show(6) runs before send() returns; from another
//                     // thread it is queued on the main run loop
//
// The streams here never fail: a stream ends only with its completion, after which it sends nothing.
// Subscribers take whatever arrives (there is no demand to request).

namespace tk {

using Cancellable = Subscription;

template <class T> struct Subscriber {
    std::function<void(const T&)> receive;
    std::function<void()> receiveCompletion; // may be empty
};

template <class T> class Publisher {
public:
    using Output = T;
    using SubscribeFunction = std::function<Cancellable(Subscriber<T>)>;

    explicit Publisher(SubscribeFunction subscribe) : subscribe_(std::move(subscribe)) {}

    // Attaches a subscriber; it receives values until the returned token is cancelled or destroyed.
    [[nodiscard]] Cancellable subscribe(Subscriber<T> subscriber) const {
        return subscribe_(std::move(subscriber));
    }
    [[nodiscard]] Cancellable sink(std::function<void(const T&)> receive,
                                   std::function<void()> receiveCompletion = {}) const {
        return subscribe(Subscriber<T>{std::move(receive), std::move(receiveCompletion)});
    }

    // Each value passed through `transform`.
    template <class F> auto map(F transform) const {
        using U = std::decay_t<std::invoke_result_t<const F&, const T&>>;
        return Publisher<U>([upstream = *this, transform = std::move(transform)](Subscriber<U> downstream) {
            return upstream.subscribe(
                Subscriber<T>{[transform, receive = std::move(downstream.receive)](const T& value) {
                                  if (receive)
                                      receive(transform(value));
                              },
                              std::move(downstream.receiveCompletion)});
        });
    }

    // Only the values for which `predicate` holds.
    template <class F> Publisher filter(F predicate) const {
        return Publisher([upstream = *this, predicate = std::move(predicate)](Subscriber<T> downstream) {
            return upstream.subscribe(
                Subscriber<T>{[predicate, receive = std::move(downstream.receive)](const T& value) {
                                  if (receive && predicate(value))
                                      receive(value);
                              },
                              std::move(downstream.receiveCompletion)});
        });
    }

    // Everything delivered downstream on the main thread; see receiveOnMainThread() below.
    Publisher receiveOnMainThread() const;

private:
    SubscribeFunction subscribe_;
};

// A subject that keeps nothing: a value sent reaches the subscribers attached at that moment.
template <class T> class PassthroughSubject {
public:
    PassthroughSubject() : state_(std::make_shared<State>()) {}
    PassthroughSubject(const PassthroughSubject&) = delete;
    PassthroughSubject& operator=(const PassthroughSubject&) = delete;

    // [any] Sends `value` to every subscriber, in subscription order; nothing after sendCompletion().
    void send(const T& value) const {
        for (const auto& slot : state_->snapshot())
            if (slot->active.load(std::memory_order_acquire) && slot->subscriber.receive)
                slot->subscriber.receive(value);
    }
    // [any] Finishes the stream: every subscriber gets the completion once and is let go; later
    // subscribers get the completion at once.
    void sendCompletion() const {
        std::vector<std::shared_ptr<Slot>> slots;
        {
            std::lock_guard lock(state_->mutex);
            if (state_->finished)
                return;
            state_->finished = true;
            slots.swap(state_->slots);
        }
        for (const auto& slot : slots)
            if (slot->active.exchange(false, std::memory_order_acq_rel) && slot->subscriber.receiveCompletion)
                slot->subscriber.receiveCompletion();
    }

    // [any]
    [[nodiscard]] Cancellable subscribe(Subscriber<T> subscriber) const {
        return State::subscribe(state_, std::move(subscriber));
    }
    [[nodiscard]] Cancellable sink(std::function<void(const T&)> receive,
                                   std::function<void()> receiveCompletion = {}) const {
        return subscribe(Subscriber<T>{std::move(receive), std::move(receiveCompletion)});
    }
    // [any] The subject as a publisher (which keeps the subject's subscribers alive on its own).
    Publisher<T> publisher() const {
        return Publisher<T>([state = state_](Subscriber<T> subscriber) {
            return State::subscribe(state, std::move(subscriber));
        });
    }
    // [any]
    std::size_t subscriberCount() const {
        std::lock_guard lock(state_->mutex);
        return state_->slots.size();
    }

private:
    struct Slot {
        explicit Slot(Subscriber<T> s) : subscriber(std::move(s)) {}
        Subscriber<T> subscriber;
        std::atomic<bool> active{true};
    };
    struct State {
        mutable std::mutex mutex;
        std::vector<std::shared_ptr<Slot>> slots;
        bool finished = false;

        std::vector<std::shared_ptr<Slot>> snapshot() const {
            std::lock_guard lock(mutex);
            return slots;
        }

        static Cancellable subscribe(const std::shared_ptr<State>& state, Subscriber<T> subscriber) {
            auto slot = std::make_shared<Slot>(std::move(subscriber));
            {
                std::lock_guard lock(state->mutex);
                if (!state->finished) {
                    state->slots.push_back(slot);
                    return Cancellable([weakState = std::weak_ptr<State>(state),
                                        weakSlot = std::weak_ptr<Slot>(slot), raw = slot.get()] {
                        if (auto s = weakSlot.lock())
                            s->active.store(false, std::memory_order_release);
                        std::shared_ptr<Slot>
                            released; // destroyed unlocked: it holds the subscriber's closures
                        if (auto st = weakState.lock()) {
                            std::lock_guard stateLock(st->mutex);
                            for (auto it = st->slots.begin(); it != st->slots.end(); ++it)
                                if (it->get() == raw) {
                                    released = std::move(*it);
                                    st->slots.erase(it);
                                    break;
                                }
                        }
                    });
                }
            }
            if (slot->subscriber.receiveCompletion)
                slot->subscriber.receiveCompletion();
            return {};
        }
    };

    std::shared_ptr<State> state_;
};

namespace detail {

// One subscription of a receive-on-main-thread publisher: events from any thread are queued, and
// the queue is emptied, in order, on the main thread.
//
//   - An event that arrives on the main thread first delivers whatever is still queued, then
//     itself, before the sending call returns. One from another thread is queued and a task posted
//     to the main run loop delivers it.
//   - After the downstream cancelled, nothing more is delivered (a queued delivery is dropped);
//     after a completion, nothing at all.
template <class T> class MainThreadDelivery : public std::enable_shared_from_this<MainThreadDelivery<T>> {
public:
    explicit MainThreadDelivery(Subscriber<T> downstream) : downstream_(std::move(downstream)) {}

    // [any] The upstream subscription, kept until cancel or completion.
    void attach(Cancellable upstream) {
        {
            std::lock_guard lock(mutex_);
            if (!cancelled_) {
                upstream_ = std::move(upstream);
                return;
            }
        }
        releaseUpstream(std::move(upstream));
    }
    // [any]
    void receive(const T& value) { enqueue(std::optional<T>(value)); }
    // [any]
    void complete() { enqueue(std::nullopt); }
    // [any] Nothing is delivered once this returns (a delivery running on the main thread right now
    // finishes). The upstream subscription is cancelled on the main thread.
    void cancel() {
        Cancellable upstream;
        {
            std::lock_guard lock(mutex_);
            cancelled_ = true;
            pending_.clear();
            upstream = std::move(upstream_);
        }
        releaseUpstream(std::move(upstream));
    }

private:
    void enqueue(std::optional<T> event) {
        {
            std::lock_guard lock(mutex_);
            if (cancelled_ || completionQueued_)
                return;
            completionQueued_ = !event.has_value();
            pending_.push_back(std::move(event));
        }
        if (isMainThread())
            deliverPending();
        else
            RunLoop::main().post([self = this->shared_from_this()] { self->deliverPending(); });
    }

    // [main]
    void deliverPending() {
        for (;;) {
            std::optional<T> event;
            {
                std::lock_guard lock(mutex_);
                if (cancelled_ || pending_.empty())
                    return;
                event = std::move(pending_.front());
                pending_.pop_front();
            }
            if (event) {
                if (downstream_.receive)
                    downstream_.receive(*event);
                continue;
            }
            cancel(); // the stream is over: let the upstream go, drop anything else
            if (downstream_.receiveCompletion)
                downstream_.receiveCompletion();
            return;
        }
    }

    static void releaseUpstream(Cancellable upstream) {
        if (!upstream.isActive())
            return;
        if (isMainThread())
            upstream.cancel();
        else
            RunLoop::main().post(
                [shared = std::make_shared<Cancellable>(std::move(upstream))] { shared->cancel(); });
    }

    std::mutex mutex_;
    std::deque<std::optional<T>> pending_; // an empty optional is the completion
    Cancellable upstream_;
    bool cancelled_ = false;
    bool completionQueued_ = false;
    const Subscriber<T> downstream_; // called on the main thread only
};

} // namespace detail

// Every event of the upstream delivered downstream on the main thread: synchronously when it arrives
// on the main thread (after any still queued for the same subscriber), otherwise through the main
// run loop, in the order of arrival. Nothing arrives after the subscription is cancelled or after
// the completion.
template <class T> Publisher<T> Publisher<T>::receiveOnMainThread() const {
    return Publisher<T>([upstream = *this](Subscriber<T> downstream) {
        auto delivery = std::make_shared<detail::MainThreadDelivery<T>>(std::move(downstream));
        delivery->attach(upstream.subscribe(Subscriber<T>{
            [delivery](const T& value) { delivery->receive(value); }, [delivery] { delivery->complete(); }}));
        return Cancellable([delivery] { delivery->cancel(); });
    });
}

} // namespace tk
