// The built module, loaded by the test host as the compositing host loads it.
#include <gtest/gtest.h>

#include <cstring>

#include "resources/effect_identity.h"
#include "resources/pipl.h"
#include "testhost/test_host.h"

namespace {

PF_OutData sentinelOutData() {
    PF_OutData out;
    std::memset(&out, 0xAB, sizeof out);
    return out;
}

TEST(ModuleEntry, RegistersItsIdentity) {
    TestHost host;
    const EffectRegistration& r = host.registration();
    ASSERT_TRUE(r.called);
    EXPECT_EQ(r.name, "Veltrace");
    EXPECT_EQ(r.matchName, "ZOVA");
    EXPECT_EQ(r.category, "Orlenby");
    EXPECT_EQ(r.entryPoint, "EffectMain");
    EXPECT_EQ(r.kind, 0x65464B54);
    EXPECT_EQ(r.apiVersionMajor, 13);
    EXPECT_EQ(r.apiVersionMinor, 25);
    EXPECT_EQ(r.reservedInfo, 8);
}

TEST(ModuleEntry, RegistrationPassesTheCallbackErrorBack) {
    TestHost host;
    EXPECT_EQ(host.registerEffect(7), 7);
    EXPECT_EQ(host.registerEffect(PF_Err_NONE), PF_Err_NONE);
}

std::uint32_t piplValue(const std::vector<std::uint8_t>& pipl, const char* reversedKey) {
    for (std::size_t at = 10; at + 16 <= pipl.size();) {
        const std::uint32_t length = pipl[at + 12] | pipl[at + 13] << 8 | pipl[at + 14] << 16 | pipl[at + 15] << 24;
        if (std::memcmp(&pipl[at + 4], reversedKey, 4) == 0) {
            return pipl[at + 16] | pipl[at + 17] << 8 | pipl[at + 18] << 16 | std::uint32_t(pipl[at + 19]) << 24;
        }
        at += 16 + (length + 3) / 4 * 4;
    }
    ADD_FAILURE() << "no property " << reversedKey;
    return 0;
}

TEST(ModuleEntry, GlobalSetupAgreesWithThePropertyList) {
    TestHost host;
    PF_OutData out = sentinelOutData();
    ASSERT_EQ(host.command(PF_Cmd_GLOBAL_SETUP, &out), PF_Err_NONE);
    EXPECT_EQ(out.my_version, 702465u);
    EXPECT_EQ(out.out_flags, 0x44);
    EXPECT_EQ(out.out_flags2, 0x08000008);
    const auto pipl = windowsPiplBytes(kEffectIdentity);
    EXPECT_EQ(piplValue(pipl, "REVe"), out.my_version);
    EXPECT_EQ(piplValue(pipl, "OLGe"), std::uint32_t(out.out_flags));
    EXPECT_EQ(piplValue(pipl, "2LGe"), std::uint32_t(out.out_flags2));
    EXPECT_EQ(host.ledger().totalCalls(), 0);
}

TEST(ModuleEntry, GlobalSetupInPremiereMarksTheEffectObsolete) {
    TestHost host;
    host.setApplicationId(PF_APPL_ID_PREMIERE);
    PF_OutData out = sentinelOutData();
    ASSERT_EQ(host.command(PF_Cmd_GLOBAL_SETUP, &out), PF_Err_NONE);
    EXPECT_EQ(out.out_flags, 0x00200000);
    EXPECT_EQ(out.my_version, 702465u);
}

TEST(ModuleEntry, AboutText) {
    TestHost host;
    PF_OutData out = sentinelOutData();
    ASSERT_EQ(host.command(PF_Cmd_ABOUT, &out), PF_Err_NONE);
    EXPECT_STREQ(out.return_msg, "Veltrace v1.5.7\nDraws a curved bezier from point A to point B.");
    const HostLedger ledger = host.ledger();
    EXPECT_EQ(ledger.acquired.at("PF ANSI Suite/1"), 1);
    EXPECT_EQ(ledger.outstandingSuites(), 0);
}

TEST(ModuleEntry, AboutInPremiereWritesNothing) {
    TestHost host;
    host.setApplicationId(PF_APPL_ID_PREMIERE);
    PF_OutData out = sentinelOutData();
    const PF_OutData before = out;
    ASSERT_EQ(host.command(PF_Cmd_ABOUT, &out), PF_Err_NONE);
    EXPECT_EQ(std::memcmp(&out, &before, sizeof out), 0);
    EXPECT_EQ(host.ledger().totalCalls(), 0);
}

TEST(ModuleEntry, AboutWithoutTheAnsiSuiteIs516) {
    TestHost host;
    host.setFaults({.missingSuites = {"PF ANSI Suite/1"}});
    PF_OutData out = sentinelOutData();
    EXPECT_EQ(host.command(PF_Cmd_ABOUT, &out), PF_Err_BAD_CALLBACK_PARAM);
    EXPECT_EQ(host.ledger().outstandingSuites(), 0);
}

TEST(ModuleEntry, OtherCommandsReturnAtOnceAndTouchNothing) {
    TestHost host;
    for (PF_Cmd cmd : {PF_Cmd_GLOBAL_SETDOWN, PF_Cmd_SEQUENCE_SETUP, PF_Cmd_DO_DIALOG, PF_Cmd_FRAME_SETUP,
                       PF_Cmd_QUERY_DYNAMIC_FLAGS, PF_Cmd_SMART_RENDER, 2, 99, -1}) {
        PF_OutData out = sentinelOutData();
        const PF_OutData before = out;
        EXPECT_EQ(host.command(cmd, &out), PF_Err_NONE) << cmd;
        EXPECT_EQ(std::memcmp(&out, &before, sizeof out), 0) << cmd;
    }
    EXPECT_EQ(host.ledger().totalCalls(), 0);
}

}  // namespace

namespace {

TEST(ModuleEntry, CallsWithoutTheRecordsACommandNeedsAreRefused) {
    TestHost host;
    PF_OutData out{};
    EXPECT_EQ(host.command(PF_Cmd_USER_CHANGED_PARAM, &out, nullptr, nullptr, nullptr), PF_Err_BAD_CALLBACK_PARAM);
    EXPECT_EQ(host.command(PF_Cmd_RENDER, &out), PF_Err_BAD_CALLBACK_PARAM);
    EXPECT_EQ(host.command(PF_Cmd_UPDATE_PARAMS_UI, &out), PF_Err_BAD_CALLBACK_PARAM);
    EXPECT_EQ(host.command(PF_Cmd_GLOBAL_SETUP, nullptr), PF_Err_BAD_CALLBACK_PARAM);
    EXPECT_EQ(host.command(PF_Cmd_DO_DIALOG, nullptr), PF_Err_NONE) << "unhandled commands still return at once";
    EXPECT_EQ(host.ledger().totalCalls(), 0);
}

}  // namespace
