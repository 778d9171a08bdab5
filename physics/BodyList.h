// Small helpers over the physics system's lists of bodies (not owning).
#pragma once
#include <algorithm>
#include <cstdint>
#include <vector>
#include "physics/Body.h"

namespace Framework
{
template <typename T>
bool ListContains(const std::vector<T*>& list, const T* item)
{
    return std::find(list.begin(), list.end(), item) != list.end();
}

// Appends unless already present; returns whether it was appended.
template <typename T>
bool AddOnce(std::vector<T*>& list, T* item)
{
    if (ListContains(list, item))
        return false;
    list.push_back(item);
    return true;
}

// Removes every copy, keeping the order of the rest.
template <typename T>
void RemoveEvery(std::vector<T*>& list, const T* item)
{
    list.erase(std::remove(list.begin(), list.end(), item), list.end());
}

// Removes the first copy, keeping the order of the rest; returns whether one was found.
template <typename T>
bool RemoveFirst(std::vector<T*>& list, const T* item)
{
    auto found = std::find(list.begin(), list.end(), item);
    if (found == list.end())
        return false;
    list.erase(found);
    return true;
}
// The physics lists a body records its membership of (Body::mListedIn).
namespace BodyListBit
{
enum : uint32_t
{
    Archetypes = 1,
    Dynamic = 2,
    Active = 4,
    All = 8,
    Objects = 16,
    Interactable = 32,
};
}

// AddOnce for a body list every insertion of which goes through here: a body
// that never entered the list is appended without a search.
inline bool ListBody(std::vector<Body*>& list, Body* body, uint32_t bit)
{
    if ((body->mListedIn & bit) && ListContains(list, body))
        return false;
    list.push_back(body);
    body->mListedIn |= bit;
    return true;
}

// RemoveEvery for such a list; a body that never entered it costs no search.
inline void UnlistBody(std::vector<Body*>& list, Body* body, uint32_t bit)
{
    if (!(body->mListedIn & bit))
        return;
    RemoveEvery(list, body);
    body->mListedIn &= ~bit;
}
} // namespace Framework
