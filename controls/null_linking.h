// Create Nulls: two new null layers in the effect's composition, placed at
// Start and End, which the Start and End parameters follow by expressions;
// all inside one undo group "Tie Nulls".
#pragma once

#include <string>
#include <vector>

#include "host/host_steps.h"
#include "host/suite_handler.h"

// Runs the host steps in order while steps has no error, ends the undo
// group whenever it was begun, and disposes everything obtained. Throws
// 516 for a missing suite.
void linkNulls(PF_InData* in_data, PF_ParamDef* params[], AEGP_SuiteHandler& suites, HostSteps& steps);

struct NullNames {
    std::vector<A_UTF16Char> startNull;  // UTF-16, terminated
    std::vector<A_UTF16Char> endNull;
    std::string startExpression;  // UTF-8, terminated by std::string
    std::string endExpression;
};

// The names and expressions for a layer, its source item and the effect
// instance (8-bit names as the host gives them, read as UTF-8).
NullNames nullNames(const std::string& layerName, const std::string& sourceName, const std::string& effectName);
