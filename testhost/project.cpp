#include "testhost/project.h"

#include <algorithm>
#include <cstring>

#include "controls/text_encoding.h"

Project::Project() {
    layers.push_back(std::make_unique<ProjectLayer>(ProjectLayer{"Shape Layer 1", "Shape Layer 1", false, {}}));
    effectLayer = layers.back().get();
}

int Project::liveEffects() const {
    const std::lock_guard lock(mutex_);
    return static_cast<int>(effects_.size());
}

int Project::liveStreams() const {
    const std::lock_guard lock(mutex_);
    return static_cast<int>(streams_.size());
}

std::vector<int> Project::hiddenParams() const {
    std::vector<int> hidden;
    for (int i = 0; i < veltrace::kParamCount; ++i) {
        if (params[std::size_t(i)].hidden) hidden.push_back(i);
    }
    return hidden;
}

void Project::checkPluginId(const char* operation, AEGP_PluginID id) {
    if (id != 0) problems.push_back(std::string(operation) + " got plug-in id " + std::to_string(id));
}

AEGP_EffectRefH Project::newEffect() {
    const std::lock_guard lock(mutex_);
    auto object = std::make_unique<int>(0);
    void* handle = object.get();
    effects_[handle] = std::move(object);
    return static_cast<AEGP_EffectRefH>(handle);
}

A_Err Project::disposeEffect(AEGP_EffectRefH effect) {
    const std::lock_guard lock(mutex_);
    if (effects_.erase(effect) == 0) {
        problems.push_back("disposed an unknown effect handle");
        return PF_Err_BAD_CALLBACK_PARAM;
    }
    return PF_Err_NONE;
}

Project::Stream* Project::stream(AEGP_StreamRefH handle) {
    const auto it = streams_.find(handle);
    return it == streams_.end() ? nullptr : it->second.get();
}

namespace {
template <typename Map, typename Object>
void* keep(Map& map, std::unique_ptr<Object> object) {
    void* handle = object.get();
    map[handle] = std::move(object);
    return handle;
}
}  // namespace

A_Err Project::newEffectStream(AEGP_EffectRefH effect, PF_ParamIndex index, AEGP_StreamRefH* out) {
    const std::lock_guard lock(mutex_);
    if (effects_.count(effect) == 0) return PF_Err_BAD_CALLBACK_PARAM;
    if (index < 0 || index >= veltrace::kParamCount) return PF_Err_INVALID_INDEX;
    *out = static_cast<AEGP_StreamRefH>(keep(streams_, std::make_unique<Stream>(Stream{Stream::kEffectParam, index, nullptr})));
    return PF_Err_NONE;
}

A_Err Project::newParentStream(AEGP_StreamRefH handle, AEGP_StreamRefH* parent) {
    const std::lock_guard lock(mutex_);
    const Stream* s = stream(handle);
    if (!s || s->kind != Stream::kEffectParam) return PF_Err_BAD_CALLBACK_PARAM;
    *parent = static_cast<AEGP_StreamRefH>(keep(streams_, std::make_unique<Stream>(Stream{Stream::kEffectGroup, 0, nullptr})));
    return PF_Err_NONE;
}

A_Err Project::newLayerStream(AEGP_LayerH layer, AEGP_LayerStream which, AEGP_StreamRefH* out) {
    const std::lock_guard lock(mutex_);
    auto* target = reinterpret_cast<ProjectLayer*>(layer);
    const bool known = std::any_of(layers.begin(), layers.end(), [&](const auto& l) { return l.get() == target; });
    if (!known || which != AEGP_LayerStream_POSITION) return PF_Err_BAD_CALLBACK_PARAM;
    *out = static_cast<AEGP_StreamRefH>(keep(streams_, std::make_unique<Stream>(Stream{Stream::kLayerPosition, 0, target})));
    return PF_Err_NONE;
}

A_Err Project::disposeStream(AEGP_StreamRefH handle) {
    const std::lock_guard lock(mutex_);
    if (streams_.erase(handle) == 0) {
        problems.push_back("disposed an unknown stream");
        return PF_Err_BAD_CALLBACK_PARAM;
    }
    return PF_Err_NONE;
}

void Project::copyName(const std::string& name, A_char* buffer, std::size_t size) const {
    if (unterminatedNames && name.size() >= size) {
        std::memcpy(buffer, name.data(), size);
        return;
    }
    const std::size_t n = std::min(name.size(), size - 1);
    std::memcpy(buffer, name.data(), n);
    buffer[n] = '\0';
}

