#pragma once

#include <utility>

namespace plat {

// Gives a variable a value for the length of a scope and puts the old one back when the scope
// ends, also when it ends by an exception: a re-entrancy flag, a lock count, a state to be
// restored.
//     TScopedRestore aligning(FAligning, true);
template <typename T>
class TScopedRestore {
public:
    TScopedRestore(T& Variable, T Value) : FVariable(Variable), FSaved(std::exchange(Variable, std::move(Value))) {}
    // Only remembers the present value; the scope may change it freely.
    explicit TScopedRestore(T& Variable) : FVariable(Variable), FSaved(Variable) {}
    ~TScopedRestore() { FVariable = std::move(FSaved); }
    TScopedRestore(const TScopedRestore&) = delete;
    TScopedRestore& operator=(const TScopedRestore&) = delete;

private:
    T& FVariable;
    T FSaved;
};

}  // namespace plat
