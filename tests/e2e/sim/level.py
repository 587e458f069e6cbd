"""The level the game must build: the program's one random generator replayed in Python."""

ENEMY_KINDS = ("Mario", "MarioBig", "FireMario")
ENEMY_SIZES = {"Mario": (15, 16), "MarioBig": (16, 27), "FireMario": (10, 10)}
ENEMY_HEALTH = {"Mario": 10, "MarioBig": 10, "FireMario": 50}
TALL_WALL, WIDE_WALL, BLOCK = (64, 256), (256, 64), (48, 48)


class Generator:
    """state <- state * 214013 + 2531011 mod 2^32, result (state >> 16) & 0x7FFF; state 1
    when the program starts."""

    def __init__(self):
        self.state = 1

    def next(self):
        self.state = (self.state * 214013 + 2531011) % (1 << 32)
        return (self.state >> 16) & 0x7FFF


def expected_level():
    """(enemies, obstacles): enemies as (kind, x, y) in creation order, obstacles as
    (x, y, width, height) walls then blocks, each position drawn y first, then x."""
    rng = Generator()
    rng.state = rng.next()  # the level build seeds the generator with its own first result

    def place():
        y = rng.next() % 2300
        x = rng.next() % 2300
        return x, y

    enemies = []
    for _ in range(20):
        for kind in ENEMY_KINDS:
            enemies.append((kind,) + place())
    obstacles = []
    for _ in range(10):
        for size in (TALL_WALL, WIDE_WALL):
            obstacles.append(place() + size)
    for _ in range(20):
        obstacles.append(place() + BLOCK)
    return enemies, obstacles
