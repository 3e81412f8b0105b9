// Moving a drawn frame into the host's 8-bit output world, and putting the
// input layer behind it.
#pragma once

#include <cairo.h>

#include <cstdint>

#include "host/suite_handler.h"

// Writes every pixel of output from surface (ARGB32, premultiplied, the
// same size): straight colour, bytes in the order alpha, red, green, blue.
// Partly transparent pixels become min(c * 255 / A, 255), truncated;
// A = 0 and A = 255 keep their bytes. Row padding of the output is not
// touched. The output's address is fetched once through get_pixel_data8;
// when the host cannot give it, nothing is written and its error (or 512
// for no address) is returned, so the frame is not reported as drawn.
PF_Err transferSurfaceToWorld(PF_InData* in_data, cairo_surface_t* surface, PF_EffectWorld* output);

// One row of the transfer: width pixels from src (cairo words) to dst.
void unpremultiplyRow(const std::uint32_t* src, PF_Pixel* dst, int width);

// n pixels of any alpha, as words in the output's byte order. Exposed so
// that the tests run it on every (c, A) pair.
void unpremultiplyPartial(const std::uint32_t* src, std::uint32_t* dst, int n);
// n empty or opaque pixels, bytes reordered only.
void reorderPixels(const std::uint32_t* src, std::uint32_t* dst, int n);

// Composites the input layer (params[0]) behind what output holds, through
// "PF World Transform Suite" transfer_rect: the extent hint of in_data as
// source rectangle, placed at (0, 0). Returns the host's error code; throws
// 516 when the suite is missing.
PF_Err compositeInputBehind(PF_InData* in_data, AEGP_SuiteHandler& suites, PF_ParamDef* params[],
                            PF_EffectWorld* output);
