// The registry of process-wide state for the dump and the reset.
#include "platform/state_registry.h"

#include <sstream>

namespace platform {
namespace {

struct Value {
    std::string name;
    std::function<std::string()> read;
};

struct List {
    std::string name;
    std::function<std::vector<DumpFields>()> objects;
};

struct Registry {
    std::vector<Value> values;
    std::vector<List> lists;
    std::vector<std::function<void()>> resets;
};

// Built on first use: registrations run during static initialisation.
Registry& TheRegistry() {
    static Registry registry;
    return registry;
}

}  // namespace

void RegisterDumpValue(std::string name, std::function<std::string()> read) {
    TheRegistry().values.push_back({std::move(name), std::move(read)});
}

void RegisterDumpInt(std::string name, const int& variable) {
    RegisterDumpValue(std::move(name), [&variable] { return std::to_string(variable); });
}

void RegisterDumpText(std::string name, const std::string& variable) {
    RegisterDumpValue(std::move(name), [&variable] { return variable; });
}

void RegisterDumpList(std::string name, std::function<std::vector<DumpFields>()> objects) {
    TheRegistry().lists.push_back({std::move(name), std::move(objects)});
}

void RegisterReset(std::function<void()> reset) { TheRegistry().resets.push_back(std::move(reset)); }

std::string DumpState() {
    std::ostringstream out;
    for (const auto& v : TheRegistry().values) out << v.name << '=' << v.read() << '\n';
    for (const auto& list : TheRegistry().lists) {
        auto objects = list.objects();
        out << list.name << ".count=" << objects.size() << '\n';
        for (std::size_t i = 0; i < objects.size(); ++i)
            for (const auto& [field, value] : objects[i])
                out << list.name << '[' << i << "]." << field << '=' << value << '\n';
    }
    return out.str();
}

void ResetAllState() {
    for (const auto& reset : TheRegistry().resets) reset();
}

}  // namespace platform
