// The source that the test binaries' shared precompiled <gtest/gtest.h> is
// built with; it holds nothing itself.
