"""The tile map of a level: a grid of cells, row 0 at the bottom, each either
empty or (kind, frame). Frames are chosen from the neighbours so the tileset's
rims and grassy tops fall on the right edges (the sheets are 8 x 8 frames:
row 0 top+left rim, 1 top, 2 top+right rim, 3 left rim, 4 plain, 5 right rim,
7 a lone block)."""


class TileMap:
    def __init__(self, width, height):
        self.width = width
        self.height = height
        self.solid = [[False] * width for _ in range(height)]
        self.cells = None

    def fill(self, x0, y0, x1, y1):
        """Solid blocks over the inclusive cell rectangle."""
        for y in range(max(0, y0), min(self.height - 1, y1) + 1):
            for x in range(max(0, x0), min(self.width - 1, x1) + 1):
                self.solid[y][x] = True

    def clear(self, x0, y0, x1, y1):
        for y in range(max(0, y0), min(self.height - 1, y1) + 1):
            for x in range(max(0, x0), min(self.width - 1, x1) + 1):
                self.solid[y][x] = False

    def is_solid(self, x, y):
        return 0 <= x < self.width and 0 <= y < self.height and self.solid[y][x]

    def build(self):
        self.cells = [[None] * self.width for _ in range(self.height)]
        for y in range(self.height):
            for x in range(self.width):
                if not self.solid[y][x]:
                    continue
                top = not self.is_solid(x, y + 1)
                left = not self.is_solid(x - 1, y) and x > 0
                right = not self.is_solid(x + 1, y) and x < self.width - 1
                if top and left and right:
                    row = 7
                elif top:
                    row = 0 if left else 2 if right else 1
                else:
                    row = 6 if left and right else 3 if left else 5 if right else 4
                col = x % 6
                self.cells[y][x] = (1, row * 8 + col)
        return self
