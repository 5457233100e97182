// Preloaded into a test: the file system of a FAT stick or a Windows share,
// which has no hard links and no exclusive rename.
#include <cerrno>

extern "C" int link(const char *, const char *)
{
    errno = EPERM;
    return -1;
}

extern "C" int renameat2(int, const char *, int, const char *, unsigned int)
{
    errno = EINVAL;
    return -1;
}
