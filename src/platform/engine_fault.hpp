#pragma once
// Faults that abandon the current engine operation and travel up to the handler that started it.

#include <stdexcept>
#include <string>

namespace quarn {

class EngineFault : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// Float overflow, division by zero, invalid operation, or an integer result outside its range.
class ArithmeticError : public EngineFault {
public:
    using EngineFault::EngineFault;
};

// A table index outside 0..10000.
class IndexRangeError : public EngineFault {
public:
    using EngineFault::EngineFault;
};

}  // namespace quarn
