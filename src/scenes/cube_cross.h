// Scene 2: four nested crosses of cubes swinging about two axes.
#pragma once

void DrawCubeCross(float t);
