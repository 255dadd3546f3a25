// The table of scenes: the blob grid for about 31 seconds, then the cube crosses until quit.
#include "scene_table.h"

#include "blob_grid.h"
#include "cube_cross.h"
#include "text/text_tables.h"

const Scene kScenes[kSceneCount] = {
    // 1: the blob grid, green text; ends on the first pass past 31,000 ms.
    {CameraPath::Orbit,
     [](float t) { DrawBlobGrid(t); },
     {texten, texten_rader, 0.32f, 25, Colour{0, 1, 0}},
     3.1f},
    // 2: the cube crosses, red text; runs until the demo quits.
    {CameraPath::Travel,
     DrawCubeCross,
     {texten2, texten2_rader, 0.2f, 5, Colour{1, 0, 0}},
     kNeverEnds},
};

const Scene& SceneNumber(int scene) { return kScenes[scene - 1]; }

bool SceneIsOver(const Scene& scene, float t) { return t > scene.endsPast; }
