#pragma once

// Lists as plain vectors, so a test compares a whole list in one expectation.

#include <string>
#include <vector>

#include "basic/stringlists.h"

using Items = std::vector<std::string>;

inline Items ItemsOf(const TStringList& list) {
    Items items;
    for (int i = 0; i < list.Count(); ++i)
        items.push_back(list.Strings(i));
    return items;
}

inline TArrayCadena ArrayOf(const Items& items) {
    TArrayCadena array;
    for (const std::string& item : items)
        array.Add(item);
    return array;
}
