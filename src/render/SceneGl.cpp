// The scene in OpenGL: context state, viewport, frames, lights, textures and compiling every
// object.
#include "render/Scene.h"

#include "platform/GlContext.h"
#include "platform/Ui.h"

#include <GL/gl.h>
#include <GL/glu.h>

#include <algorithm>

#ifndef GL_DRAW_FRAMEBUFFER_BINDING
#define GL_DRAW_FRAMEBUFFER_BINDING 0x8CA6
#endif

namespace ventrel {

namespace {

void SetLight(GLenum light, GLenum which, GLfloat r, GLfloat g, GLfloat b, GLfloat a = 1.0f) {
    const GLfloat value[4] = {r, g, b, a};
    glLightfv(light, which, value);
}

} // namespace

void Scene::InitGl() {
    glPolygonMode(GL_FRONT_AND_BACK, GL_FILL);
    glShadeModel(GL_SMOOTH);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_WRAP_S, GL_REPEAT);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_WRAP_T, GL_REPEAT);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MAG_FILTER, GL_LINEAR);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MIN_FILTER, GL_LINEAR);
    glTexEnvi(GL_TEXTURE_ENV, GL_TEXTURE_ENV_MODE, GL_DECAL);
    SetLight(GL_LIGHT0, GL_AMBIENT, 0.7f, 0.7f, 0.7f);
    SetLight(GL_LIGHT0, GL_DIFFUSE, 0.8f, 0.8f, 0.8f);
    SetLight(GL_LIGHT0, GL_SPECULAR, 1, 1, 1);
    glLightModeli(GL_LIGHT_MODEL_TWO_SIDE, GL_TRUE);
    glEnable(GL_LIGHT0);
    glEnable(GL_LIGHTING);
    glEnable(GL_BLEND);
    glBlendFunc(GL_SRC_ALPHA, GL_ONE_MINUS_SRC_ALPHA);
    // The scene exists before its context does: the default light and modulated textures come
    // now, so that a scene bringing lights of its own (which BuildLights then sets) does not keep
    // its textures pasted over the lighting.
    DefaultLight();

    ResetCamera();
    BuildAll();
    BuildLights();
    glPolygonMode(GL_FRONT_AND_BACK, GL_FILL);
    glClearColor(0, 0, 0, 0);
    glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
    m_translateStep = 0.2f;
    m_rotateStep = 0.4f;
    m_display3D = false;
}

void Scene::Reshape(int width, int height) {
    m_viewWidth = width;
    m_viewHeight = height;
    m_aspect = height == 0 ? static_cast<double>(width)
                           : static_cast<double>(width) / static_cast<double>(height);
    glViewport(0, 0, width, height);
    glMatrixMode(GL_PROJECTION);
    glLoadIdentity();
    gluPerspective(45.0, m_aspect, 0.1, 50000.0);
    glMatrixMode(GL_MODELVIEW);
    glLoadIdentity();
    glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
    // A framebuffer object (the desktop widget, the offscreen context) has no back buffer to
    // select.
    GLint framebuffer = 0;
    glGetIntegerv(GL_DRAW_FRAMEBUFFER_BINDING, &framebuffer);
    glGetError();
    if (framebuffer == 0)
        glDrawBuffer(GL_BACK);
    glEnable(GL_DEPTH_TEST);
}

void Scene::PaintFrame(Vec3 background, GlContext *context) {
    if (!m_display3D)
        return;
    glClearColor(background.x, background.y, background.z, 1.0f);
    glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
    glEnable(GL_DEPTH_TEST);
    Render();
    if (context)
        context->SwapBuffers();
}

void Scene::Render() {
    RenderFrame(false);
}

void Scene::RenderImmediate() {
    RenderFrame(true);
}

void Scene::RenderFrame(bool immediate) {
    if (!m_display3D)
        return;
    glMatrixMode(GL_MODELVIEW);
    glLoadIdentity();
    glPushMatrix();
    glTranslatef(m_translation.x, m_translation.y, m_translation.z);
    glRotatef(m_rotation.x, 1, 0, 0);
    glRotatef(m_rotation.y, 0, 1, 0);
    glRotatef(m_rotation.z, 0, 0, 1);
    DrawObjects(m_selectMode && !immediate, immediate);
    glPopMatrix();
}

