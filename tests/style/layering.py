#!/usr/bin/env python3
"""The folders of src/ are layers: each may include only the folders below it.

Reads every #include "folder/..." line under src/ and fails on an include that its layer
does not allow, and on any cycle between folders. The port's layer is the top one: besides
itself only src/main.cpp, the tools and the port's own tests include it.
"""
import pathlib
import re
import sys

# What each folder may include, lowest layer first. Keep in step with the README's layout.
ALLOWED = {
    "base": set(),
    "platform": {"base"},
    "graphics": {"platform", "base"},
    "sound": {"platform", "base"},
    "collision": {"platform", "base"},
    "game": {"collision", "graphics", "sound", "platform", "base"},
    "core": {"game", "collision", "graphics", "sound", "platform", "base"},
    "port": {"core", "game", "collision", "graphics", "sound", "platform", "base"},
}
INCLUDE = re.compile(r'^\s*#\s*include\s+"([a-z_]+)/')


def folder_graph(src):
    graph = {}
    faults = []
    for path in sorted(src.rglob("*")):
        if path.suffix not in (".h", ".cpp") or path.parent == src:
            continue
        folder = path.relative_to(src).parts[0]
        for number, line in enumerate(path.read_text().splitlines(), 1):
            match = INCLUDE.match(line)
            if not match or match.group(1) == folder:
                continue
            target = match.group(1)
            graph.setdefault(folder, set()).add(target)
            if target not in ALLOWED.get(folder, set()):
                faults.append(f"{path.relative_to(src)}:{number}: {folder} may not include {target}")
    return graph, faults


def port_outsiders(root):
    """Files under tests/ that include the port's layer: only main.cpp, tools/ and the port's
    own tests and fuzz target may."""
    faults = []
    for path in sorted((root / "tests").rglob("*")):
        if path.suffix not in (".h", ".cpp") or path.parts[-2] in ("port", "fuzz"):
            continue
        for number, line in enumerate(path.read_text().splitlines(), 1):
            match = INCLUDE.match(line)
            if match and match.group(1) == "port":
                faults.append(f"{path.relative_to(root)}:{number}: only the game's top may include port")
    return faults


def find_cycle(graph):
    state = {}  # 1 on the current path, 2 done

    def visit(node, path):
        state[node] = 1
        for nxt in sorted(graph.get(node, ())):
            if state.get(nxt) == 1:
                return path[path.index(nxt):] + [nxt] if nxt in path else [node, nxt]
            if nxt not in state:
                cycle = visit(nxt, path + [nxt])
                if cycle:
                    return cycle
        state[node] = 2
        return None

    for node in sorted(graph):
        if node not in state:
            cycle = visit(node, [node])
            if cycle:
                return cycle
    return None


def main():
    src = pathlib.Path(sys.argv[1]) / "src"
    graph, faults = folder_graph(src)
    faults += port_outsiders(src.parent)
    for name, graph_to_check in (("allowed layers", ALLOWED), ("includes", graph)):
        cycle = find_cycle(graph_to_check)
        if cycle:
            faults.append(f"cycle in the {name}: {' -> '.join(cycle)}")
    for fault in faults:
        print(fault)
    print(f"{0 if faults else 1} passed, {1 if faults else 0} failed")
    return 1 if faults else 0


if __name__ == "__main__":
    sys.exit(main())
