// The frame batch's GLES2 side: two small programs, one vertex buffer and the glyph texture.
// The shaders are GLSL ES 1.00, which WebGL takes and desktop GL takes through
// ARB_ES2_compatibility.
#include "frame_batch.h"

#include <algorithm>
#include <cmath>
#include <cstdio>

namespace {

constexpr int kTriangleFloats = 7;
constexpr int kGlyphFloats = 9;
// The glyph texture's width in texels (a wider bitmap widens it): a power of two, so that
// texel coordinates scale to it exactly, and far below the 4096 texels WebGL offers nearly
// everywhere.
constexpr int kAtlasWidth = 2048;

// Colours arrive as 8-bit levels (0 ... 255) and are rounded again per fragment: a triangle's
// one colour, interpolated between equal corners, comes out a hair off, and must not cross a
// rounding boundary of the 8-bit framebuffer on the way.
const char* const kTriangleVertex = R"(#version 100
attribute vec4 position;
attribute vec3 colour;
varying vec3 shade;
void main() {
  gl_Position = position;
  shade = colour;
})";

const char* const kTriangleFragment = R"(#version 100
precision mediump float;
varying vec3 shade;
void main() { gl_FragColor = vec4(floor(shade + 0.5) / 255.0, 1.0); })";

// Texel coordinates are whole texels, scaled here to the glyph texture's size.
const char* const kGlyphVertex = R"(#version 100
attribute vec4 position;
attribute vec3 colour;
attribute vec2 texel;
uniform vec2 texelSize;
varying vec3 shade;
varying vec2 where;
void main() {
  gl_Position = position;
  shade = colour;
  where = texel * texelSize;
})";

// glBitmap leaves the pixels of unset bits alone. The texel coordinate must hold whole texels of
// a texture 2048 wide and more, finer than a 16-bit float does: high precision where the device
// has it (where medium precision is 32-bit, as in desktop browsers, the two are the same).
const char* const kGlyphFragment = R"(#version 100
#ifdef GL_FRAGMENT_PRECISION_HIGH
precision highp float;
#else
precision mediump float;
#endif
uniform sampler2D glyphs;
varying vec3 shade;
varying vec2 where;
void main() {
  if (texture2D(glyphs, where).r < 0.5) discard;
  gl_FragColor = vec4(floor(shade + 0.5) / 255.0, 1.0);
})";

GLuint CompileShader(GLenum type, const char* source) {
  const GLuint shader = glCreateShader(type);
  glShaderSource(shader, 1, &source, nullptr);
  glCompileShader(shader);
  GLint ok = GL_FALSE;
  glGetShaderiv(shader, GL_COMPILE_STATUS, &ok);
  if (ok != GL_TRUE) {
    char log[512] = "";
    glGetShaderInfoLog(shader, sizeof log, nullptr, log);
    std::fprintf(stderr, "demo: shader does not compile: %s\n", log);
    glDeleteShader(shader);
    return 0;
  }
  return shader;
}

GLuint LinkProgram(const char* vertexSource, const char* fragmentSource) {
  const GLuint vertex = CompileShader(GL_VERTEX_SHADER, vertexSource);
  const GLuint fragment = CompileShader(GL_FRAGMENT_SHADER, fragmentSource);
  if (vertex == 0 || fragment == 0) return 0;
  const GLuint program = glCreateProgram();
  glAttachShader(program, vertex);
  glAttachShader(program, fragment);
  glBindAttribLocation(program, 0, "position");
  glBindAttribLocation(program, 1, "colour");
  glBindAttribLocation(program, 2, "texel");
  glLinkProgram(program);
  glDeleteShader(vertex);
  glDeleteShader(fragment);
  GLint ok = GL_FALSE;
  glGetProgramiv(program, GL_LINK_STATUS, &ok);
  if (ok != GL_TRUE) {
    glDeleteProgram(program);
    return 0;
  }
  return program;
}

// A colour component in [0, 1] as the 8-bit level the GL stores for it: the product rounded to
// the nearest level, ties to even.
float ColourLevel(float value) { return std::nearbyint(value * 255.0f); }

void PointAttribute(GLuint index, int size, int stride, int offset) {
  glEnableVertexAttribArray(index);
  glVertexAttribPointer(index, size, GL_FLOAT, GL_FALSE, stride * static_cast<int>(sizeof(float)),
                        reinterpret_cast<const void*>(offset * sizeof(float)));
}

void Upload(const std::vector<float>& vertices) {
  glBufferData(GL_ARRAY_BUFFER, static_cast<GLsizeiptr>(vertices.size() * sizeof(float)),
               vertices.data(), GL_STREAM_DRAW);
}

}  // namespace

