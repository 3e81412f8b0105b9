// Deliberately broken builds of the module exist only so that the tests can
// show that each check of the test host catches the fault it is there for.
// The shipped module is built with none of them (VELTRACE_BROKEN_VARIANT 0).
#pragma once

#ifndef VELTRACE_BROKEN_VARIANT
#define VELTRACE_BROKEN_VARIANT 0
#endif

namespace broken_variant {
inline constexpr bool kLeaksStream = VELTRACE_BROKEN_VARIANT == 1;
inline constexpr bool kIgnoresHostErrors = VELTRACE_BROKEN_VARIANT == 2;
inline constexpr bool kWritesPastRow = VELTRACE_BROKEN_VARIANT == 3;
inline constexpr bool kHidesFailedAllocation = VELTRACE_BROKEN_VARIANT == 4;
}  // namespace broken_variant
