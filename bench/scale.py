#!/usr/bin/env python3
"""The Trash at scale: builds a home Trash of ITEMS items (every 20th a folder of three files) in a
temporary folder and times corvane-cli's listing, tree and emptying against their limits: the
listing against a 25-line C loop that does only what a listing must (bench/list_floor.c: readdir
of files/, one fstatat each, its info file opened and read), the emptying against `rm -rf` of the
same tree on a fresh copy (time and sectors written to the disk). Prints each figure against its
target, then removes everything it built.

usage: scale.py CORVANE_CLI [ITEMS] [RUNS]     (ITEMS 20,000 by default; 200000 for the full case)
"""
import os
import pwd
import shutil
import subprocess
import sys
import tempfile
import time
import urllib.parse
from trashfill import write_item

cli = os.path.abspath(sys.argv[1])
count = int(sys.argv[2]) if len(sys.argv) > 2 else 20000
runs = int(sys.argv[3]) if len(sys.argv) > 3 else 3
login = pwd.getpwuid(os.getuid()).pw_name
here = os.path.dirname(os.path.abspath(__file__))


def build(root):
    """The home Trash of the sandbox `root`; returns its folder."""
    trash = f"{root}/home/{login}/.local/share/Trash"
    os.makedirs(f"{trash}/files")
    os.makedirs(f"{trash}/info")
    for i in range(count):
        name = f"folder-{i:06d}" if i % 20 == 0 else (f"report {i} (100% final).txt" if i % 10 == 3 else f"file-{i:06d}.txt")
        item = f"{trash}/files/{name}"
        write_item(item, i)
        original = urllib.parse.quote(f"/home/{login}/Documents/{name}", safe="/")
        with open(f"{trash}/info/{name}.trashinfo", "w") as f:
            f.write(f"[Trash Info]\nPath={original}\nDeletionDate=2026-11-20T09:30:00\n")
    return trash


def sectors_written(path):
    """Sectors written so far to the disk holding `path` (its whole device, every writer)."""
    dev = os.stat(path).st_dev
    base = f"/sys/dev/block/{os.major(dev)}:{os.minor(dev)}"
    stat = f"{base}/stat" if os.path.exists(f"{base}/stat") else f"{base}/../stat"
    try:
        with open(stat) as f:
            return int(f.read().split()[6])
    except OSError:
        return None


def timed(argv, env=None, out=subprocess.DEVNULL):
    """Seconds and peak memory (MB) of one run, through /usr/bin/time."""
    fmt = ["/usr/bin/time", "-f", "%e %M", "-o", f"{work}/time.txt"]
    start = time.perf_counter()
    r = subprocess.run(fmt + argv, env=env, stdout=out, stderr=subprocess.DEVNULL)
    seconds = time.perf_counter() - start
    with open(f"{work}/time.txt") as f:
        peak_mb = int(f.read().split()[-1]) / 1024
    return seconds, peak_mb, r.returncode


def best(argv, env=None):
    timed(argv, env)  # a warm-up run: every figure is taken with the tree in the page cache
    results = [timed(argv, env) for _ in range(runs)]
    return min(r[0] for r in results), max(r[1] for r in results), results[0][2]


def emptied(label, argv_of, env_of):
    """Time and sectors written by emptying a fresh copy, synced before and after."""
    times, sectors = [], []
    for k in range(runs):
        copy = f"{work}/copy-{k}"
        shutil.copytree(root, copy, symlinks=True)
        subprocess.run(["sync"])
        before = sectors_written(copy)
        start = time.perf_counter()
        r = subprocess.run(argv_of(copy), env=env_of(copy), stdout=subprocess.DEVNULL, stderr=subprocess.PIPE)
        subprocess.run(["sync", "-f", copy])
        times.append(time.perf_counter() - start)
        after = sectors_written(copy)
        if before is not None and after is not None:
            sectors.append(after - before)
        left = os.listdir(f"{copy}/home/{login}/.local/share/Trash/files")
        if r.returncode != 0 or left:
            print(f"FAIL  {label}: exit {r.returncode}, {len(left)} items left {r.stderr.decode()[:200]}")
        shutil.rmtree(copy)
    return min(times), (min(sectors) if sectors else None)


def line(what, figure, target):
    print(f"  {what:34} {figure:>26}   {target}")


work = tempfile.mkdtemp(prefix="corvane-scale-")
root = f"{work}/root"
try:
    subprocess.run(["cc", "-O2", "-o", f"{work}/list_floor", f"{here}/list_floor.c"], check=True)
    t0 = time.perf_counter()
    trash = build(root)
    print(f"Built a Trash of {count} items ({count // 20} folders of three files) in {time.perf_counter() - t0:.0f} s")
    env = dict(os.environ, CORVANE_ROOT=root, CORVANE_LAYOUT="freedesktop", XDG_CONFIG_HOME=f"{work}/config",
               HOME=f"{root}/home/{login}")
    timed([cli, "trash", "list"], env)  # the size cache is made once, as any later listing finds it

    # What the program needs before any item: the same listing of an empty Trash.
    empty_root = f"{work}/empty"
    os.makedirs(f"{empty_root}/home/{login}/.local/share/Trash/files")
    os.makedirs(f"{empty_root}/home/{login}/.local/share/Trash/info")
    base_mb = timed([cli, "trash", "list", "--json"], dict(env, CORVANE_ROOT=empty_root))[1]

    floor, floor_mb, _ = best([f"{work}/list_floor", trash])
    listing = {name: best([cli, "trash"] + args, env)
               for name, args in (("trash list", ["list"]), ("trash list --json", ["list", "--json"]),
                                  ("trash tree", ["tree"]))}

    def cli_empty(copy):
        return [cli, "--yes", "trash", "empty"]

    def cli_env(copy):
        return dict(env, CORVANE_ROOT=copy, HOME=f"{copy}/home/{login}")

    rm_time, rm_sectors = emptied("rm -rf", lambda c: ["sh", "-c", 't="$0/home/$1/.local/share/Trash"; '
                                                      'rm -rf "$t/files" "$t/info" && mkdir "$t/files" "$t/info"',
                                                      c, login], lambda c: None)
    cv_time, cv_sectors = emptied("corvane-cli --yes trash empty", cli_empty, cli_env)

    print(f"\n{count} items, best of {runs} runs, peak memory the largest ({os.cpu_count()} cores):")
    line("floor loop (C)", f"{floor * 1000:.0f} ms", "the limit of a listing")
    for name, (seconds, mb, status) in listing.items():
        fig = f"{seconds * 1000:.0f} ms {seconds / floor:.2f}x {mb:.0f} MB" + ("" if status == 0 else " FAILED")
        line(f"corvane-cli {name}", fig, "target: 1.5x the floor, under 100 MB (3 s at 200k)")
        per_item = (mb - base_mb) * 1024 * 1024 / count
        print(f"  {'':34} {per_item:>20.0f} B/item   above the {base_mb:.0f} MB of an empty Trash's listing")
    line("rm -rf of files/ and info/", f"{rm_time * 1000:.0f} ms {rm_sectors} sect", "the limit of an emptying")
    ratio_t = cv_time / rm_time
    ratio_w = (cv_sectors / rm_sectors) if cv_sectors is not None and rm_sectors else float("nan")
    line("corvane-cli --yes trash empty", f"{cv_time * 1000:.0f} ms {cv_sectors} sect",
         f"{ratio_t:.2f}x the time, {ratio_w:.2f}x the writes (target 1.1x each)")
finally:
    shutil.rmtree(work, ignore_errors=True)
