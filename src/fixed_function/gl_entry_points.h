// The GL's global names for a program whose context is GLES2 only (the web page over WebGL):
// gl_entry_points.cpp defines the OpenGL 1.1 calls below, each handed to one
// FixedFunction layer, so the demo's GL code builds for the page unchanged.
//
// Implemented by the layer:
//   matrices   glMatrixMode (GL_MODELVIEW, GL_PROJECTION), glLoadIdentity, glPushMatrix,
//              glPopMatrix, glTranslatef/d, glScalef, glRotatef, glMultMatrixf/d, glOrtho;
//              glGetFloatv of GL_MODELVIEW_MATRIX and
//              GL_PROJECTION_MATRIX
//   geometry   glColor3f, glShadeModel (every triangle is drawn flat, in its last corner's
//              colour), glBegin (GL_TRIANGLE_STRIP) / glVertex3f / glEnd;
//              glEnableClientState, glDisableClientState, glVertexPointer (2-4 GL_FLOAT),
//              glColorPointer (3-4 GL_FLOAT), glDrawElements (GL_TRIANGLES)
//   bitmaps    glRasterPos3f, glBitmap, glGenLists, glNewList, glEndList (lists of one
//              glBitmap), glDeleteLists, glListBase, glCallLists (GL_UNSIGNED_BYTE),
//              glPixelStorei (GL_UNPACK_ALIGNMENT only)
//   attributes glPushAttrib/glPopAttrib (GL_LIST_BIT), glPushClientAttrib/
//              glPopClientAttrib (GL_CLIENT_PIXEL_STORE_BIT, GL_CLIENT_VERTEX_ARRAY_BIT)
// Watched by the layer, then made on WebGL: glViewport (it maps the raster position), glClear
// (the frame so far is drawn first), glClearColor (alpha forced to 1: the canvas is composited
// with the page, so it stays opaque).
// WebGL's own, with WebGL's meaning: every other call GL 1.1 shares with GLES2, e.g.
// glEnable/glDisable/glIsEnabled, glCullFace, glFrontFace, glBlendFunc, glDepthFunc,
// glReadPixels, glTexImage2D, glGetError, glDrawArrays (of WebGL buffers, not client arrays),
// and glGetBooleanv/glGetIntegerv/glGetFloatv of anything not named above. GL 1.1 names there
// (GL_LIGHTING, GL_RENDER_MODE, GL_CURRENT_RASTER_POSITION) are WebGL errors that leave the
// result alone, so glPrint never merges text here and draws it through the glyph lists.
// Not implemented, and so not linkable: the rest of GL 1.1, and GLU (the demo computes GLU's
// perspective and look-at itself, gl_matrix/camera_matrices.h), e.g. glVertex2f/4f,
// glColor4f, glNormal*, glTexCoord*, glRasterPos2*, glRotated, glScaled, glFrustum,
// glLoadMatrix*, glRenderMode, glFeedbackBuffer, glCallList, lighting, fog and
// texture environment calls. Calling one fails the page's link
// (emscripten's undefined-symbol check) rather than its run.
// Arguments outside what is listed (another primitive, array type or list type) draw nothing.
#pragma once

// Sets the layer up on the current WebGL context, with the GL's initial state.
bool StartFixedFunction();
// Draws what the frame has sent so far; called before the buffers are shown.
void FlushFixedFunction();
// Frees the layer's WebGL objects; the context must still be current.
void StopFixedFunction();
