// Picking in 3D: the toolbar pick button, a frame drawn offscreen, a right click names the object.
#include "GlRequirement.h"
#include "ViewFixture.h"

#include "platform/egl/EglContext.h"
#include "render/Snapshot.h"

namespace ventrel::test {
namespace {

// The view's context: an offscreen one of the view's size.
class Offscreen : public GlContext {
public:
    explicit Offscreen(EglContext &context) : m_context(context) {}
    bool MakeCurrent() override { return m_context.MakeCurrent(); }
    void SwapBuffers() override { m_context.SwapBuffers(); }

private:
    EglContext &m_context;
};

TEST_F(ViewTest, RightClickNamesTheObjectUnderTheCursorWhilePickingIsOn) {
    std::string error;
    auto context = EglContext::Create(640, 480, &error);
    if (!context)
        VENTREL_WITHOUT_GL(error);
    Offscreen gl(*context);
    m_host.m_gl = &gl;
    m_view->OnSize(640, 480);
    m_view->OnInitGl();
    m_view->OnReshapeGl(640, 480);

    Example("grand-orgue.dat");
    ASSERT_TRUE(RunWithFile(kAddChest, "grand-orgue.dat"));
    ASSERT_TRUE(m_view->Shows3D());
    m_view->Paint3D();
    // The whole chest seen from above fills the view.
    FitCamera(*m_view->g_scene, StandardView::Top);
    m_view->Paint3D();

    m_view->OnRightDown({320, 240});
    m_view->OnRightUp({320, 240});
    EXPECT_EQ(m_ui.LastStatus(), "ERREUR DESIGNATION");

    RunCommand(*m_view, kPickObjects);
    ASSERT_TRUE(IsChecked(*m_view, kPickObjects));
    bool named = false;
    for (int x = 80; x < 640 && !named; x += 80)
        for (int y = 60; y < 480 && !named; y += 60) {
            m_view->OnRightDown({x, y});
            m_view->OnRightUp({x, y});
            named = m_ui.LastStatus().rfind("Objet: ", 0) == 0;
        }
    EXPECT_TRUE(named) << m_ui.LastStatus();
    EXPECT_NE(m_ui.LastStatus().find("Nombre d'objets:"), std::string::npos);
    // The view goes before the context its scene was drawn in.
    m_view.reset();
}

} // namespace
} // namespace ventrel::test
