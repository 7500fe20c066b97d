// The console operations the console layer is written against: the
// kernel's on Windows, our own stand-ins on a terminal elsewhere.
#ifndef PLATFORM_CONSOLE_API_H
#define PLATFORM_CONSOLE_API_H

#ifdef _WIN32
#include <windows.h>
#else
#include "platform/posix/winconsole/winconsole.h"
#endif

#endif
