#pragma once

#include <string>

namespace plat {

// Root of the class tree. Objects of the tree have identity: they are neither copied nor moved,
// they are handed around by pointer or reference and, where they are settings, copied by Assign.
class TObject {
public:
    TObject() = default;
    TObject(const TObject&) = delete;
    TObject& operator=(const TObject&) = delete;
    virtual ~TObject() = default;

    // The unqualified name of the most derived class ("TStringList"), as messages quote it.
    virtual std::string ClassName() const;
};

}  // namespace plat