bool FrameBatch::Create() {
  triangleProgram_ = LinkProgram(kTriangleVertex, kTriangleFragment);
  glyphProgram_ = LinkProgram(kGlyphVertex, kGlyphFragment);
  glGenBuffers(1, &buffer_);
  glGenTextures(1, &texture_);
  textureCurrent_ = false;
  return triangleProgram_ != 0 && glyphProgram_ != 0;
}

void FrameBatch::Release() {
  glDeleteProgram(triangleProgram_);
  glDeleteProgram(glyphProgram_);
  glDeleteBuffers(1, &buffer_);
  glDeleteTextures(1, &texture_);
  triangleProgram_ = glyphProgram_ = buffer_ = texture_ = 0;
  triangleVertices_.clear();
  glyphVertices_.clear();
  glyphImages_.clear();
}

void FrameBatch::AddVertex(const float clip[4], const float colour[3]) {
  triangleVertices_.insert(triangleVertices_.end(), clip, clip + 4);
  for (int c = 0; c < 3; ++c) triangleVertices_.push_back(ColourLevel(colour[c]));
}

int FrameBatch::KeepBitmap(BitmapImage image) {
  textureCurrent_ = false;
  if (!freeNumbers_.empty()) {
    const int number = freeNumbers_.back();
    freeNumbers_.pop_back();
    images_[static_cast<std::size_t>(number)] = std::move(image);
    imageKept_[static_cast<std::size_t>(number)] = true;
    return number;
  }
  images_.push_back(std::move(image));
  imageKept_.push_back(true);
  imageLeft_.push_back(0);
  imageBottom_.push_back(0);
  return static_cast<int>(images_.size()) - 1;
}

void FrameBatch::ForgetBitmap(int image) {
  const auto number = static_cast<std::size_t>(image);
  if (image < 0 || number >= images_.size() || !imageKept_[number]) return;
  images_[number] = BitmapImage{};
  imageKept_[number] = false;
  freeNumbers_.push_back(image);
  textureCurrent_ = false;
}

void FrameBatch::AddBitmap(int image, int left, int bottom, int width, int height,
                           const float colour[3]) {
  const BitmapImage& bitmap = images_[static_cast<std::size_t>(image)];
  if (bitmap.width == 0 || bitmap.height == 0) return;
  const float x0 = 2.0f * left / width - 1;
  const float x1 = 2.0f * (left + bitmap.width) / width - 1;
  const float y0 = 2.0f * bottom / height - 1;
  const float y1 = 2.0f * (bottom + bitmap.height) / height - 1;
  // In texels from the bitmap's corner; Flush adds the bitmap's place in the texture.
  const auto u1 = static_cast<float>(bitmap.width);
  const auto v1 = static_cast<float>(bitmap.height);
  const float corners[6][4] = {{x0, y0, 0, 0}, {x1, y0, u1, 0},  {x1, y1, u1, v1},
                               {x0, y0, 0, 0}, {x1, y1, u1, v1}, {x0, y1, 0, v1}};
  const float r = ColourLevel(colour[0]);
  const float g = ColourLevel(colour[1]);
  const float b = ColourLevel(colour[2]);
  for (const auto& c : corners) {
    const float vertex[kGlyphFloats] = {c[0], c[1], 0, 1, r, g, b, c[2], c[3]};
    glyphVertices_.insert(glyphVertices_.end(), vertex, vertex + kGlyphFloats);
  }
  glyphImages_.push_back(image);
}

