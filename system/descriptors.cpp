#include "descriptors.h"

#include <fcntl.h>
#include <unistd.h>

void guardStandardDescriptors()
{
    for (int descriptor = 0; descriptor <= 2; ++descriptor) {
        if (::fcntl(descriptor, F_GETFD) >= 0)
            continue;
        const int opened = ::open("/dev/null", O_RDONLY);
        if (opened >= 0 && opened != descriptor) {
            ::dup2(opened, descriptor);
            ::close(opened);
        }
    }
}
