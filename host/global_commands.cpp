#include "host/global_commands.h"

#include <string>

#include "engine/frame.h"

#include "host/suite_handler.h"
#include "resources/effect_identity.h"

PF_Err globalSetup(PF_InData* in_data, PF_OutData* out_data) {
    // A static cairo (the Windows module's) creates its locks on first use,
    // and that first use is not thread-safe. Global setup runs alone, before
    // any render: touch surface, context and pattern once here.
    {
        const CairoSurfacePtr surface(cairo_image_surface_create(CAIRO_FORMAT_ARGB32, 1, 1));
        const CairoContextPtr cr(cairo_create(surface.get()));
        cairo_set_source_rgba(cr.get(), 0, 0, 0, 0);
    }

    out_data->my_version = kEffectIdentity.packedVersion();
    out_data->out_flags = kEffectIdentity.outFlags;
    out_data->out_flags2 = kEffectIdentity.outFlags2;
    if (in_data->appl_id == PF_APPL_ID_PREMIERE) out_data->out_flags = PF_OutFlag_I_AM_OBSOLETE;
    return PF_Err_NONE;
}

PF_Err about(PF_InData* in_data, PF_OutData* out_data) {
    if (in_data->appl_id == PF_APPL_ID_PREMIERE) return PF_Err_NONE;
    const EffectIdentity& id = kEffectIdentity;
    const std::string text = std::string(id.name) + " v" + std::to_string(id.versionMajor) + "." +
                             std::to_string(id.versionMinor) + "." + std::to_string(id.versionPatch) + "\n" +
                             id.description;
    AEGP_SuiteHandler suites(in_data->pica_basicP);
    // Through "%s": the text is printed, never read as a format.
    suites.ANSICallbacksSuite1()->sprintf(out_data->return_msg, "%s", text.c_str());
    return PF_Err_NONE;
}
