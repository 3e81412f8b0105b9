// The classic time-based easing curves: a value that starts at b and changes
// by c over duration d, evaluated at time t. direction is 1 In, 2 Out,
// 3 In/Out; any other value returns t unchanged. Single precision where the
// curve is defined in it, so eased trim windows match the shipped effect bit
// for bit. Pure functions, safe on any thread.
#pragma once

float ExpoInOut(int direction, float t, float b, float c, float d);
float QuintInOut(int direction, float t, float b, float c, float d);
float QuartInOut(int direction, float t, float b, float c, float d);
float SineInOut(int direction, float t, float b, float c, float d);
