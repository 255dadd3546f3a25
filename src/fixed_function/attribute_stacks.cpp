// glPushAttrib and glPushClientAttrib over the attributes the layer keeps. Each entry saves
// them all with the mask it was pushed with; popping restores only the groups in that mask.
#include "fixed_function.h"
#include "fixed_function_state.h"

void FixedFunction::PushAttrib(GLbitfield mask) {
  state_->serverStack.push_back(state_->server);
  state_->serverStack.back().mask = mask;
}

void FixedFunction::PopAttrib() {
  if (state_->serverStack.empty()) return;
  const ServerAttributes saved = state_->serverStack.back();
  state_->serverStack.pop_back();
  if (saved.mask & GL_LIST_BIT) state_->server.listBase = saved.listBase;
}

void FixedFunction::PushClientAttrib(GLbitfield mask) {
  state_->clientStack.push_back(state_->client);
  state_->clientStack.back().mask = mask;
}

void FixedFunction::PopClientAttrib() {
  if (state_->clientStack.empty()) return;
  const ClientAttributes saved = state_->clientStack.back();
  state_->clientStack.pop_back();
  if (saved.mask & GL_CLIENT_PIXEL_STORE_BIT) {
    state_->client.unpackAlignment = saved.unpackAlignment;
  }
  if (saved.mask & GL_CLIENT_VERTEX_ARRAY_BIT) {
    state_->client.vertices = saved.vertices;
    state_->client.colours = saved.colours;
  }
}
