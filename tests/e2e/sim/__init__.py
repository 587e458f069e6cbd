"""The simulator end-to-end checks: running it, reading its output, the cases."""
