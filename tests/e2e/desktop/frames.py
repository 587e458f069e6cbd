"""The game's frame trace (QUORVISH_FRAME_TRACE): one line per flip, the monotonic time in
nanoseconds when the present returned, how many key presses the pass that drew it had seen,
and the game clock's now() in milliseconds for the pass after the flip."""


def read_trace(path, with_clock=False):
    """(presented, presses) of every flip, or (presented, presses, now) with with_clock."""
    frames = []
    with open(path) as f:
        for line in f:
            parts = line.split()
            if len(parts) == 3:
                frame = (int(parts[0]), int(parts[1]), float(parts[2]))
                frames.append(frame if with_clock else frame[:2])
    return frames


def pass_rate(frames, since):
    """Frames a second from the first present at or after `since` (ns) to the last."""
    times = [t for t, _ in frames if t >= since]
    return (len(times) - 1) * 1e9 / (times[-1] - times[0])


def holds(frames, since, refresh_hz):
    """How many refreshes each frame stayed on the screen, as fractions."""
    times = [t for t, _ in frames if t >= since]
    return [(b - a) * refresh_hz / 1e9 for a, b in zip(times, times[1:])]


def latencies(frames, sent):
    """Milliseconds from each key press sent (the n-th at sent[n-1], ns) to the return of the
    present of the first frame drawn after the game read it."""
    result = []
    for number, at in enumerate(sent, start=1):
        shown = next((t for t, seen in frames if seen >= number), None)
        if shown is not None:
            result.append((shown - at) / 1e6)
    return sorted(result)


def percentile(values, share):
    ordered = sorted(values)
    return ordered[max(0, min(len(ordered) - 1, int(round(share * len(ordered))) - 1))]
