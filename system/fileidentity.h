#ifndef VORMIS_SYSTEM_FILEIDENTITY_H
#define VORMIS_SYSTEM_FILEIDENTITY_H

#include <string>

#include <sys/types.h>

// Which file a path names, by device and inode, so that two names of one
// file (a symbolic link, /dev/fd/N, a path through another folder) are seen
// to be the same.  A file that does not exist yet is known by its folder's
// device and inode and its name.
struct FileIdentity
{
    bool known = false;            // false when neither the file nor its folder could be looked at
    dev_t device = 0;
    ino_t inode = 0;
    std::string name;              // for a file yet to be made; empty otherwise
    bool characterDevice = false; // /dev/null, a terminal: shared harmlessly

    // Never true for character devices, which take any number of readers and
    // writers, nor for what could not be looked at.
    bool sameAs(const FileIdentity &other) const;
};

// What the path names, following symbolic links.  A missing file is known by
// its folder (the path's text up to its last '/') and name.
FileIdentity identityOfPath(const std::string &path);
// What an open descriptor of this process is.
FileIdentity identityOfDescriptor(int descriptor);

#endif
