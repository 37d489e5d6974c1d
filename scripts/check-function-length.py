#!/usr/bin/env python3
"""Lists the functions of src/ longer than a limit (80 lines by default), bodies counted from the
line of their opening brace to the line of their closing one. Reads the sources alone: comments,
strings and preprocessor lines are blanked, then braces are matched; a brace block that follows a
closing parenthesis outside any function is a function (lambdas count with the function holding
them). Exits 1 when one is too long."""
import os
import re
import sys

LITERAL = re.compile(r'//[^\n]*|/\*.*?\*/|R"([^(\s]*)\(.*?\)\1"|"(?:\\.|[^"\\\n])*"|\'(?:\\.|[^\'\\\n])*\'', re.S)


def blank(match):
    text = match.group(0)
    return '""' + '\n' * text.count('\n')


def long_functions(path, limit):
    with open(path, encoding='utf-8', errors='replace') as f:
        code = LITERAL.sub(blank, f.read())
    code = re.sub(r'^\s*#.*$', '', code, flags=re.M)
    stack, line, statement = [], 1, ''
    for ch in code:
        if ch == '\n':
            line += 1
        if ch == '{':
            head = statement.strip()
            in_function = any(kind == 'function' for kind, _, _ in stack)
            is_function = (not in_function and ')' in head and not re.search(r'=\s*$', head)
                           and not re.match(r'(namespace|class|struct|enum|union)\b', head))
            stack.append(('function' if is_function else 'block', line, head))
            statement = ''
        elif ch == '}':
            if stack:
                kind, start, head = stack.pop()
                if kind == 'function' and line - start + 1 > limit:
                    yield line - start + 1, start, ' '.join(head.split())[-80:]
            statement = ''
        elif ch == ';':
            statement = ''
        else:
            statement += ch


def main():
    limit = int(sys.argv[1]) if len(sys.argv) > 1 else 80
    found = False
    for root, _, files in sorted(os.walk('src')):
        for name in sorted(files):
            if name.endswith(('.cpp', '.h')):
                path = os.path.join(root, name)
                for length, start, head in long_functions(path, limit):
                    print(f'{path}:{start}: {length} lines: {head}')
                    found = True
    if found:
        print(f'functions of src/ stay within {limit} lines: split them into named steps')
    return 1 if found else 0


if __name__ == '__main__':
    sys.exit(main())
