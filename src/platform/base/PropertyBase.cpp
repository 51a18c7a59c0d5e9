#include "platform/base/PropertyBase.h"

#include "platform/base/Object.h"

#include <algorithm>
#include <memory>

namespace platform {

PropertyBase::PropertyBase(Object& owner, std::u16string_view key) : owner_(owner), key_(key) {
    owner_.properties_.push_back(this);
}

PropertyBase::~PropertyBase() {
    std::erase(owner_.properties_, this);
}

Observation PropertyBase::addPendingEdit(std::function<void()> commit,
                                         std::function<void()> discard) const {
    auto both = std::make_shared<std::vector<Observation>>();
    both->push_back(commits_.add(std::move(commit)));
    both->push_back(discards_.add(std::move(discard)));
    return Observation(std::move(both));
}

void PropertyBase::changed() {
    discards_.tell();
    observers_.tell();
    for (PropertyBase* dependent : dependents_)
        dependent->changed();
}

} // namespace platform
