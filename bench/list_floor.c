/* The floor for listing a freedesktop Trash: per item of files/ one fstatat, then its info file
 * opened and read, the least a listing that shows sizes and original places can do.
 * usage: list_floor TRASH   (prints how many items it saw) */
#include <dirent.h>
#include <fcntl.h>
#include <stdio.h>
#include <sys/stat.h>
#include <unistd.h>

int main(int argc, char** argv) {
    if (argc != 2) return 2;
    char path[4096], text[4096];
    snprintf(path, sizeof path, "%s/files", argv[1]);
    DIR* files = opendir(path);
    snprintf(path, sizeof path, "%s/info", argv[1]);
    const int info = open(path, O_RDONLY | O_DIRECTORY);
    if (!files || info < 0) return 1;
    long items = 0, bytes = 0;
    struct stat st;
    for (struct dirent* e; (e = readdir(files));) {
        if (e->d_name[0] == '.' && (!e->d_name[1] || (e->d_name[1] == '.' && !e->d_name[2]))) continue;
        if (fstatat(dirfd(files), e->d_name, &st, AT_SYMLINK_NOFOLLOW) != 0) continue;
        snprintf(path, sizeof path, "%s.trashinfo", e->d_name);
        const int fd = openat(info, path, O_RDONLY);
        if (fd >= 0) bytes += read(fd, text, sizeof text), close(fd);
        ++items;
    }
    printf("%ld items, %ld bytes of records\n", items, bytes);
    return 0;
}
