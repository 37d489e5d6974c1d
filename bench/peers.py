#!/usr/bin/env python3
"""Lists one freedesktop sandbox Trash with corvane-cli, trash-list and gio, checks that they agree
on the items' put-back paths and times the listings (best of a few runs).

usage: peers.py CORVANE_CLI WORK_DIR [ITEMS] [RUNS]
"""
import json
import os
import pwd
import shutil
import subprocess
import sys
import time
import urllib.parse
from datetime import datetime, timedelta
from trashfill import write_item

cli, work = os.path.abspath(sys.argv[1]), os.path.abspath(sys.argv[2])
count = int(sys.argv[3]) if len(sys.argv) > 3 else 3000
runs = int(sys.argv[4]) if len(sys.argv) > 4 else 5
login = pwd.getpwuid(os.getuid()).pw_name  # corvane-cli puts the sandbox home at <root>/home/<login>
uid = os.getuid()
failures = []


def check(ok, what):
    print(("ok    " if ok else "FAIL  ") + what)
    if not ok:
        failures.append(what)


def build(root):
    """A home Trash of `count` items; every 20th is a folder of three files. Names with spaces,
    '%', '#' and non-ASCII letters check the percent-encoding of the info files."""
    home = f"{root}/home/{login}"
    trash = f"{home}/.local/share/Trash"
    os.makedirs(f"{trash}/files")
    os.makedirs(f"{trash}/info")
    folders = ["Documents", "Pictures/2026", "Desktop", "My Files/old #2", "Téléchargements"]
    base = datetime(2026, 11, 20, 9, 30)
    originals = []
    for i in range(count):
        if i % 50 == 7:
            name = f"Ünïcode résumé {i}.txt"
        elif i % 10 == 3:
            name = f"report {i} (100% final).txt"
        else:
            name = f"file-{i:05d}.txt"
        if i % 20 == 0:
            name = f"folder-{i:05d}"
        item = f"{trash}/files/{name}"
        write_item(item, i)
        original = f"/home/{login}/{folders[i % len(folders)]}/{name}"
        originals.append(original)
        when = (base + timedelta(minutes=i)).strftime("%Y-%m-%dT%H:%M:%S")
        with open(f"{trash}/info/{name}.trashinfo", "w", encoding="utf-8") as f:
            f.write(f"[Trash Info]\nPath={urllib.parse.quote(original, safe='/')}\nDeletionDate={when}\n")
    return home, sorted(originals)


def peer_env(home, extra=None):
    env = dict(os.environ, HOME=home, XDG_DATA_HOME=f"{home}/.local/share", XDG_CONFIG_HOME=f"{home}/.config")
    env.pop("CORVANE_LAYOUT", None)
    env.update(extra or {})
    return env


def corvane_env(root, home):
    # Corvane's own settings go to a folder of the work dir, never the real account's.
    return peer_env(home, {"CORVANE_ROOT": root, "CORVANE_LAYOUT": "freedesktop", "XDG_CONFIG_HOME": f"{work}/config"})


def run(argv, env):
    return subprocess.run(argv, env=env, stdout=subprocess.PIPE, stderr=subprocess.PIPE, cwd=work)


def best_time(argv, env):
    times = []
    for _ in range(runs):
        start = time.perf_counter()
        r = run(argv, env)
        times.append(time.perf_counter() - start)
        if r.returncode != 0:
            return None, times
    return min(times), times


def trash_list_paths(out):
    # "YYYY-MM-DD HH:MM:SS /original/path"
    return sorted(line.split(" ", 2)[2] for line in out.decode().splitlines() if line)


def under_root(root, path):
    return path[len(root):] if path.startswith(root + "/") else path


def corvane_paths(root, env):
    r = run([cli, "trash", "list", "--json"], env)
    items = json.loads(r.stdout) if r.returncode == 0 else []
    return sorted(under_root(root, i["original"]) for i in items), items


def real_volume_trashes():
    """Trash folders of the running user on the machine's own mounts, which trash-empty would also
    empty: the comparison must not touch them."""
    found = []
    with open("/proc/self/mounts") as f:
        for line in f:
            top = line.split()[1].encode().decode("unicode_escape")
            for t in (f"{top.rstrip('/')}/.Trash/{uid}", f"{top.rstrip('/')}/.Trash-{uid}"):
                if os.path.lexists(t):
                    found.append(t)
    return found


