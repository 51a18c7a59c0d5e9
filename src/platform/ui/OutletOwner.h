#pragma once

#include "platform/base/Object.h"
#include "platform/base/String.h"

#include <functional>
#include <map>
#include <memory>

namespace platform {

// An object whose outlets an interface description fills: each outlet is a named slot
// that the loader sets to one of the interface's objects. An object derives from it next
// to its Object base and exposes its slots in its constructor:
//     exposeOutlet(u"myWindow", myWindow);
// An outlet that no description fills stays empty.
class OutletOwner {
public:
    OutletOwner() = default;
    OutletOwner(const OutletOwner&) = delete;
    OutletOwner& operator=(const OutletOwner&) = delete;
    virtual ~OutletOwner() = default;

    [[nodiscard]] bool hasOutlet(const String& name) const { return outlets_.contains(name); }

    // False, with the slot left as it was, when there is no such outlet or the object is
    // not of the slot's type. None empties the slot.
    [[nodiscard]] bool setOutlet(const String& name, const std::shared_ptr<Object>& object);
    // None for an empty slot or an unknown name.
    [[nodiscard]] std::shared_ptr<Object> outlet(const String& name) const;

protected:
    template <typename T> void exposeOutlet(const String& name, std::shared_ptr<T>& slot) {
        outlets_[name] =
            Slot{[&slot](const std::shared_ptr<Object>& object) { return assign(slot, object); },
                 [&slot] { return std::dynamic_pointer_cast<Object>(slot); }};
    }
    // A weak outlet, for an object that others keep alive.
    template <typename T> void exposeOutlet(const String& name, std::weak_ptr<T>& slot) {
        outlets_[name] = Slot{[&slot](const std::shared_ptr<Object>& object) {
                                  std::shared_ptr<T> typed;
                                  if (!assign(typed, object))
                                      return false;
                                  slot = typed;
                                  return true;
                              },
                              [&slot] { return std::dynamic_pointer_cast<Object>(slot.lock()); }};
    }

private:
    struct Slot {
        std::function<bool(const std::shared_ptr<Object>&)> set;
        std::function<std::shared_ptr<Object>()> get;
    };

    template <typename T>
    static bool assign(std::shared_ptr<T>& slot, const std::shared_ptr<Object>& object) {
        auto typed = std::dynamic_pointer_cast<T>(object);
        if (object && !typed)
            return false;
        slot = std::move(typed);
        return true;
    }

    std::map<String, Slot> outlets_;
};

} // namespace platform
