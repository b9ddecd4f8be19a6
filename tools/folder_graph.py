#!/usr/bin/env python3
"""The folder graph of src/ from its #include lines.

Prints one line per folder with the folders it includes. Fails when the graph has a cycle other
than the game's own (world <-> commands), or when it differs from the graph drawn in
docs/architecture.md (the fenced block after the line "Folder graph of src/:").
"""
import os
import re
import sys

ROOT = os.path.normpath(os.path.join(os.path.dirname(os.path.abspath(__file__)), ".."))
SRC = os.path.join(ROOT, "src")
DOC = os.path.join(ROOT, "docs", "architecture.md")
ALLOWED_CYCLE = {"world", "commands"}
INCLUDE = re.compile(r'^\s*#\s*include\s+"([^"/]+)/[^"]+"', re.MULTILINE)


def actual_graph():
    """Folder -> the other folders of src/ its product files include (tests are left out)."""
    folders = sorted(f for f in os.listdir(SRC) if os.path.isdir(os.path.join(SRC, f)))
    graph = {folder: set() for folder in folders}
    for folder in folders:
        for name in os.listdir(os.path.join(SRC, folder)):
            if not name.endswith((".cpp", ".h")) or name.endswith("_test.cpp"):
                continue
            with open(os.path.join(SRC, folder, name), encoding="utf-8") as source:
                for target in INCLUDE.findall(source.read()):
                    if target in graph and target != folder:
                        graph[folder].add(target)
    return graph


def drawn_graph():
    """The graph as docs/architecture.md draws it: lines "folder -> other other"."""
    with open(DOC, encoding="utf-8") as doc:
        text = doc.read()
    match = re.search(r"Folder graph of src/:\n+```\n(.*?)```", text, re.DOTALL)
    if not match:
        sys.exit(f"{DOC}: no block after 'Folder graph of src/:'")
    graph = {}
    for line in match.group(1).splitlines():
        if "->" in line:
            folder, targets = line.split("->", 1)
            graph[folder.strip()] = set(targets.split())
    return graph


def cycles(graph):
    """The strongly connected components of more than one folder (Tarjan)."""
    index, low, stack, on_stack, found = {}, {}, [], set(), []

    def visit(node):
        index[node] = low[node] = len(index)
        stack.append(node)
        on_stack.add(node)
        for target in graph[node]:
            if target not in index:
                visit(target)
                low[node] = min(low[node], low[target])
            elif target in on_stack:
                low[node] = min(low[node], index[target])
        if low[node] == index[node]:
            component = set()
            while True:
                member = stack.pop()
                on_stack.discard(member)
                component.add(member)
                if member == node:
                    break
            if len(component) > 1:
                found.append(component)

    for node in graph:
        if node not in index:
            visit(node)
    return found


def main():
    graph = actual_graph()
    for folder, targets in graph.items():
        print(f"{folder} -> {' '.join(sorted(targets))}".rstrip())
    problems = [
        "cycle: " + " <-> ".join(sorted(c)) for c in cycles(graph) if c != ALLOWED_CYCLE
    ]
    drawn = drawn_graph()
    for folder in sorted(set(graph) | set(drawn)):
        have, want = graph.get(folder, set()), drawn.get(folder, set())
        problems += [f"not drawn: {folder} -> {t}" for t in sorted(have - want)]
        problems += [f"drawn but not included: {folder} -> {t}" for t in sorted(want - have)]
    for problem in problems:
        print(problem, file=sys.stderr)
    return 1 if problems else 0


if __name__ == "__main__":
    sys.exit(main())
