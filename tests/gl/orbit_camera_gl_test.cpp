// The start of every frame on a real GL context: white picture, matrices from the cursor.
#include <GL/glu.h>

#include "offscreen_frame.h"
#include "scenes/orbit_camera.h"

using OrbitCameraGL = OffscreenFrame;

TEST_F(OrbitCameraGL, AFrameOfTheCameraAloneIsWhiteEverywhere) {
  glClearColor(0.2f, 0.3f, 0.4f, 1);
  glClear(GL_COLOR_BUFFER_BIT);
  SetOrbitCamera(CameraPath::Orbit, 0.5f, {});
  const std::vector<Pixel> picture = ReadPicture();
  ASSERT_EQ(picture.size(), 800u * 600u);
  for (const Pixel& pixel : picture) ASSERT_EQ(pixel, (Pixel{255, 255, 255}));
}

// The matrices SetOrbitCamera leaves must be the perspective and the look-at from the eye
// that the cursor gives, built here independently through GLU.
void ExpectMatricesMatch(int scene, float t, CursorPos cursor, const Eye& expectedEye) {
  GLdouble projection[16];
  GLdouble modelView[16];
  glGetDoublev(GL_PROJECTION_MATRIX, projection);
  glGetDoublev(GL_MODELVIEW_MATRIX, modelView);
  GLint mode = 0;
  glGetIntegerv(GL_MATRIX_MODE, &mode);
  EXPECT_EQ(mode, GL_MODELVIEW) << "scene " << scene << " t " << t;

  glMatrixMode(GL_PROJECTION);
  glLoadIdentity();
  gluPerspective(45, 800.0 / 600.0, 0.1f, 100);
  GLdouble expectedProjection[16];
  glGetDoublev(GL_PROJECTION_MATRIX, expectedProjection);
  glMatrixMode(GL_MODELVIEW);
  glLoadIdentity();
  gluLookAt(expectedEye.x, expectedEye.y, expectedEye.z, 0, 0, 0, 0, 1, 0);
  GLdouble expectedModelView[16];
  glGetDoublev(GL_MODELVIEW_MATRIX, expectedModelView);
  for (int i = 0; i < 16; ++i) {
    EXPECT_NEAR(projection[i], expectedProjection[i], 1e-6) << "projection element " << i;
    EXPECT_NEAR(modelView[i], expectedModelView[i], 1e-5)
        << "model-view element " << i << " at cursor " << cursor.x << ", " << cursor.y;
  }
}

TEST_F(OrbitCameraGL, MatricesFollowTheCursor) {
  SetOrbitCamera(CameraPath::Orbit, 0, {400, 300});
  ExpectMatricesMatch(1, 0, {400, 300}, Eye{0, 0, 30});

  SetOrbitCamera(CameraPath::Orbit, 0, {0, 300});
  ExpectMatricesMatch(1, 0, {0, 300}, Eye{0, 0, -30});

  SetOrbitCamera(CameraPath::Travel, 0.25f, {200, 0});
  ExpectMatricesMatch(2, 0.25f, {200, 0},
                      OrbitEye(CameraPath::Travel, ComputeMouseOffset({200, 0}), 0.25f));
}
