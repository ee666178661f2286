"""Nothing here sleeps for a fixed time: every wait polls with a timeout."""

import time

POLL_SECONDS = 0.05
TIMEOUT_SECONDS = 20.0


def wait_until(condition, what, timeout=TIMEOUT_SECONDS):
    """Polls condition() until it gives a true value, which it returns."""
    deadline = time.monotonic() + timeout
    while True:
        value = condition()
        if value:
            return value
        if time.monotonic() >= deadline:
            raise TimeoutError(f"timed out after {timeout:g} s waiting for {what}")
        time.sleep(POLL_SECONDS)
