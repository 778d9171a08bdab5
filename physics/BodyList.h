// Small helpers over the physics system's lists of bodies (not owning).
#pragma once
#include <algorithm>
#include <vector>

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
} // namespace Framework
