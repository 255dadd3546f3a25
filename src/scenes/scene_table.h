// The demo's scenes as data: for each one, how the camera moves, what is drawn, which lines
// of text type themselves over it and when it ends. Scene N is kScenes[N - 1].
#pragma once

#include <limits>

#include "orbit_camera.h"
#include "text/typed_lines.h"

// A scene's text overlay: the arguments DrawTypedLines takes besides the clock.
struct TypedText {
  const TextTable& table;
  const int& rows;
  float interval;  // scene time from one row's start to the next
  float drift;     // how fast each row circles, in radians per unit of t
  Colour colour;
};

struct Scene {
  CameraPath camera;
  void (*draw)(float t);  // the scene's cubes, drawn after the camera is set
  TypedText text;
  // The scene ends on the first pass of the loop whose clock is past this.
  float endsPast;
};

inline constexpr float kNeverEnds = std::numeric_limits<float>::infinity();

inline constexpr int kSceneCount = 2;
extern const Scene kScenes[kSceneCount];

// Scene number 1 .. kSceneCount.
const Scene& SceneNumber(int scene);

// Compared in single precision: a clock that rounds to the same float as the end still draws.
bool SceneIsOver(const Scene& scene, float t);
