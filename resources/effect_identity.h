// The one description of the effect's identity and flags. Registration,
// global setup, the about text and both platforms' property lists are all
// made from it, so they cannot disagree.
#pragma once

#include "hostapi/ae_effect.h"

// The host's version packing: version, subversion, patch, stage, build.
constexpr A_u_long PF_VERSION(A_u_long vers, A_u_long subvers, A_u_long bugvers, A_u_long stage, A_u_long build) {
    return (vers << 19) | (subvers << 15) | (bugvers << 11) | (stage << 9) | build;
}

struct EffectIdentity {
    const char* name;
    const char* matchName;
    const char* category;
    const char* entryPoint;
    const char* description;
    A_long kind;
    A_long apiVersionMajor;
    A_long apiVersionMinor;
    A_long reservedInfo;
    A_u_long versionMajor;
    A_u_long versionMinor;
    A_u_long versionPatch;
    A_u_long versionStage;  // 0 develop
    A_u_long versionBuild;
    PF_OutFlags outFlags;
    PF_OutFlags2 outFlags2;
    A_u_short piplVersionMajor;
    A_u_short piplVersionMinor;
    A_u_short effectInfoFlags;

    constexpr A_u_long packedVersion() const {
        return PF_VERSION(versionMajor, versionMinor, versionPatch, versionStage, versionBuild);
    }
};

inline constexpr EffectIdentity kEffectIdentity{
    .name = "Veltrace",
    .matchName = "ZOVA",
    .category = "Orlenby",
    .entryPoint = "EffectMain",
    .description = "Draws a curved bezier from point A to point B.",
    .kind = PF_FourCharCode('e', 'F', 'K', 'T'),
    .apiVersionMajor = 13,
    .apiVersionMinor = 25,
    .reservedInfo = 8,
    .versionMajor = 1,
    .versionMinor = 5,
    .versionPatch = 7,
    .versionStage = 0,
    .versionBuild = 1,
    .outFlags = PF_OutFlag_NON_PARAM_VARY | PF_OutFlag_USE_OUTPUT_EXTENT,
    .outFlags2 = PF_OutFlag2_PARAM_GROUP_START_COLLAPSED_FLAG | PF_OutFlag2_SUPPORTS_THREADED_RENDERING,
    .piplVersionMajor = 2,
    .piplVersionMinor = 0,
    .effectInfoFlags = 0,
};
