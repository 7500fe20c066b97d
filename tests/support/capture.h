// Runs a piece of code with standard output sent to a temporary file and
// returns the bytes it wrote.
#ifndef TESTS_SUPPORT_CAPTURE_H
#define TESTS_SUPPORT_CAPTURE_H

#include <functional>
#include <string>

std::string captureStdout(const std::function<void()> &body);

#endif
