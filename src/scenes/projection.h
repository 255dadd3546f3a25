// The demo's perspective: 45 degrees vertically, near 0.1, far 100.
#pragma once

// Replaces the projection matrix with the demo's perspective for a width x height screen,
// then selects the model-view matrix (without resetting it).
void LoadPerspective(int width, int height);
