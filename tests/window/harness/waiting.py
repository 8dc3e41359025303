"""Waiting for what the screen shows, by polling with a deadline.

Real time cannot be avoided with a real window, but a test never sleeps
longer than it must: it looks again every few tens of milliseconds and goes
on as soon as the thing is seen.
"""

import time


class NotSeen(AssertionError):
    """What a test waited for did not show up in time: a failure, not an error."""


def until(look, timeout=5.0, what="the expected state", every=0.05):
    """Calls look() until it returns something true; returns that value."""
    deadline = time.monotonic() + timeout
    while True:
        value = look()
        if value:
            return value
        if time.monotonic() >= deadline:
            raise NotSeen(f"not seen within {timeout:g} s: {what}")
        time.sleep(every)


def holds(look, duration, every=0.1):
    """True when look() stays true for the whole duration (checked often)."""
    deadline = time.monotonic() + duration
    while True:
        if not look():
            return False
        if time.monotonic() >= deadline:
            return True
        time.sleep(every)


def pause(seconds):
    """A short pause between a person's actions (a pointer at rest, a key's
    effect being drawn); never used to wait for a result."""
    time.sleep(seconds)
