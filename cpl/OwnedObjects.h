#pragma once
// The toolkit objects a page or pane made. The toolkit's tree does not own
// them; this list does, and deletes the newest first, so children go before
// the objects they sit in.

#include "LMObj.h"

#include <memory>
#include <vector>

namespace cpl {

class OwnedObjects {
public:
    OwnedObjects() = default;
    ~OwnedObjects() { Clear(); }
    OwnedObjects(const OwnedObjects&) = delete;
    OwnedObjects& operator=(const OwnedObjects&) = delete;

    template <typename T> T* Keep(std::unique_ptr<T> object)
    {
        T* kept = object.get();
        if (kept)
            objects_.push_back(std::move(object));
        return kept;
    }

    void Clear()
    {
        while (!objects_.empty())
            objects_.pop_back();
    }

    bool Empty() const { return objects_.empty(); }

private:
    std::vector<std::unique_ptr<LMObj>> objects_;
};

}  // namespace cpl