def main():
    if os.path.exists(work):
        shutil.rmtree(work)
    os.makedirs(work)
    root = f"{work}/root"
    home, expected = build(root)
    cenv, penv = corvane_env(root, home), peer_env(home)
    print(f"Sandbox: {root}, {count} items in {home}/.local/share/Trash ({len(expected) // 20} of them folders)")

    # The same items and put-back paths, as sorted sets with the sandbox root taken off.
    first = run([cli, "trash", "list"], cenv)
    check(first.returncode == 0, "corvane-cli trash list runs")
    listed, items = corvane_paths(root, cenv)
    check(listed == expected, f"corvane-cli trash list --json: {len(listed)} put-back paths, as written")
    text_lines = [l for l in first.stdout.decode().splitlines() if l]
    check(len(text_lines) == count, f"corvane-cli trash list: {len(text_lines)} lines")
    putback = run([cli, "trash", "putback-paths"], cenv)
    putback_paths = sorted(under_root(root, l) for l in putback.stdout.decode().splitlines() if l)
    check(putback_paths == expected, f"corvane-cli trash putback-paths: {len(putback_paths)} paths, as written")

    results = {}
    r = run(["trash-list"], penv)
    peer = trash_list_paths(r.stdout) if r.returncode == 0 else []
    check(r.returncode == 0 and peer == listed, f"trash-list: {len(peer)} paths, the same set as corvane-cli")
    results["trash-list"] = best_time(["trash-list"], penv)

    gio = ["dbus-run-session", "--", "gio", "trash", "--list"]
    r = run(gio, penv) if shutil.which("gio") and shutil.which("dbus-run-session") else None
    if r is not None and r.returncode == 0:
        # "trash:///name<TAB>/original/path"
        gio_paths = sorted(l.rsplit("\t", 1)[-1] for l in r.stdout.decode().splitlines() if l)
        check(gio_paths == listed, f"gio trash --list: {len(gio_paths)} paths, the same set as corvane-cli")
        results["gio trash --list"] = best_time(gio, penv)
    else:
        why = "gio or dbus-run-session missing" if r is None else r.stderr.decode().strip().splitlines()[-1]
        if r is not None and not os.path.exists("/usr/libexec/gvfsd-trash"):
            why += " (trash:// comes from the gvfs daemons, which are not installed)"
        results["gio trash --list"] = (None, why)
    results["corvane-cli trash list"] = best_time([cli, "trash", "list"], cenv)

    # The first run measures every folder: the size cache is removed before each timed run.
    cache = f"{home}/.local/share/Trash/directorysizes"
    cold = []
    for _ in range(runs):
        if os.path.exists(cache):
            os.remove(cache)
        start = time.perf_counter()
        run([cli, "trash", "list"], cenv)
        cold.append(time.perf_counter() - start)
    corvane_cold = min(cold)

    # rm -rf (the limit: the file system's own removal cost), trash-empty and corvane-cli's forced
    # emptying, each on fresh copies; then nothing may be left.
    risky = real_volume_trashes()
    empty_times = {}
    if risky:
        print(f"skip  trash-empty: it would also empty {', '.join(risky)}")
    else:
        for name in ("rm -rf", "trash-empty", "corvane-cli --yes trash empty"):
            times = []
            for k in range(runs):
                copy = f"{work}/emptied-{k}"
                if os.path.exists(copy):
                    shutil.rmtree(copy)
                shutil.copytree(root, copy, symlinks=True)
                copy_home = f"{copy}/home/{login}"
                argv = {"trash-empty": ["trash-empty"],
                        "rm -rf": ["sh", "-c", 'rm -rf "$0/files" "$0/info" && mkdir "$0/files" "$0/info"',
                                   f"{copy_home}/.local/share/Trash"]}.get(name, [cli, "--yes", "trash", "empty"])
                env = peer_env(copy_home) if name == "trash-empty" else corvane_env(copy, copy_home)
                start = time.perf_counter()
                r = run(argv, env)
                times.append(time.perf_counter() - start)
                if k == 0:
                    check(r.returncode == 0, f"{name} runs on a copy")
                    after, _ = corvane_paths(copy, corvane_env(copy, copy_home))
                    check(after == [], f"after {name}, corvane-cli trash list shows {len(after)} items")
                    info = os.listdir(f"{copy_home}/.local/share/Trash/info")
                    check(info == [], f"after {name}, info/ holds {len(info)} files")
                    left = os.listdir(f"{copy_home}/.local/share/Trash/files")
                    check(left == [], f"after {name}, files/ holds {len(left)} entries")
                shutil.rmtree(copy)
            empty_times[name] = min(times)

    print(f"\nListing {count} items, best of {runs} runs ({os.cpu_count()} cores):")
    for name, (best, detail) in results.items():
        if best is None and isinstance(detail, str):
            print(f"  {name:24} not available: {detail}")
        elif best is None:
            print(f"  {name:24} failed")
        else:
            print(f"  {name:24} {best * 1000:8.1f} ms")
    print(f"  {'corvane-cli, first run':24} {corvane_cold * 1000:8.1f} ms (every folder measured, then cached)")
    for name, best in empty_times.items():
        print(f"  {name:24} {best * 1000:8.1f} ms (emptying)")
    peer = results["trash-list"][0]
    warm = results["corvane-cli trash list"][0]
    if peer and warm:
        print("\nRatios against trash-cli in this run (target):")
        print(f"  listing, warm size cache   {warm / peer:5.2f}x  (at most 0.25x)")
        print(f"  listing, first run         {corvane_cold / peer:5.2f}x  (at most 1.0x)")
        if len(empty_times) == 3:
            ours = empty_times["corvane-cli --yes trash empty"]
            ratio = ours / empty_times["trash-empty"]
            limit = ours / empty_times["rm -rf"]
            print(f"  emptying                   {ratio:5.2f}x  (at most 1.0x); {limit:.2f}x rm -rf, the limit (at most 1.1x)")
    if failures:
        print(f"\n{len(failures)} check(s) failed")
        return 1
    return 0


if __name__ == "__main__":
    sys.exit(main())