void Scene::DrawObjects(bool select, bool immediate) {
    if (m_nbobject <= 0)
        return;
    const unsigned polygonMode = m_vectorMode ? GL_LINE : GL_FILL;
    const bool combined = !immediate && m_combineLists && m_batch.IsCurrent(m_objects, m_nbobject);
    if (combined)
        m_batch.Draw(select, m_textureNames, polygonMode);
    for (int i = 0; i < m_nbobject; ++i) {
        CObject3D *object = Object(i);
        if (!object || object->nbface < 1)
            continue;
        if (combined && m_batch.Covers(i)) {
            object->m_polygonMode = polygonMode;
            continue;
        }
        const int texture = object->TextureName();
        if (texture >= 0 && texture < static_cast<int>(m_textureNames.size()) && object->m_lit &&
            !select) {
            glEnable(GL_TEXTURE_2D);
            glBindTexture(GL_TEXTURE_2D, m_textureNames[texture]);
        } else {
            glDisable(GL_TEXTURE_2D);
        }
        object->m_polygonMode = polygonMode;
        if (object->m_ownTransform) {
            glPushMatrix();
            glRotatef(object->m_orientation.x, 1, 0, 0);
            glRotatef(object->m_orientation.y, 0, 1, 0);
            glRotatef(object->m_orientation.z, 0, 0, 1);
            glTranslatef(object->m_position.x, object->m_position.y, object->m_position.z);
        }
        if (object->m_hasMatrix) {
            glPushMatrix();
            glMultMatrixf(object->m_matrix);
        }
        if (object->m_texTransform) {
            glMatrixMode(GL_TEXTURE);
            glLoadIdentity();
            glPushMatrix();
            if (object->m_texTranslate)
                glTranslatef(object->m_texOffset.x, object->m_texOffset.y, 0);
            if (object->m_texTranslate2)
                glTranslatef(object->m_texOffset2.x, object->m_texOffset2.y, 0);
            if (object->m_texScale) {
                const float s = object->m_texScaleST.x, t = object->m_texScaleST.y;
                glScalef(t, s, 0);
                glScalef(s, t, 0);
            }
            if (object->m_texRotate)
                glRotatef(object->m_texAngle, 0, 0, 1);
            glMatrixMode(GL_MODELVIEW);
        }
        if (immediate)
            object->DrawImmediate();
        else
            object->Draw(!select, m_ui);
        if (object->m_texTransform) {
            glMatrixMode(GL_TEXTURE);
            glPopMatrix();
            glMatrixMode(GL_MODELVIEW);
        }
        if (object->m_hasMatrix)
            glPopMatrix();
        if (object->m_ownTransform)
            glPopMatrix();
    }
}

void Scene::UploadTextures() {
    if (!m_textureNames.empty())
        glDeleteTextures(static_cast<GLsizei>(m_textureNames.size()), m_textureNames.data());
    m_textureNames.assign(m_textures.size(), 0);
    if (m_textures.empty())
        return;
    glGenTextures(static_cast<GLsizei>(m_textureNames.size()), m_textureNames.data());
    glPixelStorei(GL_UNPACK_ALIGNMENT, 1);
    glPixelStorei(GL_PACK_ALIGNMENT, 1);
    GLint maxSide = 0;
    glGetIntegerv(GL_MAX_TEXTURE_SIZE, &maxSide);
    if (maxSide <= 0)
        maxSide = 64; // the least every OpenGL context offers
    for (size_t i = 0; i < m_textures.size(); ++i) {
        SceneTexture &texture = *m_textures[i];
        if (!texture.IsValid())
            continue;
        glBindTexture(GL_TEXTURE_2D, m_textureNames[i]);
        const bool alpha = texture.depth == 32;
        const GLenum format = alpha ? GL_RGBA : GL_RGB;
        const int bytes = alpha ? 4 : 3;
        const int w = TextureUploadSide(texture.width, maxSide),
                  h = TextureUploadSide(texture.height, maxSide);
        if (w != texture.width || h != texture.height) {
            std::vector<std::uint8_t> scaled(static_cast<size_t>(w) * h * bytes);
            if (gluScaleImage(format, texture.width, texture.height, GL_UNSIGNED_BYTE,
                              texture.pixels.data(), w, h, GL_UNSIGNED_BYTE, scaled.data()) == 0) {
                texture.pixels = std::move(scaled);
                texture.width = w;
                texture.height = h;
            } else if (!alpha) {
                Status("pData Texture non NULL");
            }
        }
        glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_WRAP_S, GL_REPEAT);
        glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_WRAP_T, GL_REPEAT);
        glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MAG_FILTER, GL_LINEAR);
        glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MIN_FILTER,
                        alpha ? GL_LINEAR_MIPMAP_LINEAR : static_cast<GLint>(m_minFilter));
        gluBuild2DMipmaps(GL_TEXTURE_2D, bytes, texture.width, texture.height, format,
                          GL_UNSIGNED_BYTE, texture.pixels.data());
    }
    glBindTexture(GL_TEXTURE_2D, 0);
}

