"""The window tests' harness: a virtual screen with a window manager, the
real program on it, a player's pointer and keys, and eyes that read the
screen. session.py brings them together; case.py makes a test of it."""
