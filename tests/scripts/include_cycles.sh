#!/usr/bin/env bash
# No circle of includes among the program's files: a .h and its .cpp count as one unit, and a unit
# that includes another may not be included back by it, directly or round a longer circle. Fails
# naming each circle found.
# Called as: bash include_cycles.sh <path of tavro.exe> <source dir>
# ctest labels: apart
set -euo pipefail
src=${2:?source dir}
exec python3 - "$src" app record testrun monitor patterns sound hdr <<'PY'
import os, re, sys

top, folders = sys.argv[1], sys.argv[2:]
include = re.compile(r'^\s*#\s*include\s+"([^"]+)\.(?:h|cpp)"', re.M)
units = {}
for folder in folders:
    for name in sorted(os.listdir(os.path.join(top, folder))):
        stem, ext = os.path.splitext(name)
        if ext in ('.h', '.cpp'):
            with open(os.path.join(top, folder, name), encoding='utf-8') as f:
                units.setdefault(f'{folder}/{stem}', set()).update(include.findall(f.read()))
edges = {unit: sorted(t for t in targets if t in units and t != unit) for unit, targets in units.items()}

# Tarjan's strongly connected components, without recursion.
index, low, on_stack, stack, circles = {}, {}, set(), [], []
for root in sorted(edges):
    if root in index:
        continue
    work = [(root, 0)]
    while work:
        unit, next_edge = work.pop()
        if next_edge == 0:
            index[unit] = low[unit] = len(index)
            stack.append(unit)
            on_stack.add(unit)
        if next_edge < len(edges[unit]):
            work.append((unit, next_edge + 1))
            target = edges[unit][next_edge]
            if target not in index:
                work.append((target, 0))
            elif target in on_stack:
                low[unit] = min(low[unit], index[target])
            continue
        if low[unit] == index[unit]:
            component = []
            while True:
                member = stack.pop()
                on_stack.discard(member)
                component.append(member)
                if member == unit:
                    break
            if len(component) > 1:
                circles.append(sorted(component))
        if work:
            parent = work[-1][0]
            low[parent] = min(low[parent], low[unit])

def circle_through(members):
    """One circle through the first member, by breadth-first search inside the component."""
    start, inside = members[0], set(members)
    came = {start: None}
    queue = [start]
    for unit in queue:
        for target in edges[unit]:
            if target == start:
                path = [unit]
                while came[path[-1]] is not None:
                    path.append(came[path[-1]])
                return list(reversed(path)) + [start]
            if target in inside and target not in came:
                came[target] = unit
                queue.append(target)
    return members

for members in circles:
    print('FAIL: include circle: ' + ' -> '.join(circle_through(members)) +
          ('' if len(members) <= 2 else f' (units caught in it: {", ".join(members)})'), file=sys.stderr)
if circles:
    sys.exit(1)
print(f'include_cycles: {len(units)} units, no circle')
PY
