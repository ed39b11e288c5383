#include "shell/side_panel_motion.h"

namespace {

MotionTimers slideOut(PanelMotion &m, int open, int step, int buttonWidth)
{
    if (m.mov == 1) {
        if (m.x1 <= open) {
            m.x1 += step;
            m.width += step;
        }
        if (m.x1 > 4 * step && m.x2 < open)
            m.x2 += step;
        if (m.x2 > 4 * step && m.x3 < open)
            m.x3 += step;
        if (m.x1 > open && m.x2 > open && m.x3 > open)
            m.mov = 2;
    }
    if (m.mov != 2)
        return {};
    if (m.x1 > open + step) {
        m.width -= step;
        m.x1 -= step;
        m.x2 -= step;
        m.x3 -= step;
        return {};
    }
    m.width = buttonWidth + open;
    m.x1 = m.x2 = m.x3 = open;
    m.mov = 3;
    return { true, true };
}

MotionTimers slideIn(PanelMotion &m, int open, int step, int buttonWidth)
{
    if (m.mov == 1) {
        if (m.x1 > 0)
            m.x1 -= step;
        if (m.x1 < open - 4 * step && m.x2 > 0)
            m.x2 -= step;
        if (m.x2 < open - 4 * step && m.x3 > 0) {
            m.x3 -= step;
            m.width -= step;
        }
        // "At most 0" rather than "below 0": a slide-in that starts before the buttons were
        // fully out reaches exactly 0 and would otherwise move for ever.
        if (m.x1 <= 0 && m.x2 <= 0 && m.x3 <= 0)
            m.mov = 2;
    }
    if (m.mov != 2 || m.x1 > 0)
        return {};
    m.x1 = m.x2 = m.x3 = 0;
    m.width = buttonWidth;
    m.mov = 0;
    return { false, true };
}

} // namespace

MotionTimers stepPanelMotion(PanelMotion &m, int open, int step, int buttonWidth)
{
    return m.dx > 0 ? slideOut(m, open, step, buttonWidth) : slideIn(m, open, step, buttonWidth);
}
