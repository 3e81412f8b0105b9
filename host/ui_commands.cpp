#include "host/ui_commands.h"

// The visibility rules and the buttons' reactions are not in place yet:
// both commands change nothing.
PF_Err updateParamsUI(PF_InData*, PF_OutData*, PF_ParamDef*[]) { return PF_Err_NONE; }

PF_Err userChangedParam(PF_InData*, PF_OutData*, PF_ParamDef*[], const PF_UserChangedParamExtra*) {
    return PF_Err_NONE;
}