void Scene::BuildAll() {
    if (m_nbobject <= 0)
        return;
    Status("Ready");
    UploadTextures();

    // Opaque objects first in their order, then the transparent ones, last first.
    const int count = std::min(m_nbobject, static_cast<int>(m_objects.size()));
    std::vector<std::unique_ptr<CObject3D>> opaque, transparent, empty;
    for (int i = 0; i < count; ++i) {
        auto &object = m_objects[i];
        if (!object)
            empty.push_back(nullptr);
        else if (object->m_transparency == 0.0f)
            opaque.push_back(std::move(object));
        else
            transparent.push_back(std::move(object));
    }
    int slot = 0;
    for (auto &object : opaque)
        m_objects[slot++] = std::move(object);
    for (auto it = transparent.rbegin(); it != transparent.rend(); ++it)
        m_objects[slot++] = std::move(*it);
    for (; slot < count; ++slot)
        m_objects[slot] = nullptr;

    for (int i = 0; i < count; ++i)
        if (CObject3D *object = m_objects[i].get()) {
            object->m_pickName = i;
            object->Compile(m_ui);
        }
    m_batch.Build(m_objects, count, static_cast<int>(m_textureNames.size()));
    ComputeBounds();
    m_texturesLoaded = 1;
}

void Scene::BuildLights() {
    if (m_lights.empty()) {
        DefaultLight();
        return;
    }
    const size_t n = std::min<size_t>(m_lights.size(), 8);
    for (size_t i = 0; i < n; ++i) {
        const CSceneLight &light = m_lights[i];
        const GLenum id = GL_LIGHT0 + static_cast<GLenum>(i);
        glEnable(id);
        if (light.type != 2) {
            const GLfloat position[4] = {light.location.x, light.location.y, light.location.z, 0};
            glLightfv(id, GL_POSITION, position);
        }
        if (light.type == 2 || light.type == 3) {
            const GLfloat direction[3] = {light.direction.x, light.direction.y, light.direction.z};
            glLightfv(id, GL_SPOT_DIRECTION, direction);
        }
        const Vec3 &c = light.color;
        SetLight(id, GL_AMBIENT, 0.2f * c.x, 0.2f * c.y, 0.2f * c.z);
        SetLight(id, GL_DIFFUSE, 0.7f * c.x, 0.7f * c.y, 0.7f * c.z);
        SetLight(id, GL_SPECULAR, 0.1f * c.x, 0.1f * c.y, 0.1f * c.z);
    }
}

void Scene::DefaultLight() {
    SetLight(GL_LIGHT0, GL_AMBIENT, 0.2f, 0.2f, 0.2f);
    SetLight(GL_LIGHT0, GL_DIFFUSE, 0.8f, 0.8f, 0.8f);
    SetLight(GL_LIGHT0, GL_SPECULAR, 0.3f, 0.3f, 0.3f);
    glLightModeli(GL_LIGHT_MODEL_TWO_SIDE, GL_TRUE);
    SetLight(GL_LIGHT0, GL_POSITION, 1, 1, 1, 0);
    const GLfloat direction[3] = {-1, -1, -1};
    glLightfv(GL_LIGHT0, GL_SPOT_DIRECTION, direction);
    glEnable(GL_LIGHT0);
    glEnable(GL_LIGHTING);
    glTexEnvi(GL_TEXTURE_ENV, GL_TEXTURE_ENV_MODE, GL_MODULATE);
}

void Scene::DeleteObjects() {
    if (m_nbobject <= 0)
        return;
    m_batch.Clear();
    // OpenGL is touched only when something was uploaded to it.
    if (!m_textureNames.empty()) {
        glFlush();
        glDeleteTextures(static_cast<GLsizei>(m_textureNames.size()), m_textureNames.data());
    }
    m_texturesLoaded = 0;
    m_textureNames.clear();
    m_textures.clear();
    m_unreadableTextures.clear();
    m_lights.clear();
    for (auto &object : m_objects)
        object.reset();
    m_nbobject = 0;
    m_fullReported = false;
}

int Scene::Pick(ScreenPoint p) {
    if (m_pickEnabled != 1)
        return -1;
    const int row = m_viewHeight - 1 - p.y;
    if (p.x < 0 || p.x >= m_viewWidth || row < 0 || row >= m_viewHeight)
        return -1;
    const GLboolean dither = glIsEnabled(GL_DITHER);
    const GLboolean blend = glIsEnabled(GL_BLEND);
    m_selectMode = true;
    glDisable(GL_LIGHTING);
    glDisable(GL_TEXTURE_2D);
    glDisable(GL_DITHER);
    glDisable(GL_BLEND);
    // White reads as an index past every object: a click beside the organ picks nothing.
    glClearColor(1, 1, 1, 1);
    glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
    glEnable(GL_DEPTH_TEST);
    Render();
    m_selectMode = false;
    glFinish();
    GLubyte pixel[4] = {255, 255, 255, 255};
    glPixelStorei(GL_PACK_ALIGNMENT, 1);
    glReadPixels(p.x, row, 1, 1, GL_RGBA, GL_UNSIGNED_BYTE, pixel);
    const int index = pixel[0] | (pixel[1] << 8);
    m_picked = index;
    glEnable(GL_LIGHTING);
    if (dither)
        glEnable(GL_DITHER);
    if (blend)
        glEnable(GL_BLEND);
    return index < m_nbobject ? index : -1;
}

} // namespace ventrel
