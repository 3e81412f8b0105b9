// The test host's project: one composition with layers, the effect on one
// of them with a stream per parameter, undo groups, and the effect handles
// and streams the effect holds, counted so that leaks show.
#pragma once

#include <array>
#include <map>
#include <memory>
#include <mutex>
#include <string>
#include <vector>

#include "engine/param_index.h"
#include "hostapi/ae_suites.h"

struct ProjectLayer {
    std::string name;  // UTF-8; may be longer than the host's name buffers
    std::string sourceName;
    bool isNull = false;
    AEGP_ThreeDVal position{};
};

struct ParamStreamState {
    std::string expression;
    bool hidden = false;
};

struct UndoGroup {
    std::string name;
    std::vector<std::string> actions;  // what was done inside, in order
    bool closed = false;
};

class Project {
public:
    // A composition holding one layer "Shape Layer 1" that carries the
    // effect instance "Veltrace".
    Project();

    // ---- state, for tests to set up and inspect ----
    std::vector<std::unique_ptr<ProjectLayer>> layers;  // stable addresses
    ProjectLayer* effectLayer = nullptr;
    std::string effectName = "Veltrace";
    std::array<ParamStreamState, veltrace::kParamCount> params{};
    std::vector<UndoGroup> undoGroups;
    std::vector<std::string> outsideUndo;  // undoable changes made outside any group
    std::vector<std::string> problems;     // misuse seen: bad handles, plug-in ids, undoable flags
    bool unterminatedNames = false;        // fill name buffers to the brim, no terminator

    int liveEffects() const;
    int liveStreams() const;
    std::vector<int> hiddenParams() const;

    // ---- operations behind the AEGP suites ----
    AEGP_EffectRefH newEffect();
    A_Err disposeEffect(AEGP_EffectRefH effect);
    A_Err newEffectStream(AEGP_EffectRefH effect, PF_ParamIndex index, AEGP_StreamRefH* stream);
    A_Err newParentStream(AEGP_StreamRefH stream, AEGP_StreamRefH* parent);
    A_Err newLayerStream(AEGP_LayerH layer, AEGP_LayerStream which, AEGP_StreamRefH* stream);
    A_Err disposeStream(AEGP_StreamRefH stream);
    A_Err streamName(AEGP_StreamRefH stream, A_char* name);
    A_Err setHidden(AEGP_StreamRefH stream, AEGP_DynStreamFlags flag, A_Boolean undoable, A_Boolean set);
    A_Err setExpression(AEGP_StreamRefH stream, const A_char* expression);
    A_Err setValue(AEGP_StreamRefH stream, const AEGP_StreamValue2* value);
    A_Err layerName(AEGP_LayerH layer, A_char* name, A_char* source);
    A_Err parentComp(AEGP_LayerH layer, AEGP_CompH* comp);
    A_Err createNull(const A_UTF16Char* name, AEGP_CompH comp, AEGP_LayerH* layer);
    A_Err startUndoGroup(const A_char* name);
    A_Err endUndoGroup();
    void checkPluginId(const char* operation, AEGP_PluginID id);

private:
    struct Stream {
        enum Kind { kEffectParam, kEffectGroup, kLayerPosition } kind;
        int index;
        ProjectLayer* layer;
    };
    Stream* stream(AEGP_StreamRefH handle);
    void record(const std::string& action);
    void copyName(const std::string& name, A_char* buffer, std::size_t size) const;

    mutable std::mutex mutex_;
    std::map<void*, std::unique_ptr<int>> effects_;
    std::map<void*, std::unique_ptr<Stream>> streams_;
    int openGroups_ = 0;
};
