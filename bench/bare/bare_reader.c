/* The baseline for crestmap-cli --check: list a folder and read the first 16 bytes of each
 * entry named like an image, as checking them needs at the least. */
#define _GNU_SOURCE
#include <dirent.h>
#include <fcntl.h>
#include <stdio.h>
#include <string.h>
#include <unistd.h>

int main(int argc, char** argv)
{
    if (argc != 2) {
        fprintf(stderr, "usage: bare-reader FOLDER\n");
        return 2;
    }
    DIR* dir = opendir(argv[1]);
    if (dir == NULL) {
        perror(argv[1]);
        return 1;
    }
    long images = 0;
    long pngs = 0;
    for (struct dirent* entry; (entry = readdir(dir)) != NULL;) {
        const char* dot = strrchr(entry->d_name, '.');
        if (dot == NULL || strcmp(dot, ".png") != 0) {
            continue;
        }
        unsigned char head[16];
        const int fd = openat(dirfd(dir), entry->d_name, O_RDONLY);
        if (fd < 0) {
            continue;
        }
        const ssize_t got = read(fd, head, sizeof head);
        close(fd);
        ++images;
        pngs += got >= 8 && memcmp(head, "\x89PNG\r\n\x1a\n", 8) == 0 ? 1 : 0;
    }
    closedir(dir);
    printf("%ld images, %ld PNG\n", images, pngs);
    return 0;
}
