#include "platform/os/console.h"

#include <unistd.h>

bool StandardErrorIsTerminal()
{
    return isatty(STDERR_FILENO) == 1;
}
