"""What the Trash benchmarks put in a Trash: item i is a folder of three small files every 20th
time, otherwise a file of up to 4 KB."""
import os


def write_item(item, i):
    if i % 20 == 0:
        os.mkdir(item)
        for k in range(3):
            with open(f"{item}/part-{k}.bin", "wb") as f:
                f.write(b"x" * (1000 * (k + 1)))
    else:
        with open(item, "wb") as f:
            f.write(b"y" * (i % 4096))
