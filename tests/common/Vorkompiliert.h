#pragma once
// Parsed once per test binary and given to each of its files (a precompiled header):
// the test framework and the standard headers most test files include.
#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <cstdint>
#include <filesystem>
#include <fstream>
#include <functional>
#include <map>
#include <memory>
#include <set>
#include <sstream>
#include <string>
#include <vector>
