/* The baseline for crestmap-cli: list a folder, build the whole logo document in memory and
 * write it in one go to a temporary file that is flushed and renamed over config.xml. No
 * escaping or name checks, so it is only a fair baseline for plain names. */
#define _GNU_SOURCE
#include <dirent.h>
#include <fcntl.h>
#include <stdio.h>
#include <stdlib.h>
#include <string.h>
#include <unistd.h>

static char* buffer;
static size_t used;
static size_t capacity;

static void append(const char* text, size_t length)
{
    if (used + length > capacity) {
        capacity = (capacity + length) * 2;
        buffer = realloc(buffer, capacity);
        if (buffer == NULL) {
            perror("realloc");
            exit(1);
        }
    }
    memcpy(buffer + used, text, length);
    used += length;
}

#define APPEND(literal) append(literal, sizeof literal - 1)

static int isImage(const char* name)
{
    const char* dot = strrchr(name, '.');
    if (dot == NULL || dot == name) {
        return 0;
    }
    return strcmp(dot + 1, "png") == 0 || strcmp(dot + 1, "jpg") == 0 ||
           strcmp(dot + 1, "jpeg") == 0;
}

int main(int argc, char** argv)
{
    if (argc != 2) {
        fprintf(stderr, "usage: bare-writer FOLDER\n");
        return 2;
    }
    const char* folder = argv[1];
    DIR* dir = opendir(folder);
    if (dir == NULL) {
        perror(folder);
        return 1;
    }
    APPEND("<record>\n\t<!-- resource manager options -->\n\n\t<!-- dont preload anything in "
           "this folder -->\n\t<boolean id=\"preload\" value=\"false\"/>\n\n\t<!-- turn off "
           "auto mapping -->\n\t<boolean id=\"amap\" value=\"false\"/>\n\n\t<!-- logo mappings "
           "- generated with Crestmap for Mac -->\n\t<list id=\"maps\">");
    struct dirent* entry;
    while ((entry = readdir(dir)) != NULL) {
        if (!isImage(entry->d_name)) {
            continue;
        }
        const size_t stem = (size_t)(strrchr(entry->d_name, '.') - entry->d_name);
        APPEND("\n\t\t<record from=\"");
        append(entry->d_name, stem);
        APPEND("\" to=\"graphics/pictures/club/");
        append(entry->d_name, stem);
        APPEND("/logo\"/>");
    }
    closedir(dir);
    APPEND("\n\t</list>\n</record>");

    char temp[4096];
    char target[4096];
    snprintf(temp, sizeof temp, "%s/.config.xml-XXXXXX", folder);
    snprintf(target, sizeof target, "%s/config.xml", folder);
    const int fd = mkstemp(temp);
    if (fd < 0 || write(fd, buffer, used) != (ssize_t)used || fsync(fd) != 0 || close(fd) != 0 ||
        rename(temp, target) != 0) {
        perror("write");
        unlink(temp);
        return 1;
    }
    free(buffer);
    return 0;
}
