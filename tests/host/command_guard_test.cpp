#include "host/command_guard.h"

#include <gtest/gtest.h>

#include <new>
#include <stdexcept>

namespace {

struct NotAnException {};

TEST(CommandGuard, ConvertsEveryFailureToAHostCode) {
    EXPECT_EQ(runGuarded([] { return PF_Err{0}; }), 0);
    EXPECT_EQ(runGuarded([] { return PF_Err{4}; }), 4);
    EXPECT_EQ(runGuarded([]() -> PF_Err { throw 7; }), 7);
    EXPECT_EQ(runGuarded([]() -> PF_Err { throw 516; }), PF_Err_BAD_CALLBACK_PARAM);
    EXPECT_EQ(runGuarded([]() -> PF_Err { throw std::bad_alloc(); }), PF_Err_INTERNAL_STRUCT_DAMAGED);
    EXPECT_EQ(runGuarded([]() -> PF_Err { throw std::out_of_range("window"); }), PF_Err_INTERNAL_STRUCT_DAMAGED);
    EXPECT_EQ(runGuarded([]() -> PF_Err { throw NotAnException{}; }), PF_Err_INTERNAL_STRUCT_DAMAGED);
}

}  // namespace