A_Err Project::streamName(AEGP_StreamRefH handle, A_char* name) {
    const std::lock_guard lock(mutex_);
    const Stream* s = stream(handle);
    if (!s || s->kind != Stream::kEffectGroup) return PF_Err_BAD_CALLBACK_PARAM;
    copyName(effectName, name, AEGP_MAX_STREAM_NAME_SIZE);
    return PF_Err_NONE;
}

void Project::record(const std::string& action) {
    if (openGroups_ > 0) {
        undoGroups.back().actions.push_back(action);
    } else {
        outsideUndo.push_back(action);
    }
}

A_Err Project::setHidden(AEGP_StreamRefH handle, AEGP_DynStreamFlags flag, A_Boolean undoable, A_Boolean set) {
    const std::lock_guard lock(mutex_);
    const Stream* s = stream(handle);
    if (!s || s->kind != Stream::kEffectParam || flag != AEGP_DynStreamFlag_HIDDEN) return PF_Err_BAD_CALLBACK_PARAM;
    if (undoable) problems.push_back("visibility of " + std::to_string(s->index) + " changed as undoable");
    params[std::size_t(s->index)].hidden = set != 0;
    return PF_Err_NONE;
}

A_Err Project::setExpression(AEGP_StreamRefH handle, const A_char* expression) {
    const std::lock_guard lock(mutex_);
    const Stream* s = stream(handle);
    if (!s || s->kind != Stream::kEffectParam) return PF_Err_BAD_CALLBACK_PARAM;
    params[std::size_t(s->index)].expression = expression;
    record("expression on parameter " + std::to_string(s->index));
    return PF_Err_NONE;
}

A_Err Project::setValue(AEGP_StreamRefH handle, const AEGP_StreamValue2* value) {
    const std::lock_guard lock(mutex_);
    const Stream* s = stream(handle);
    if (!s || s->kind != Stream::kLayerPosition || value->streamH != handle) return PF_Err_BAD_CALLBACK_PARAM;
    s->layer->position = value->val.three_d;
    record("position of " + s->layer->name);
    return PF_Err_NONE;
}

A_Err Project::layerName(AEGP_LayerH layer, A_char* name, A_char* source) {
    const std::lock_guard lock(mutex_);
    const auto* target = reinterpret_cast<const ProjectLayer*>(layer);
    if (target != effectLayer) return PF_Err_BAD_CALLBACK_PARAM;
    copyName(target->name, name, AEGP_MAX_LAYER_NAME_SIZE);
    copyName(target->sourceName, source, AEGP_MAX_ITEM_NAME_SIZE);
    return PF_Err_NONE;
}

A_Err Project::parentComp(AEGP_LayerH layer, AEGP_CompH* comp) {
    if (reinterpret_cast<ProjectLayer*>(layer) != effectLayer) return PF_Err_BAD_CALLBACK_PARAM;
    *comp = reinterpret_cast<AEGP_CompH>(this);
    return PF_Err_NONE;
}

A_Err Project::createNull(const A_UTF16Char* name, AEGP_CompH comp, AEGP_LayerH* layer) {
    const std::lock_guard lock(mutex_);
    if (reinterpret_cast<Project*>(comp) != this) return PF_Err_BAD_CALLBACK_PARAM;
    std::u32string text;
    for (const A_UTF16Char* u = name; *u; ++u) {
        char32_t cp = *u;
        if (cp >= 0xD800 && cp < 0xDC00 && u[1] >= 0xDC00 && u[1] < 0xE000) {
            cp = 0x10000 + ((cp - 0xD800) << 10) + (u[1] - 0xDC00);
            ++u;
        }
        text.push_back(cp);
    }
    layers.push_back(std::make_unique<ProjectLayer>(ProjectLayer{encodeUtf8(text), "Null 1", true, {}}));
    *layer = reinterpret_cast<AEGP_LayerH>(layers.back().get());
    record("null layer " + layers.back()->name);
    return PF_Err_NONE;
}

A_Err Project::startUndoGroup(const A_char* name) {
    const std::lock_guard lock(mutex_);
    undoGroups.push_back({name, {}, false});
    ++openGroups_;
    return PF_Err_NONE;
}

A_Err Project::endUndoGroup() {
    const std::lock_guard lock(mutex_);
    if (openGroups_ == 0) {
        problems.push_back("ended an undo group that was not begun");
        return PF_Err_BAD_CALLBACK_PARAM;
    }
    --openGroups_;
    undoGroups.back().closed = true;
    return PF_Err_NONE;
}
