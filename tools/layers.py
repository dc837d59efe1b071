#!/usr/bin/env python3
"""Checks the include rules of ARCHITECTURE.md: every include between folders
points down the layers below, nothing outside app/ (and main.cpp) includes
app/, and no module (a .h with its .cpp) or folder reaches itself through
others. Prints every include that breaks a rule; exits 1 when there is one.
Usage: layers.py [SOURCE_DIR]"""
import collections
import os
import re
import sys

# Top to bottom. A folder may include folders further down the list only.
LAYERS = [['app'], ['help'], ['classroom'], ['play'], ['report'], ['entry'], ['worksheet'], ['history'], ['setup'],
          ['game'], ['ui'], ['platform', 'resources']]
NOT_PRODUCT = {'tests', 'bench', 'fuzz', 'tools', 'translations', 'dist'}

root = os.path.abspath(sys.argv[1] if len(sys.argv) > 1 else os.path.join(os.path.dirname(__file__), '..'))
rank = {folder: i for i, layer in enumerate(LAYERS) for folder in layer}


def folder(module):
    return module.split('/')[0] if '/' in module else ''


files = []
for top in sorted(os.listdir(root)):
    path = os.path.join(root, top)
    if top.endswith(('.cpp', '.h')) and os.path.isfile(path):
        files.append(top)
    elif os.path.isdir(path) and top not in NOT_PRODUCT and not top.startswith(('.', 'build')):
        for d, _, names in os.walk(path):
            files += [os.path.relpath(os.path.join(d, n), root) for n in names if n.endswith(('.cpp', '.h'))]

problems = []
edges = collections.defaultdict(set)
for name in sorted(files):
    source = folder(name)
    if source and source not in rank:
        problems.append(f'{name}: folder {source}/ has no layer in tools/layers.py')
    text = open(os.path.join(root, name), encoding='utf-8', errors='replace').read()
    for included in re.findall(r'^\s*#\s*include\s+"([^"]+)"', text, re.M):
        if not os.path.exists(os.path.join(root, included)):
            continue  # generated, or beside the file
        a, b = os.path.splitext(name)[0], os.path.splitext(included)[0]
        if a != b:
            edges[a].add(b)
        target = folder(b)
        if not source or source == target:
            continue
        if target == 'app':
            problems.append(f'{name} includes {included}: nothing outside app/ includes app/')
        elif target in rank and source in rank and rank[target] <= rank[source]:
            problems.append(f'{name} includes {included}: {source}/ is not above {target}/')


def circles(nodes, arrows):
    """Strongly connected parts of more than one node (Tarjan), without recursion."""
    index, low, on, stack, found, counter = {}, {}, set(), [], [], 0
    for start in nodes:
        if start in index:
            continue
        work = [(start, iter(sorted(arrows.get(start, ()))))]
        index[start] = low[start] = counter
        counter += 1
        stack.append(start)
        on.add(start)
        while work:
            node, children = work[-1]
            child = next(children, None)
            if child is not None:
                if child not in index:
                    index[child] = low[child] = counter
                    counter += 1
                    stack.append(child)
                    on.add(child)
                    work.append((child, iter(sorted(arrows.get(child, ())))))
                elif child in on:
                    low[node] = min(low[node], index[child])
                continue
            work.pop()
            if work:
                low[work[-1][0]] = min(low[work[-1][0]], low[node])
            if low[node] == index[node]:
                part = []
                while True:
                    member = stack.pop()
                    on.discard(member)
                    part.append(member)
                    if member == node:
                        break
                if len(part) > 1:
                    found.append(sorted(part))
    return found


modules = sorted({os.path.splitext(f)[0] for f in files})
for part in circles(modules, edges):
    problems.append('modules include each other: ' + ' '.join(part))
folder_edges = collections.defaultdict(set)
for a, targets in edges.items():
    for b in targets:
        if folder(a) and folder(b) and folder(a) != folder(b):
            folder_edges[folder(a)].add(folder(b))
for part in circles(sorted({folder(m) for m in modules if folder(m)}), folder_edges):
    problems.append('folders include each other: ' + ' <-> '.join(part))

print(f'{len(modules)} modules, {sum(len(t) for t in edges.values())} includes between them, '
      f'{len(problems)} broken rules')
for problem in problems:
    print('  ' + problem)
sys.exit(1 if problems else 0)
