#include "platform/pause.h"

#include <cstdio>
#include <cstdlib>

#include "platform/textout.h"

void systemPause() {
    // A redirected stdout is fully buffered: without the flush the
    // interpreter's prompt would land in the file before the table.
    textFlush();
    std::system("pause");
}
