#ifndef VORMIS_OPTIONS_WORLDFILE_H
#define VORMIS_OPTIONS_WORLDFILE_H

#include "world.h"

#include <QByteArray>
#include <QString>

// A cell as the options write it: "X,Y".
QString cellText(Cell cell);

// Where a world file went wrong.  line and column count from 1; 0 means the
// message is about the whole file (or the whole line).
struct WorldFileError
{
    int line = 0;
    int column = 0;
    QString message;
    bool unreadable = false; // the file itself: missing, unreadable, too large

    // "name:line:column: message", leaving out what is 0.
    QString text(const QString &fileName) const;
};

// Reads a world drawn as text: N lines of N characters, line y holding row y
// and character x column x; '.' free, '#' obstacle, 'H' home, 'F' food, one
// each of H and F, N from 3 to 100.  A final newline and CRLF line ends are
// accepted.  Only size, home, food and obstacles are taken from the text;
// the other parameters are the start-up world's.
bool parseWorldText(const QByteArray &text, World &world, WorldFileError &error);

// The world drawn as parseWorldText reads it: N lines of N characters, each
// ending in '\n'.
QByteArray worldText(const World &world);

// The same for a file; errors about the file itself (missing, unreadable,
// too large) come back with line 0.
bool readWorldFile(const QString &path, World &world, WorldFileError &error);

#endif
