#include <gtest/gtest.h>

#include "support/controls_fixture.h"

namespace {

using namespace veltrace;
using NullLinking = testing_support::ControlsFixture;

const ProjectLayer* layerNamed(const Project& p, const std::string& name) {
    for (const auto& layer : p.layers) {
        if (layer->name == name) return layer.get();
    }
    return nullptr;
}

std::string expressionOn(const std::string& name) { return "thisComp.layer(\"" + name + "\").toComp([0,0,0])"; }

TEST_F(NullLinking, CreatesTwoNullsTiedByExpressionsInOneUndoGroup) {
    params().setPoint(kStart, 30.5, 40);
    params().setPoint(kEnd, 170, 60.25);
    ASSERT_EQ(changed(kCreateNulls), PF_Err_NONE);
    const Project& p = project();
    ASSERT_EQ(p.layers.size(), 3u);
    const ProjectLayer* start = layerNamed(p, "Shape Layer 1_Veltrace_Start");
    const ProjectLayer* end = layerNamed(p, "Shape Layer 1_Veltrace_End");
    ASSERT_TRUE(start && end);
    EXPECT_TRUE(start->isNull && end->isNull);
    EXPECT_EQ(start->position.x, 30.5);
    EXPECT_EQ(start->position.y, 40.0);
    EXPECT_EQ(end->position.x, 170.0);
    EXPECT_EQ(end->position.y, 60.25);
    EXPECT_EQ(p.params[kStart].expression, expressionOn("Shape Layer 1_Veltrace_Start"));
    EXPECT_EQ(p.params[kEnd].expression, expressionOn("Shape Layer 1_Veltrace_End"));
    ASSERT_EQ(p.undoGroups.size(), 1u);
    EXPECT_EQ(p.undoGroups[0].name, "Tie Nulls");
    EXPECT_TRUE(p.undoGroups[0].closed);
    EXPECT_EQ(p.undoGroups[0].actions,
              (std::vector<std::string>{"null layer Shape Layer 1_Veltrace_Start", "null layer Shape Layer 1_Veltrace_End",
                                        "expression on parameter 1", "expression on parameter 2",
                                        "position of Shape Layer 1_Veltrace_Start",
                                        "position of Shape Layer 1_Veltrace_End"}));
    EXPECT_TRUE(p.outsideUndo.empty());
    expectNothingHeld("create nulls");

    ASSERT_EQ(changed(kCreateNulls), PF_Err_NONE);
    EXPECT_EQ(project().layers.size(), 5u) << "a second press makes another pair";
    EXPECT_EQ(project().undoGroups.size(), 2u);
}

TEST_F(NullLinking, EmptyLayerNameUsesTheSourceName) {
    project().effectLayer->name = "";
    project().effectLayer->sourceName = "Solid 1";
    ASSERT_EQ(changed(kCreateNulls), PF_Err_NONE);
    EXPECT_TRUE(layerNamed(project(), "Solid 1_Veltrace_Start"));
    EXPECT_TRUE(layerNamed(project(), "Solid 1_Veltrace_End"));
}

TEST_F(NullLinking, EndNullFailingLeavesTheStartNullAndClosesTheGroup) {
    host.setFaults({.failOperation = "AEGP_CreateNullInComp", .failAt = 2, .failWith = 0x99});
    EXPECT_EQ(changed(kCreateNulls), 0x99);
    EXPECT_TRUE(layerNamed(project(), "Shape Layer 1_Veltrace_Start"));
    EXPECT_FALSE(layerNamed(project(), "Shape Layer 1_Veltrace_End"));
    EXPECT_EQ(project().params[kStart].expression, "");
    ASSERT_EQ(project().undoGroups.size(), 1u);
    EXPECT_TRUE(project().undoGroups[0].closed);
    expectNothingHeld("failed create nulls");
}

struct NameCase {
    const char* name;
    const char* layerName;
    const char* nullName;    // as the host stores the new layer's name (UTF-8)
    const char* inLiteral;   // the null name as it stands inside the expression's quotes
};

TEST_F(NullLinking, AnyLayerNameYieldsAnExpressionNamingExactlyTheNull) {
    const NameCase cases[] = {
        {"quotes", "Logo \"A\"", "Logo \"A\"_Veltrace_Start", "Logo \\\"A\\\"_Veltrace_Start"},
        {"backslash at the end", "back\\", "back\\_Veltrace_Start", "back\\\\_Veltrace_Start"},
        {"control character", "tab\there", "tab\there_Veltrace_Start", "tab\\u0009here_Veltrace_Start"},
        {"code injection", "x\"); app.quit(); (\"", "x\"); app.quit(); (\"_Veltrace_Start",
         "x\\\"); app.quit(); (\\\"_Veltrace_Start"},
        {"UTF-8", "\xC3\x9C" "ber \xF0\x9F\x8E\xA8", "\xC3\x9C" "ber \xF0\x9F\x8E\xA8_Veltrace_Start",
         "\xC3\x9C" "ber \xF0\x9F\x8E\xA8_Veltrace_Start"},
        {"invalid UTF-8", "bad\xFF", "bad\xEF\xBF\xBD_Veltrace_Start", "bad\xEF\xBF\xBD_Veltrace_Start"},
        {"plain", "Shape Layer 1", "Shape Layer 1_Veltrace_Start", "Shape Layer 1_Veltrace_Start"},
    };
    for (const NameCase& c : cases) {
        host.resetProject();
        project().effectLayer->name = c.layerName;
        ASSERT_EQ(changed(kCreateNulls), PF_Err_NONE) << c.name;
        EXPECT_TRUE(layerNamed(project(), c.nullName)) << c.name;
        EXPECT_EQ(project().params[kStart].expression, expressionOn(c.inLiteral)) << c.name;
    }
}

TEST_F(NullLinking, NameBuffersWithoutTerminatorAreReadWithinTheirSize) {
    project().unterminatedNames = true;
    project().effectLayer->name = std::string(40, 'L');
    project().effectName = std::string(45, 'E');
    ASSERT_EQ(changed(kCreateNulls), PF_Err_NONE);
    const std::string expected = std::string(AEGP_MAX_LAYER_NAME_SIZE, 'L') + "_" +
                                 std::string(AEGP_MAX_STREAM_NAME_SIZE, 'E') + "_Start";
    EXPECT_TRUE(layerNamed(project(), expected));
}

}  // namespace
