#pragma once

#include "platform/base/Object.h"
#include "platform/base/Observation.h"
#include "platform/base/String.h"

#include <functional>
#include <memory>
#include <vector>

namespace platform {

// Follows a dotted key path ("values.StartupActionTag") from a root object: told of every
// change of the last key, and of every change of an object on the way, after which it
// follows the path through the new object. Holds the objects weakly.
class KeyPathObservation {
public:
    KeyPathObservation(const std::shared_ptr<Object>& root, const String& keyPath,
                       std::function<void()> changed);
    KeyPathObservation(const KeyPathObservation&) = delete;
    KeyPathObservation& operator=(const KeyPathObservation&) = delete;

private:
    void observeFrom(std::size_t index, const std::shared_ptr<Object>& object);

    std::vector<String> keys_;
    std::function<void()> changed_;
    std::vector<Observation> observations_; // one per key, up to the first missing object
};

} // namespace platform
