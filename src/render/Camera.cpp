// The camera as the scene's own transform, moved by mouse drags, the wheel and standard views.
#include "render/Scene.h"

#include "platform/Ui.h"

namespace ventrel {

void Scene::ResetCamera() {
    m_leftDrag = m_rightDrag = 0;
    m_translateStep = 0.05f;
    m_rotateStep = 0.05f;
    m_lastDelta = {0, 0};
    m_rotation = {0, 0, 0};
    m_translation = {0, 0, -1000};
}

void Scene::LeftDown(ScreenPoint p) {
    if (!m_display3D)
        return;
    m_leftDrag = 1;
    m_lastTurn = p;
    m_lastDelta = {0, 0};
}

void Scene::LeftUp() {
    if (!m_display3D)
        return;
    m_leftDrag = m_rightDrag = 0;
}

void Scene::RightDown(ScreenPoint p) {
    m_rightDrag = 1;
    m_lastMove = p;
}

int Scene::RightUp(ScreenPoint p) {
    m_leftDrag = m_rightDrag = 0;
    const int picked = Pick(p);
    const CObject3D *object = Object(picked);
    if (object)
        Status(Format("Objet: %4d Nombre d'objets:%5d Nom objet: %12s", picked, m_nbobject,
                      object->m_name.c_str()));
    else
        Status("ERREUR DESIGNATION");
    return object ? picked : -1;
}

void Scene::MouseMove(ScreenPoint p) {
    if (!m_display3D)
        return;
    const bool left = m_leftDrag != 0;
    const bool right = m_rightDrag != 0;
    if (!left && !right)
        return;
    ScreenPoint &last = left ? m_lastTurn : m_lastMove;
    const float dx = static_cast<float>(p.x - last.x);
    const float dy = static_cast<float>(p.y - last.y);
    m_lastDelta = {last.x - p.x, last.y - p.y};
    last = p;
    if (left && right) {
        Status("Rotation 3D X et Z");
        m_lastMove = p;
        if (m_turnAboutY)
            m_rotation.y += dx * m_rotateStep;
        else
            m_rotation.z += dx * m_rotateStep;
        m_rotation.x -= dy * m_rotateStep;
    } else if (left) {
        m_translation.x += dx * m_translateStep;
        m_translation.z -= dy * m_translateStep;
    } else {
        Status("Deplacement 3D X et Y");
        m_translation.x += dx * m_translateStep;
        m_translation.y -= dy * m_translateStep;
    }
    Status(Format("Deplacement 3D X: %10.2f Y: %10.2f Z: %10.2f", m_translation.x, m_translation.y,
                  m_translation.z));
}

void Scene::Wheel(int delta, ScreenPoint p) {
    m_lastTurn = p;
    const float s = delta < 1 ? -1.0f : 1.0f;
    m_translation.z += s * m_translateStep * 10.0f;
}

void Scene::SetView(StandardView view) {
    switch (view) {
    case StandardView::Front:
        m_rotation = {0, 0, 0};
        break;
    case StandardView::Left:
        m_rotation = {0, 90, 0};
        break;
    case StandardView::Right:
        m_rotation = {0, -90, 0};
        break;
    case StandardView::Top:
        m_rotation = {90, 0, 0};
        break;
    }
}

} // namespace ventrel
