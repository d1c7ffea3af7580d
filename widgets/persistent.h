#pragma once
// The root of the assignable settings objects. Assigning from a kind of
// object the target does not know is refused, as the platform's persistent
// objects refuse it.

#include <stdexcept>
#include <string>

class Persistent {
  public:
    virtual ~Persistent() = default;

    // Copies the values of `source` into this object. The base knows no
    // values, so it refuses every source.
    virtual void assign(const Persistent& source) { refuse(source); }

    virtual const char* className() const { return "TPersistent"; }

  protected:
    Persistent() = default;
    Persistent(const Persistent&) = default;
    Persistent& operator=(const Persistent&) = default;

    [[noreturn]] void refuse(const Persistent& source) const {
        throw std::invalid_argument(std::string("Cannot assign a ") + source.className() +
                                    " to a " + className());
    }
};
