// Running a shell command from a test, for the external programs that read what we write.
#pragma once

#include <string>

namespace ventrel::test {

// What the command printed, its errors included. With `exitStatus`, its exit status there (-1 when
// it could not run or was killed).
std::string ShellOutput(const std::string &command, int *exitStatus = nullptr);

// Whether a program of that name is on the path.
bool OnPath(const std::string &program);

} // namespace ventrel::test
