#pragma once

#include "platform/tk/base/ChangeNotifier.h"
#include "platform/tk/base/Subscription.h"

#include <cstddef>
#include <functional>
#include <memory>
#include <utility>
#include <vector>

// Read tracking: find out which observables a piece of code read, and be told when any of them
// changes. A declarative component runs its body inside trackReads(), keeps the returned set, and
// subscribes to it to rebuild:
//
//     struct MeterComponent {
//         Korvane::AudioParameter& param;
//         tk::Subscription rebuildOnChange;
//
//         void build() {
//             std::unique_ptr<View> content;
//             auto reads = tk::trackReads([&] { content = makeBody(param.value.get()); });
//             // reads now holds param.value: the only observable the body read
//             rebuildOnChange = reads.subscribe([this] { scheduleRebuild(); });
//             install(std::move(content));
//         }
//     };
//
// Rules:
//   - A read is recorded by Observable<T>::get() (and ChangeNotifier::recordRead()); peek() does not
//     record. Each observable is recorded once however often it is read.
//   - Reads go to the innermost scope of the calling thread only: a child component tracked inside
//     its parent's body records into its own set, not the parent's. untracked() hides reads.
//   - The subscription calls back once per change of each observable in the set (two changes, two
//     calls): coalesce rebuilds yourself, e.g. by marking dirty and rebuilding once on the main queue.
//   - Subscribe after the body ran and before anything can change, i.e. on the main thread in one go;
//     track again after each rebuild, since a new body may read different observables.

namespace tk {

// The observables one tracked run read.
class ObservedReads {
public:
    bool empty() const { return notifiers_.empty(); }
    std::size_t size() const { return notifiers_.size(); }
    // Whether `notifier` was read.
    bool contains(const ChangeNotifier& notifier) const;
    // Whether `other` read the same observables, in the same order (a subscription to one set
    // serves the other).
    bool sameAs(const ObservedReads& other) const;

    // [main] Calls `onChange` after each change of any observable that was read and still exists.
    [[nodiscard]] Subscription subscribe(std::function<void()> onChange) const;

    // Room for `count` reads without growing.
    void reserve(std::size_t count) { notifiers_.reserve(count); }

    // [main] Records a read (ChangeNotifier::recordRead() does this for the current scope).
    void record(const ChangeNotifier& notifier);

private:
    std::vector<std::weak_ptr<ChangeNotifier::Impl>> notifiers_;
};

// Makes `reads` the calling thread's innermost tracking scope while it lives (nullptr: no tracking).
class ReadTrackingScope {
public:
    explicit ReadTrackingScope(ObservedReads* reads);
    ~ReadTrackingScope();
    ReadTrackingScope(const ReadTrackingScope&) = delete;
    ReadTrackingScope& operator=(const ReadTrackingScope&) = delete;

    // The innermost scope's set on this thread, nullptr when none.
    static ObservedReads* current();

private:
    ObservedReads* previous_;
};

// [main] Runs `body` and returns the observables it read.
template <class Body> ObservedReads trackReads(Body&& body) {
    ObservedReads reads;
    {
        ReadTrackingScope scope(&reads);
        std::forward<Body>(body)();
    }
    return reads;
}

// Runs `body` with read tracking off (its reads are recorded nowhere) and returns its result.
template <class Body> decltype(auto) untracked(Body&& body) {
    ReadTrackingScope scope(nullptr);
    return std::forward<Body>(body)();
}

} // namespace tk
