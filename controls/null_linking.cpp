#include "controls/null_linking.h"

#include "controls/text_encoding.h"
#include "engine/param_index.h"

using namespace veltrace;

namespace {

// thisComp.layer("<name>").toComp([0,0,0]), the name escaped so that the
// expression names exactly that layer whatever characters it holds.
std::string expressionFor(const std::string& utf8Name) {
    return "thisComp.layer(\"" + escapeForExpression(utf8Name) + "\").toComp([0,0,0])";
}

AEGP_StreamValue2 positionOf(const PF_ParamDef& point, AEGP_StreamRefH stream) {
    AEGP_StreamValue2 value{};
    value.streamH = stream;
    // The host takes x and y from the value; z stays 0.
    value.val.three_d = {point.u.td.x_value / 65536.0, point.u.td.y_value / 65536.0, 0.0};
    return value;
}

}  // namespace

NullNames nullNames(const std::string& layerName, const std::string& sourceName, const std::string& effectName) {
    const std::string base = layerName.empty() ? sourceName : layerName;
    // Invalid UTF-8 becomes U+FFFD in the layer's name and its expression alike.
    const std::u32string start = decodeUtf8(base + "_" + effectName + "_Start");
    const std::u32string end = decodeUtf8(base + "_" + effectName + "_End");
    return {encodeUtf16z(start), encodeUtf16z(end), expressionFor(encodeUtf8(start)), expressionFor(encodeUtf8(end))};
}

void linkNulls(PF_InData* in_data, PF_ParamDef* params[], AEGP_SuiteHandler& suites, HostSteps& steps) {
    // Every suite first: one that is missing must fail the command before
    // it changes anything, never between the start and end of the undo group.
    const AEGP_PFInterfaceSuite1* pfInterface = suites.PFInterfaceSuite1();
    const AEGP_StreamSuite7* stream7 = suites.StreamSuite7();
    const AEGP_StreamSuite9* stream9 = suites.StreamSuite9();
    const AEGP_LayerSuite11* layer11 = suites.LayerSuite11();
    const AEGP_LayerSuite13* layer13 = suites.LayerSuite13();
    const AEGP_DynamicStreamSuite3* dynamic3 = suites.DynamicStreamSuite3();
    const AEGP_UtilitySuite11* utility = suites.UtilitySuite11();
    const AEGP_CompSuite19* compSuite = suites.CompSuite19();
    EffectHandle effect(suites.EffectSuite2()->AEGP_DisposeEffect);
    StreamHandle startStream(stream7->AEGP_DisposeStream), endStream(stream7->AEGP_DisposeStream),
        effectStream(stream7->AEGP_DisposeStream);
    StreamHandle startPosition(stream9->AEGP_DisposeStream), endPosition(stream9->AEGP_DisposeStream);
    AEGP_LayerH layer = nullptr;
    AEGP_CompH comp = nullptr;
    A_char layerName[AEGP_MAX_LAYER_NAME_SIZE] = {};
    A_char sourceName[AEGP_MAX_ITEM_NAME_SIZE] = {};
    A_char effectName[AEGP_MAX_STREAM_NAME_SIZE] = {};

    steps.run([&] { return pfInterface->AEGP_GetNewEffectForEffect(0, in_data->effect_ref, effect.out()); });
    steps.run([&] { return stream9->AEGP_GetNewEffectStreamByIndex(0, effect.get(), kStart, startStream.out()); });
    steps.run([&] { return stream9->AEGP_GetNewEffectStreamByIndex(0, effect.get(), kEnd, endStream.out()); });
    steps.run([&] { return pfInterface->AEGP_GetEffectLayer(in_data->effect_ref, &layer); });
    steps.run([&] { return layer13->AEGP_GetLayerParentComp(layer, &comp); });
    steps.run([&] { return layer11->AEGP_GetLayerName(layer, layerName, sourceName); });
    steps.run([&] { return dynamic3->AEGP_GetNewParentStreamRef(0, startStream.get(), effectStream.out()); });
    steps.run([&] { return stream7->AEGP_GetStreamName(effectStream.get(), true, effectName); });

    bool undoGroupBegun = false;
    if (steps.ok()) {
        // The host's buffers may lack a terminator: read them within their size.
        const NullNames names = nullNames(boundedText(layerName, sizeof layerName),
                                          boundedText(sourceName, sizeof sourceName),
                                          boundedText(effectName, sizeof effectName));
        steps.run([&] { return utility->AEGP_StartUndoGroup("Tie Nulls"); });
        undoGroupBegun = steps.ok();
        AEGP_LayerH startNull = nullptr;
        AEGP_LayerH endNull = nullptr;
        steps.run([&] { return compSuite->AEGP_CreateNullInComp(names.startNull.data(), comp, nullptr, &startNull); });
        steps.run([&] { return compSuite->AEGP_CreateNullInComp(names.endNull.data(), comp, nullptr, &endNull); });
        steps.run([&] { return stream9->AEGP_SetExpression(0, startStream.get(), names.startExpression.c_str()); });
        steps.run([&] { return stream9->AEGP_SetExpression(0, endStream.get(), names.endExpression.c_str()); });
        steps.run([&] {
            return stream9->AEGP_GetNewLayerStream(0, startNull, AEGP_LayerStream_POSITION, startPosition.out());
        });
        steps.run([&] {
            AEGP_StreamValue2 value = positionOf(*params[kStart], startPosition.get());
            return stream9->AEGP_SetStreamValue(0, startPosition.get(), &value);
        });
        steps.run([&] {
            return stream9->AEGP_GetNewLayerStream(0, endNull, AEGP_LayerStream_POSITION, endPosition.out());
        });
        steps.run([&] {
            AEGP_StreamValue2 value = positionOf(*params[kEnd], endPosition.get());
            return stream9->AEGP_SetStreamValue(0, endPosition.get(), &value);
        });
    }
    if (undoGroupBegun) steps.note(utility->AEGP_EndUndoGroup());

    startPosition.dispose(steps);
    endPosition.dispose(steps);
    effect.dispose(steps);
    startStream.dispose(steps);
    endStream.dispose(steps);
    effectStream.dispose(steps);
}
