/* The floor for moving files into a Trash: per file, the info file created exclusively and
 * written, then the item renamed in, the least any program that keeps the Trash's records can do.
 * usage: put_floor TRASH FILE... */
#include <fcntl.h>
#include <stdio.h>
#include <string.h>
#include <unistd.h>

int main(int argc, char** argv) {
    if (argc < 2) return 2;
    char info[4096], item[4096], text[4352];
    for (int i = 2; i < argc; ++i) {
        const char* name = strrchr(argv[i], '/');
        name = name ? name + 1 : argv[i];
        snprintf(info, sizeof info, "%s/info/%s.trashinfo", argv[1], name);
        snprintf(item, sizeof item, "%s/files/%s", argv[1], name);
        const int fd = open(info, O_WRONLY | O_CREAT | O_EXCL, 0600);
        if (fd < 0) return 1;
        const int n = snprintf(text, sizeof text, "[Trash Info]\nPath=%s\nDeletionDate=2026-12-01T12:00:00\n", argv[i]);
        if (write(fd, text, (size_t)n) != n || close(fd) != 0 || rename(argv[i], item) != 0) return 1;
    }
    return 0;
}
