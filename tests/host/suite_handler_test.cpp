#include "host/suite_handler.h"

#include <gtest/gtest.h>

#include <cstring>
#include <map>
#include <string>

namespace {

// A basic suite that serves every name except the ones listed as missing.
struct FakeBasic {
    static inline std::map<std::string, int> acquired;
    static inline std::map<std::string, int> released;
    static inline std::string missing;
    static inline int dummy = 0;

    static std::string key(const char* name, A_long version) { return std::string(name) + "/" + std::to_string(version); }
    static SPErr acquire(const char* name, A_long version, const void** suite) {
        if (key(name, version) == missing) {
            *suite = nullptr;
            return 1;
        }
        ++acquired[key(name, version)];
        *suite = &dummy;
        return 0;
    }
    static SPErr release(const char* name, A_long version) {
        ++released[key(name, version)];
        return 0;
    }
    static void reset(std::string missingSuite = "") {
        acquired.clear();
        released.clear();
        missing = std::move(missingSuite);
    }
};

SPBasicSuite fakeBasic{&FakeBasic::acquire, &FakeBasic::release};

TEST(SuiteHandler, TenAsksAcquireOnceAndReleaseOnce) {
    FakeBasic::reset();
    {
        AEGP_SuiteHandler suites(&fakeBasic);
        for (int i = 0; i < 10; ++i) ASSERT_NE(suites.StreamSuite7(), nullptr);
        EXPECT_EQ(FakeBasic::acquired["AEGP Stream Suite/7"], 1);
        EXPECT_TRUE(FakeBasic::released.empty());
    }
    EXPECT_EQ(FakeBasic::released["AEGP Stream Suite/7"], 1);
    EXPECT_EQ(FakeBasic::released.size(), 1u);
}

TEST(SuiteHandler, EveryAccessorAsksForItsOwnNameAndVersion) {
    FakeBasic::reset();
    {
        AEGP_SuiteHandler s(&fakeBasic);
        s.ANSICallbacksSuite1(), s.ColorParamSuite1(), s.HandleSuite2(), s.WorldTransformSuite1();
        s.PFInterfaceSuite1(), s.StreamSuite7(), s.StreamSuite9(), s.DynamicStreamSuite2();
        s.DynamicStreamSuite3(), s.EffectSuite2(), s.LayerSuite11(), s.LayerSuite13(), s.CompSuite19();
        s.UtilitySuite11();
    }
    const std::map<std::string, int> expected = {
        {"PF ANSI Suite/1", 1}, {"PF ColorParamSuite/1", 1}, {"PF Handle Suite/2", 1},
        {"PF World Transform Suite/1", 1}, {"AEGP PF Interface Suite/1", 1}, {"AEGP Stream Suite/7", 1},
        {"AEGP Stream Suite/9", 1}, {"AEGP Dynamic Stream Suite/2", 1}, {"AEGP Dynamic Stream Suite/3", 1},
        {"AEGP Effect Suite/2", 1}, {"AEGP Layer Suite/11", 1}, {"AEGP Layer Suite/13", 1},
        {"AEGP Comp Suite/19", 1}, {"AEGP Utility Suite/11", 1}};
    EXPECT_EQ(FakeBasic::acquired, expected);
    EXPECT_EQ(FakeBasic::released, expected);
}

TEST(SuiteHandler, MissingSecondSuiteThrows516AndReleasesTheFirst) {
    FakeBasic::reset("AEGP Effect Suite/2");
    try {
        AEGP_SuiteHandler suites(&fakeBasic);
        suites.StreamSuite9();
        suites.EffectSuite2();
        FAIL() << "no exception";
    } catch (int err) {
        EXPECT_EQ(err, PF_Err_BAD_CALLBACK_PARAM);
    }
    EXPECT_EQ(FakeBasic::acquired, (std::map<std::string, int>{{"AEGP Stream Suite/9", 1}}));
    EXPECT_EQ(FakeBasic::released, (std::map<std::string, int>{{"AEGP Stream Suite/9", 1}}));
}

TEST(SuiteHandler, ReleasesWhenAnyExceptionUnwinds) {
    FakeBasic::reset();
    EXPECT_THROW(
        {
            AEGP_SuiteHandler suites(&fakeBasic);
            suites.HandleSuite2();
            throw std::runtime_error("frame abandoned");
        },
        std::runtime_error);
    EXPECT_EQ(FakeBasic::released["PF Handle Suite/2"], 1);
}

TEST(SuiteHandler, NullBasicSuiteOrNullSuiteIs516) {
    try {
        AEGP_SuiteHandler suites(nullptr);
        FAIL();
    } catch (int err) {
        EXPECT_EQ(err, 516);
    }
    SPBasicSuite nullServing{[](const char*, A_long, const void** s) -> SPErr { *s = nullptr; return 0; },
                             [](const char*, A_long) -> SPErr { return 0; }};
    AEGP_SuiteHandler suites(&nullServing);
    EXPECT_THROW(suites.ColorParamSuite1(), int);
}

}  // namespace
