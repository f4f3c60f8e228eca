// The main view's window messages: size, paint, keys, wheel, mouse buttons and moves, timer.
#include "VentrelView.h"

#include "ViewHost.h"
#include "VisibleCanvas.h"

#include "chest/ChestDrawing.h"
#include "chest/PipePicking.h"
#include "dialogs/PipePositionDialog.h"
#include "outline/L_2D_Drawing.h"
#include "platform/Canvas.h"
#include "platform/Ui.h"

namespace ventrel {
namespace {

Rgb ToRgb(std::uint32_t colour) {
    return {static_cast<std::uint8_t>(colour & 0xff),
            static_cast<std::uint8_t>((colour >> 8) & 0xff),
            static_cast<std::uint8_t>((colour >> 16) & 0xff)};
}

} // namespace

void CVentrelView::OnSize(int width, int height) {
    m_viewWidth = width;
    m_viewHeight = height;
    m_drawing.m_viewWidth = width;
    m_drawing.m_viewHeight = height;
}

void CVentrelView::OnInitGl() {
    if (!g_scene)
        return;
    // The context's initial state; the scene keeps the camera and display the view already has.
    Scene &scene = *g_scene;
    const Vec3 translation = scene.m_translation, rotation = scene.m_rotation;
    const float translateStep = scene.m_translateStep, rotateStep = scene.m_rotateStep;
    const bool display3D = scene.m_display3D;
    scene.InitGl();
    scene.m_translation = translation;
    scene.m_rotation = rotation;
    scene.m_translateStep = translateStep;
    scene.m_rotateStep = rotateStep;
    scene.m_display3D = display3D;
    m_glReady = true;
    m_sceneChanged = false;
}

void CVentrelView::OnReshapeGl(int width, int height) {
    if (g_scene)
        g_scene->Reshape(width, height);
}

bool CVentrelView::Shows3D() const {
    if (!g_scene || (g_keyboardMode && g_keyboardShown) || g_pedalboardMode || g_pipeBoards)
        return false;
    return g_scene->m_display3D;
}

void CVentrelView::Paint2D(Canvas &screen) {
    if (!g_scene)
        return;
    VisibleCanvas canvas(screen, m_viewWidth, m_viewHeight);
    m_drawing.SetCanvas(&canvas);
    const Rgb background = ToRgb(g_background);
    if (g_keyboardMode && g_keyboardShown) {
        m_drawing.FillBackground(background);
        m_drawing.BeginPaint();
        m_keyboard.Draw(m_drawing);
    } else if (g_pedalboardMode) {
        m_drawing.FillBackground(background);
        m_drawing.BeginPaint();
        m_pedalboard->Draw(m_drawing);
    } else if (g_pipeBoards) {
        m_drawing.FillBackground(background);
        m_drawing.BeginPaint();
        DrawPipeBoards(m_drawing, *g_pipeBoards);
    } else if (!g_scene->m_display3D) {
        PaintChestView(m_drawing, g_currentChest, background, m_showGrid, g_editor2D.get());
        PaintTowerOutlines(canvas);
        PaintFindingMarks();
    } else {
        // The 3D frame is drawn by OpenGL; a window that has none shows an empty display.
        m_drawing.FillBackground(background);
    }
    m_drawing.SetCanvas(nullptr);
}

void CVentrelView::PaintTowerOutlines(Canvas &canvas) {
    if (!m_tower.m_outlines)
        return;
    // The profile at (100, 10) and the path at (100, 200), in model units like the chest.
    const float scale = m_drawing.g_scale2D;
    const int panX = m_drawing.g_pan.x + static_cast<int>(100 * scale);
    m_tower.m_loft.m_couple.Draw(canvas, scale, panX,
                                 m_drawing.g_pan.y + static_cast<int>(10 * scale));
    m_tower.m_loft.m_forme.Draw(canvas, scale, panX,
                                m_drawing.g_pan.y + static_cast<int>(200 * scale));
}

void CVentrelView::Paint3D() {
    if (!g_scene)
        return;
    if (m_sceneChanged) {
        g_scene->BuildAll();
        m_sceneChanged = false;
    }
    g_scene->PaintFrame(g_backgroundRGB);
}

void CVentrelView::OnKeyDown(int key) {
    switch (key) {
    case kKeyPageUp:
        m_drawing.g_scale2D *= 1.2f;
        Repaint();
        break;
    case kKeyPageDown:
        m_drawing.g_scale2D *= 0.8f;
        Repaint();
        break;
    case kKeyEscape:
        QuitWithoutSaving();
        break;
    default:
        break;
    }
}

void CVentrelView::OnWheel(int delta, ScreenPoint p) {
    // The wheel acts on what is shown: the boards, keyboard or pedalboard hide the 3D view.
    if (Shows3D())
        g_scene->Wheel(delta, p);
    else
        m_drawing.g_scale2D *= delta > 0 ? 1.2f : 0.8f;
    Repaint();
}

void CVentrelView::OnLeftDown(ScreenPoint p) {
    m_leftDown = true;
    m_lastMouse = p;
    StopSpinning();
    if (g_pedalboardMode) {
        m_pedalboard->Click(m_drawing, p.x, p.y);
        Repaint();
    }
    if (g_chests) {
        CWindchest &first = (*g_chests)[0];
        if (first.m_pick_mode) {
            // The pick is drawn again by the repaint that follows; here it only selects.
            first.PickPipe(m_drawing, p.x, p.y, m_ui);
            if (m_pipeDialog)
                if (const auto fields = PickedPipeFields(first))
                    m_pipeDialog->Fill(*fields);
        }
        Repaint();
    }
    if (g_scene)
        g_scene->LeftDown(p);
    if (g_editor2D) {
        // No panning while an outline is drawn: the click is the editor's.
        m_leftDown = false;
        g_editor2D->LeftButtonDown(p.x, p.y, m_ui);
        Repaint();
    }
}

void CVentrelView::OnMouseMove(ScreenPoint p) {
    if (g_keyboardMode && g_keyboardShown)
        return;
    if (!g_scene)
        return;
    if (g_pipeBoards) {
        // The boards move with a left drag like the chest; the hidden 3D view stays put.
        if (m_leftDown)
            Pan2D(p);
        return;
    }
    if (g_editor2D) {
        g_editor2D->MouseMove(p.x, p.y);
        if (g_editor2D->m_edit.show_mouse)
            Repaint();
    }
    if (m_spinning)
        return;
    if (m_leftDown && !g_scene->m_display3D)
        Pan2D(p);
    const Vec3 translation = g_scene->m_translation, rotation = g_scene->m_rotation;
    g_scene->MouseMove(p);
    if (g_scene->m_display3D &&
        (!(translation == g_scene->m_translation) || !(rotation == g_scene->m_rotation)))
        Repaint();
}

void CVentrelView::Pan2D(ScreenPoint p) {
    const int dx = p.x - m_lastMouse.x, dy = p.y - m_lastMouse.y;
    if (dx == 0 && dy == 0)
        return;
    m_drawing.g_pan.x += dx;
    m_drawing.g_pan.y += dy;
    Repaint();
    m_lastMouse = p;
}

void CVentrelView::OnLeftUp() {
    m_leftDown = false;
    if (g_editor2D) {
        g_editor2D->LeftButtonUp();
        Repaint();
    }
    if (g_scene)
        g_scene->LeftUp();
}

void CVentrelView::OnRightDown(ScreenPoint p) {
    if (g_scene)
        g_scene->RightDown(p);
}

void CVentrelView::OnRightUp(ScreenPoint p) {
    if (!g_scene)
        return;
    if (g_scene->m_pickEnabled == 1 && !(g_scene->m_display3D && WithGl())) {
        // Picking draws the 3D frame: without it on the screen there is nothing to designate.
        g_scene->m_leftDrag = g_scene->m_rightDrag = 0;
        m_ui.StatusMessage("ERREUR DESIGNATION");
        return;
    }
    if (m_sceneChanged && g_scene->m_pickEnabled == 1) {
        g_scene->BuildAll();
        m_sceneChanged = false;
    }
    g_scene->RightUp(p);
    Repaint();
}

void CVentrelView::OnTimer(int id) {
    if (id != kSpinTimer || !m_spinning || !g_scene)
        return;
    g_scene->SpinStep();
    Repaint();
}

} // namespace ventrel