void FrameBatch::UploadGlyphTexture() {
  // The bitmaps are placed on shelves in a texture kAtlasWidth texels wide (wider only for a
  // wider bitmap), so that a font of large glyphs stays far inside the texture sizes every
  // WebGL offers rather than running out in one long row. A clear column and row keep
  // neighbours apart. The width is a multiple of 8 texels, so that whatever unpack alignment
  // the context has (1, 2, 4 or 8) reads the texture's rows as packed.
  std::vector<int> order;
  int widest = 0;
  for (std::size_t i = 0; i < images_.size(); ++i) {
    if (images_[i].width == 0 || images_[i].height == 0) continue;
    order.push_back(static_cast<int>(i));
    widest = std::max(widest, images_[i].width);
  }
  // By size alone (the tallest first, then the widest), so that the same bitmaps take the same
  // room whatever numbers they were kept under.
  std::stable_sort(order.begin(), order.end(), [this](int a, int b) {
    const BitmapImage& first = images_[static_cast<std::size_t>(a)];
    const BitmapImage& second = images_[static_cast<std::size_t>(b)];
    if (first.height != second.height) return first.height > second.height;
    return first.width > second.width;
  });
  textureWidth_ = std::max(kAtlasWidth, (widest + 7) / 8 * 8);
  int x = 0;
  int shelfBottom = 0;
  int shelfHeight = 0;
  for (const int i : order) {
    const BitmapImage& image = images_[static_cast<std::size_t>(i)];
    if (x + image.width > textureWidth_) {
      shelfBottom += shelfHeight + 1;
      x = 0;
      shelfHeight = 0;
    }
    imageLeft_[static_cast<std::size_t>(i)] = x;
    imageBottom_[static_cast<std::size_t>(i)] = shelfBottom;
    x += image.width + 1;
    shelfHeight = std::max(shelfHeight, image.height);
  }
  textureHeight_ = std::max(1, shelfBottom + shelfHeight);

  // One byte per texel, row 0 the bitmaps' bottom rows, so texture v grows upwards with them.
  std::vector<std::uint8_t> texels(static_cast<std::size_t>(textureWidth_) * textureHeight_, 0);
  for (const int i : order) {
    const BitmapImage& image = images_[static_cast<std::size_t>(i)];
    const int left = imageLeft_[static_cast<std::size_t>(i)];
    const int bottom = imageBottom_[static_cast<std::size_t>(i)];
    for (int y = 0; y < image.height; ++y) {
      for (int x = 0; x < image.width; ++x) {
        texels[static_cast<std::size_t>(bottom + y) * textureWidth_ + left + x] =
            image.pixels[static_cast<std::size_t>(y) * image.width + x] ? 255 : 0;
      }
    }
  }
  glBindTexture(GL_TEXTURE_2D, texture_);
  glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MIN_FILTER, GL_NEAREST);
  glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MAG_FILTER, GL_NEAREST);
  glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_WRAP_S, GL_CLAMP_TO_EDGE);
  glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_WRAP_T, GL_CLAMP_TO_EDGE);
  glTexImage2D(GL_TEXTURE_2D, 0, GL_LUMINANCE, textureWidth_, textureHeight_, 0, GL_LUMINANCE,
               GL_UNSIGNED_BYTE, texels.data());
  textureCurrent_ = true;
}

void FrameBatch::Flush() {
  glBindBuffer(GL_ARRAY_BUFFER, buffer_);
  if (!triangleVertices_.empty()) {
    glUseProgram(triangleProgram_);
    Upload(triangleVertices_);
    PointAttribute(0, 4, kTriangleFloats, 0);
    PointAttribute(1, 3, kTriangleFloats, 4);
    glDisableVertexAttribArray(2);
    glDrawArrays(GL_TRIANGLES, 0, static_cast<GLsizei>(triangleVertices_.size() / kTriangleFloats));
    triangleVertices_.clear();
  }
  if (!glyphVertices_.empty()) {
    // Bitmaps are not polygons: culling never removes them.
    const GLboolean culling = glIsEnabled(GL_CULL_FACE);
    glDisable(GL_CULL_FACE);
    glUseProgram(glyphProgram_);
    glActiveTexture(GL_TEXTURE0);
    if (textureCurrent_) {
      glBindTexture(GL_TEXTURE_2D, texture_);
    } else {
      UploadGlyphTexture();
    }
    // Each bitmap's texels, from its corner, now from the texture's.
    for (std::size_t quad = 0; quad < glyphImages_.size(); ++quad) {
      const auto image = static_cast<std::size_t>(glyphImages_[quad]);
      for (std::size_t corner = 0; corner < 6; ++corner) {
        float* texel = &glyphVertices_[(quad * 6 + corner) * kGlyphFloats + 7];
        texel[0] += static_cast<float>(imageLeft_[image]);
        texel[1] += static_cast<float>(imageBottom_[image]);
      }
    }
    glUniform1i(glGetUniformLocation(glyphProgram_, "glyphs"), 0);
    glUniform2f(glGetUniformLocation(glyphProgram_, "texelSize"), 1.0f / textureWidth_,
                1.0f / textureHeight_);
    Upload(glyphVertices_);
    PointAttribute(0, 4, kGlyphFloats, 0);
    PointAttribute(1, 3, kGlyphFloats, 4);
    PointAttribute(2, 2, kGlyphFloats, 7);
    glDrawArrays(GL_TRIANGLES, 0, static_cast<GLsizei>(glyphVertices_.size() / kGlyphFloats));
    if (culling == GL_TRUE) glEnable(GL_CULL_FACE);
    glyphVertices_.clear();
    glyphImages_.clear();
  }
}
