// The side panel's slide: where its three buttons stand inside the panel and how wide the panel
// is, one animation tick at a time. Out they go 0, 20 ... 100 and snap to 97; in they go 97,
// 77 ... -3 and snap to 0, each button starting when the one before is nearly through.
#pragma once

struct PanelMotion
{
    int mov = 0; // 0 rest, 1 moving, 2 snap, 3 open
    int dx = 1; // 1 out, -1 in
    int x1 = 0, x2 = 0, x3 = 0; // the buttons' left edges inside the panel
    int width = 105; // the panel's width
};

struct MotionTimers
{
    bool startAutoHide = false; // fully open: close again one second later
    bool stopAnimation = false; // the movement has ended
};

// One tick. `open` is the buttons' open position (97), `step` the distance of a tick (20),
// `buttonWidth` the width of one button (105).
MotionTimers stepPanelMotion(PanelMotion &m, int open, int step, int buttonWidth);
