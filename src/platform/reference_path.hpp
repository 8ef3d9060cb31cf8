#pragma once
// The engine's fast paths (the triangle scan, deferred range checks, geometry shared within a frame)
// give exactly the results of the plain checked code they stand in for. That plain code stays as the
// reference, which tests and benchmarks switch to in order to compare the two.

namespace quarn {

namespace detail {
inline bool referencePathOn = false;
}  // namespace detail

// Off by default.
inline void UseReferencePath(bool on) {
    detail::referencePathOn = on;
}
inline bool ReferencePathInUse() {
    return detail::referencePathOn;
}

}  // namespace quarn
