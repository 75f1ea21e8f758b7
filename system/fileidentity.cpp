#include "fileidentity.h"

#include <cerrno>

#include <sys/stat.h>

namespace {

FileIdentity identityOf(const struct stat &info)
{
    FileIdentity identity;
    identity.known = true;
    identity.device = info.st_dev;
    identity.inode = info.st_ino;
    identity.characterDevice = S_ISCHR(info.st_mode);
    return identity;
}

} // namespace

bool FileIdentity::sameAs(const FileIdentity &other) const
{
    return known && other.known && !characterDevice && !other.characterDevice && device == other.device
        && inode == other.inode && name == other.name;
}

FileIdentity identityOfPath(const std::string &path)
{
    struct stat info = {};
    if (::stat(path.c_str(), &info) == 0)
        return identityOf(info);
    if (errno != ENOENT)
        return FileIdentity();
    const std::size_t slash = path.rfind('/');
    const std::string folder = slash == std::string::npos ? "." : slash == 0 ? "/" : path.substr(0, slash);
    if (::stat(folder.c_str(), &info) != 0)
        return FileIdentity();
    FileIdentity identity = identityOf(info);
    identity.name = slash == std::string::npos ? path : path.substr(slash + 1);
    return identity;
}

FileIdentity identityOfDescriptor(int descriptor)
{
    struct stat info = {};
    return ::fstat(descriptor, &info) == 0 ? identityOf(info) : FileIdentity();
}
