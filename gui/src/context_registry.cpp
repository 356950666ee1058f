#include "context_registry.h"

#include <vector>

namespace {

struct Entry {
    int id;
    OrlinContext::Impl* context;
};

std::vector<Entry>& entries()
{
    static std::vector<Entry> live;
    return live;
}

int lastId = 0;

}  // namespace

int registerContext(OrlinContext::Impl* context)
{
    // Ids are never reused, so a stale timer cannot reach a newer context.
    ++lastId;
    entries().push_back({lastId, context});
    return lastId;
}

void unregisterContext(int id)
{
    std::vector<Entry>& live = entries();
    for (auto it = live.begin(); it != live.end(); ++it) {
        if (it->id == id) {
            live.erase(it);
            return;
        }
    }
}

OrlinContext::Impl* findContext(int id)
{
    for (const Entry& entry : entries())
        if (entry.id == id)
            return entry.context;
    return nullptr;
}
