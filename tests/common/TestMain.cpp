#include <gtest/gtest.h>

#include <cstdio>

#if defined(__SANITIZE_ADDRESS__)
#include <sanitizer/common_interface_defs.h>

namespace {

// Several cases run in one process under the sanitizers; when a report ends the
// process, name the case that was running (a leak report at exit comes after all).
void Fall_nennen() {
    const ::testing::TestInfo* fall = ::testing::UnitTest::GetInstance()->current_test_info();
    if (fall)
        std::fprintf(stderr, "\n[  FAILED  ] %s.%s (ended by the report above)\n", fall->test_suite_name(),
                     fall->name());
    else
        std::fprintf(stderr, "\n[  FAILED  ] the report above came outside any test case\n");
}

}  // namespace
#endif

int main(int argc, char** argv) {
    ::testing::InitGoogleTest(&argc, argv);
#if defined(__SANITIZE_ADDRESS__)
    __sanitizer_set_death_callback(Fall_nennen);
#endif
    return RUN_ALL_TESTS();
}
