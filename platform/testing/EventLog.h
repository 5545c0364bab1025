#pragma once

#include "platform/controls/core/ControlTypes.h"

#include <string>
#include <vector>

namespace plat::testing {

// What happened, in order, for tests that check sequences: handlers add entries, the test
// compares the list.
class EventLog {
public:
    void Add(std::string Entry) { FEntries.push_back(std::move(Entry)); }
    const std::vector<std::string>& Entries() const { return FEntries; }
    void Clear() { FEntries.clear(); }

    // A notify handler that adds Entry each time it runs.
    TNotifyEvent Notify(std::string Entry)
    {
        return [this, Entry = std::move(Entry)](TObject*) { Add(Entry); };
    }

private:
    std::vector<std::string> FEntries;
};

}  // namespace plat::testing
