/* The baseline for crestmap-cli: list a folder and stream the logo document, in 1 MiB pieces,
 * to a temporary file that is flushed and renamed over config.xml, as crestmap-cli does. No
 * escaping, name checks or clash keys, so it is only a fair baseline for plain names. */
#define _GNU_SOURCE
#include <dirent.h>
#include <fcntl.h>
#include <stdio.h>
#include <stdlib.h>
#include <string.h>
#include <unistd.h>

enum { pieceSize = 1 << 20 };

static char piece[pieceSize + 4096];
static size_t used;
static int out = -1;

static void flushPiece(void)
{
    if (write(out, piece, used) != (ssize_t)used) {
        perror("write");
        exit(1);
    }
    used = 0;
}

static void append(const char* text, size_t length)
{
    memcpy(piece + used, text, length);
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
    char temp[4096];
    char target[4096];
    snprintf(temp, sizeof temp, "%s/.config.xml-XXXXXX", folder);
    snprintf(target, sizeof target, "%s/config.xml", folder);
    DIR* dir = opendir(folder);
    out = dir == NULL ? -1 : mkstemp(temp);
    if (out < 0) {
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
        if (used >= pieceSize) {
            flushPiece();
        }
    }
    closedir(dir);
    APPEND("\n\t</list>\n</record>");
    flushPiece();
    if (fsync(out) != 0 || close(out) != 0 || rename(temp, target) != 0) {
        perror("write");
        unlink(temp);
        return 1;
    }
    return 0;
}
