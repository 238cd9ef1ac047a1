#!/usr/bin/env python3
"""Lists the functions longer than a limit, counted from the line of the opening brace to the
line of the closing one. Functions are found where their body opens on a line of its own
(the house style); braces in strings, characters and comments are skipped.

    scripts/function-lengths.py [--limit N] [--exclude DIR ...] PATH...

Exits 1 when a function is over the limit, so that CI can run it."""

import argparse
import os
import re
import sys

SIGNATURE = re.compile(r'^(?=[A-Za-z_~])[^(=;]*?([\w:~]+|operator\S+)\s*\(')
NOT_A_FUNCTION = re.compile(r'^(namespace|class|struct|enum|union|if|for|while|switch|catch|return|else)\b')


def code_only(line, in_comment):
    """The line without comments, strings and characters; whether a block comment stays open."""
    out, i = [], 0
    while i < len(line):
        if in_comment:
            end = line.find('*/', i)
            if end < 0:
                return ''.join(out), True
            i, in_comment = end + 2, False
        elif line.startswith('//', i):
            break
        elif line.startswith('/*', i):
            in_comment = True
            i += 2
        elif line[i] in '"\'':
            quote, i = line[i], i + 1
            while i < len(line) and line[i] != quote:
                i += 2 if line[i] == '\\' else 1
            i += 1
        else:
            out.append(line[i])
            i += 1
    return ''.join(out), in_comment


def functions(path):
    """(name, first line, length) of each function whose body opens on a line of its own."""
    with open(path, encoding='utf-8', errors='replace') as source:
        lines = source.read().split('\n')
    found, pending, name, depth, start, in_comment = [], None, None, 0, 0, False
    for number, raw in enumerate(lines, 1):
        code, in_comment = code_only(raw, in_comment)
        text = code.strip()
        indent = len(code) - len(code.lstrip())
        if name is None and text:
            signature = SIGNATURE.match(text)
            if text == '{' and pending and pending[0] == indent:
                name, depth, start = pending[1], 0, number
            elif pending and (indent > pending[0] or text.startswith((':', ','))):
                pass   # a continued signature or an initialiser list
            elif signature and not NOT_A_FUNCTION.match(text) and not text.endswith(';'):
                pending = (indent, signature.group(1))
            else:
                pending = None
        if name is not None:
            depth += code.count('{') - code.count('}')
            if depth == 0:
                found.append((name, start, number - start + 1))
                name = pending = None
    return found


def main():
    parser = argparse.ArgumentParser(description=__doc__.split('\n')[0])
    parser.add_argument('paths', nargs='+')
    parser.add_argument('--limit', type=int, default=80)
    parser.add_argument('--exclude', action='append', default=[])
    arguments = parser.parse_args()
    excluded = [os.path.normpath(e) for e in arguments.exclude]
    over = []
    for top in arguments.paths:
        for folder, _, names in os.walk(top):
            if any(os.path.normpath(folder).startswith(e) for e in excluded):
                continue
            for file in sorted(names):
                if file.endswith(('.cpp', '.h')):
                    path = os.path.join(folder, file)
                    over += [(length, path, line, name) for name, line, length in functions(path)
                             if length > arguments.limit]
    for length, path, line, name in sorted(over, reverse=True):
        print(f'{length:5} {path}:{line} {name}')
    return 1 if over else 0


if __name__ == '__main__':
    sys.exit(main())
