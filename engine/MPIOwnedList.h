#pragma once
// Appending to the package model's lists, which own their elements.
#include <vector>

// Appends item to list, which owns it from then on. When the list cannot
// grow, item is deleted and the exception passed on, so nothing leaks.
template <class T, class U>
U* MPIAppendOwned(std::vector<T*>& list, U* item)
{
    try
    {
        list.push_back(item);
    }
    catch (...)
    {
        delete item;
        throw;
    }
    return item;
}
