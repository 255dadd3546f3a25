// Polygons captured in GL feedback mode: what survives culling and clipping, in the order it
// was sent, with each vertex also carried back into the coordinates the drawing began in.
#pragma once

#include <functional>
#include <vector>

struct Vec3 {
  double x = 0;
  double y = 0;
  double z = 0;
};

struct FeedbackVertex {
  Vec3 window;  // window coordinates (pixels from the bottom left, depth 0 ... 1)
  Vec3 object;  // the same point under the matrices that were current when capture began
  float r = 0, g = 0, b = 0;
};

using FeedbackPolygon = std::vector<FeedbackVertex>;

// Runs draw in feedback mode and returns the polygons it produced.
std::vector<FeedbackPolygon> CapturePolygons(const std::function<void()>& draw);

// The area a polygon covers in window pixels (positive whatever its winding).
double WindowArea(const FeedbackPolygon& polygon);

// The polygon's centroid in the object coordinates of the capture.
Vec3 ObjectCentroid(const FeedbackPolygon& polygon);
