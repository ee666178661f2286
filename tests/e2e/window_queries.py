"""Where a window lies on the screen and what its shape covers, as probe.exe reports it."""


class WindowInfo:
    """What probe.exe reports about a window; rectangles as (left, top, right, bottom)."""

    def __init__(self, report):
        self.window_rect = tuple(report["window_rect"])
        self.client_rect = tuple(report["client_rect"])
        self.client_origin = tuple(report["client_origin"])
        box = report["region_box"]
        self.region_box = tuple(box) if box is not None else None

    @property
    def client_size(self):
        return (self.client_rect[2] - self.client_rect[0], self.client_rect[3] - self.client_rect[1])

    def screen_point(self, client_x, client_y):
        return (self.client_origin[0] + client_x, self.client_origin[1] + client_y)

    def window_to_screen(self, window_x, window_y):
        return (self.window_rect[0] + window_x, self.window_rect[1] + window_y)

    def client_to_window(self, client_x, client_y):
        return (self.client_origin[0] - self.window_rect[0] + client_x,
                self.client_origin[1] - self.window_rect[1] + client_y)

    def inside_region(self, client_x, client_y, margin=0):
        """Whether the client pixel lies in the window's elliptic region, `margin`
        pixels away from its edge."""
        if self.region_box is None:
            raise AssertionError("the window has no region")
        x, y = self.client_to_window(client_x, client_y)
        left, top, right, bottom = self.region_box
        a = (right - left) / 2 - margin
        b = (bottom - top) / 2 - margin
        if a <= 0 or b <= 0:
            return False
        dx = x + 0.5 - (left + right) / 2
        dy = y + 0.5 - (top + bottom) / 2
        return (dx / a) ** 2 + (dy / b) ** 2 < 1
