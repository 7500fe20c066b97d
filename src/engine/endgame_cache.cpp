#include <map>
#include <memory>
#include <mutex>

#include "engine/endgame_table.h"

namespace endgame {

namespace {

struct Entry {
    std::once_flag built;
    Table table;
};

// The kinds packed four bits each, with the count on top.
int keyOf(const Material &material) {
    int key = material.count;
    for (int i = 0; i < material.count; i++)
        key = key << 4 | material.kind[i];
    return key;
}

}  // namespace

const Table &tableFor(const Material &material) {
    static std::mutex mutex;
    static std::map<int, std::unique_ptr<Entry>> entries;
    Entry *entry;
    {
        // Held only to find the entry: building one asks for smaller ones.
        std::lock_guard<std::mutex> lock(mutex);
        std::unique_ptr<Entry> &slot = entries[keyOf(material)];
        if (!slot)
            slot = std::make_unique<Entry>();
        entry = slot.get();
    }
    std::call_once(entry->built, [&] { buildTable(material, &entry->table); });
    return entry->table;
}

}  // namespace endgame
