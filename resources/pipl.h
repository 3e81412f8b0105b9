// The plug-in property list in the forms the two platforms' hosts read.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "resources/effect_identity.h"

// The Windows "PIPL" resource (type PIPL, id 16000): 12 properties,
// little-endian, each padded to 4 bytes.
std::vector<std::uint8_t> windowsPiplBytes(const EffectIdentity& identity);

// The macOS bundle's property list as an XML plist: the same 12 values,
// with the code entry point keyed for the Mac x86-64 processor ("mi64").
std::string macPiplPlist(const EffectIdentity& identity);
