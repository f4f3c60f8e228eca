// What a test does when no offscreen OpenGL context can be made: skip, or fail where rendering is
// expected (VENTREL_REQUIRE_GL=1, as ./scripts/test sets it).
#pragma once

#include <gtest/gtest.h>

#include <cstdlib>
#include <string_view>

namespace ventrel::test {

inline bool GlRequired() {
    const char *value = std::getenv("VENTREL_REQUIRE_GL");
    return value && std::string_view(value) == "1";
}

} // namespace ventrel::test

// Ends the test for want of OpenGL: a failure under VENTREL_REQUIRE_GL=1, a skip otherwise.
#define VENTREL_WITHOUT_GL(error)                                                                  \
    do {                                                                                           \
        if (::ventrel::test::GlRequired())                                                         \
            FAIL() << "no offscreen OpenGL: " << (error);                                          \
        GTEST_SKIP() << "no offscreen OpenGL: " << (error);                                        \
    } while (false)
