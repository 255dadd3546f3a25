// The demo's only geometry: a cube with corners at +-1, sent as three triangle strips.
#pragma once

// Sends positions only and changes no GL state, so callers place it with the model-view
// matrix and colour it with the current colour. Every outer face winds clockwise seen from
// outside, i.e. is a back face under the default front-face rule.
void cube();
