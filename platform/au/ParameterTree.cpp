#include "platform/au/ParameterTree.h"

#include <algorithm>

namespace au {

// Observers are kept in an immutable list that is replaced on every change (copy on write):
// notifying takes a snapshot under the mutex and calls the observers without it, so an observer may
// add or remove observers and value changes on several threads never wait on each other's callbacks.
struct ParameterTree::Observers {
    struct Entry {
        uint64_t id;
        ParameterObserver valueObserver;
        ParameterAutomationObserver automationObserver;
    };
    using List = std::vector<Entry>;

    std::mutex mutex;
    std::shared_ptr<const List> list = std::make_shared<const List>();
    uint64_t nextId = 1;

    std::shared_ptr<const List> snapshot() {
        std::lock_guard lock(mutex);
        return list;
    }
    uint64_t add(Entry entry) {
        std::lock_guard lock(mutex);
        uint64_t id = nextId++;
        entry.id = id;
        auto next = std::make_shared<List>(*list);
        next->push_back(std::move(entry));
        list = std::move(next);
        return id;
    }
    void remove(uint64_t id) {
        std::lock_guard lock(mutex);
        auto next = std::make_shared<List>(*list);
        std::erase_if(*next, [id](const Entry& entry) { return entry.id == id; });
        list = std::move(next);
    }
};

std::shared_ptr<Parameter>
ParameterTree::createParameter(std::string identifier, std::string name, ParameterAddress address,
                               AUValue min, AUValue max, ParameterUnit unit,
                               std::optional<std::string> unitName, ParameterOptions flags,
                               std::optional<std::vector<std::string>> valueStrings,
                               std::optional<std::vector<ParameterAddress>> dependentParameters) {
    return std::make_shared<Parameter>(Parameter::PrivateTag{}, std::move(identifier), std::move(name),
                                       address, min, max, unit, std::move(unitName), flags,
                                       std::move(valueStrings), std::move(dependentParameters));
}

std::shared_ptr<ParameterTree> ParameterTree::createTree(std::vector<std::shared_ptr<Parameter>> children) {
    return std::make_shared<ParameterTree>(PrivateTag{}, std::move(children));
}

ParameterTree::ParameterTree(PrivateTag, std::vector<std::shared_ptr<Parameter>> children)
    : children_(std::move(children)), observers_(std::make_shared<Observers>()) {
    std::erase(children_, nullptr);
    for (const auto& parameter : children_) {
        parameter->tree_.store(this, std::memory_order_release);
    }
}

ParameterTree::~ParameterTree() {
    for (const auto& parameter : children_) {
        ParameterTree* expected = this;
        parameter->tree_.compare_exchange_strong(expected, nullptr, std::memory_order_acq_rel);
    }
}

std::shared_ptr<Parameter> ParameterTree::parameterWithAddress(ParameterAddress address) const {
    auto found = std::find_if(children_.begin(), children_.end(),
                              [address](const auto& parameter) { return parameter->address() == address; });
    return found == children_.end() ? nullptr : *found;
}

std::shared_ptr<Parameter> ParameterTree::parameterWithIdentifier(std::string_view identifier) const {
    auto found = std::find_if(children_.begin(), children_.end(), [identifier](const auto& parameter) {
        return parameter->identifier() == identifier;
    });
    return found == children_.end() ? nullptr : *found;
}

ObserverToken ParameterTree::tokenByAddingParameterObserver(ParameterObserver observer) {
    if (!observer) {
        return {};
    }
    uint64_t id = observers_->add({0, std::move(observer), nullptr});
    std::weak_ptr<Observers> weak = observers_;
    return ObserverToken(id, [weak](uint64_t tokenId) {
        if (auto observers = weak.lock()) {
            observers->remove(tokenId);
        }
    });
}

ObserverToken ParameterTree::tokenByAddingParameterAutomationObserver(ParameterAutomationObserver observer) {
    if (!observer) {
        return {};
    }
    uint64_t id = observers_->add({0, nullptr, std::move(observer)});
    std::weak_ptr<Observers> weak = observers_;
    return ObserverToken(id, [weak](uint64_t tokenId) {
        if (auto observers = weak.lock()) {
            observers->remove(tokenId);
        }
    });
}

void ParameterTree::notifyObservers(const Parameter& parameter, AUValue value,
                                    const ObserverToken* originator, uint64_t hostTime,
                                    ParameterAutomationEventType eventType) const {
    auto list = observers_->snapshot();
    uint64_t skip = originator ? originator->id() : 0;
    for (const auto& entry : *list) {
        if (entry.id == skip) {
            continue;
        }
        if (entry.valueObserver) {
            entry.valueObserver(parameter.address(), value);
        }
        if (entry.automationObserver) {
            entry.automationObserver({hostTime, parameter.address(), value, eventType});
        }
    }
}

} // namespace au
