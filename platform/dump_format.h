// Texts of the state dump: numbers written so that they read back exactly,
// and object lists registered from a list and a function naming its fields.
#pragma once

#include <string>
#include <vector>

#include "platform/state_registry.h"

namespace platform {

// Integers in decimal; reals as the shortest text that reads back to the same
// value, so that two dumps compare equal exactly when the states do.
std::string DumpNumber(int value);
std::string DumpNumber(double value);

// Registers a dump list: one entry per object of the list, in list order.
template <class Record>
void RegisterDumpObjects(std::string name, const std::vector<Record>& list,
                         DumpFields (*fields)(const Record&)) {
    RegisterDumpList(std::move(name), [&list, fields] {
        std::vector<DumpFields> objects;
        objects.reserve(list.size());
        for (const Record& record : list) objects.push_back(fields(record));
        return objects;
    });
}

}  // namespace platform
