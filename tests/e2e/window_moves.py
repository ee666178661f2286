"""Dragging the window about: shared by the tests that move it and those that need a
move to know that every earlier event has been handled."""

import harness
import window_layout as layout
from window_queries import WindowInfo

# A client point on the background picture, clear of every control in front of it and
# well inside the ellipse.
BACKGROUND_POINT = (60, 300)
DRAG = (60, 40)
DRAG_STEPS = 4


def main_window(session):
    report = session.probe("window", harness.MAIN_TITLE)
    if not report["found"]:
        raise AssertionError("the window is gone")
    return WindowInfo(report)


def shifted(rect, offset):
    dx, dy = offset
    left, top, right, bottom = rect
    return (left + dx, top + dy, right + dx, bottom + dy)


def centre(name):
    left, top, right, bottom = layout.RECTS[name]
    return ((left + right) // 2, (top + bottom) // 2)


def wait_for_window_rect(session, expected, what):
    """Polls until the window's rectangle is `expected`; fails with the last one seen."""
    seen = []

    def arrived():
        seen.append(main_window(session).window_rect)
        return seen[-1] == expected

    try:
        harness.wait_until(arrived, what)
    except TimeoutError as error:
        raise AssertionError(f"{error}: the window is at {seen[-1]}, not at {expected}") from None


def drag(session, window, start, offset, button=1, window_follows=True):
    """Presses `button` at client point `start` of `window`, moves the pointer by `offset`
    screen pixels in steps and releases it there; returns the window as it is then.

    When the window should follow the pointer, each step waits until it has: Wine places a
    pointer event on the screen by where it believes the window is, so an event that
    arrives while the window is still moving would land in the wrong place."""
    x, y = window.screen_point(*start)
    session.mouse_down(x, y, button)
    end = (x, y)
    try:
        for step in range(1, DRAG_STEPS + 1):
            part = (offset[0] * step // DRAG_STEPS, offset[1] * step // DRAG_STEPS)
            end = (x + part[0], y + part[1])
            session.mouse_move(*end)
            if window_follows:
                wait_for_window_rect(session, shifted(window.window_rect, part),
                                     f"the window to follow the pointer by {part}")
    finally:
        session.mouse_up(*end, button)
    return main_window(session)
