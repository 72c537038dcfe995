#include <gtest/gtest.h>

#include "platform/headless/headless_backend.h"
#include "platform/random.h"
#include "platform/system.h"

TEST(RandomValues, GivenValuesComeFirstThenTheGeneratorsOwn) {
    plat::HeadlessBackend backend;
    plat::System sys(backend, 640, 480);
    sys.giveRandom(0.25);
    sys.giveRandom(0.75);
    EXPECT_EQ(sys.Rnd(), 0.25);
    sys.Randomize();
    EXPECT_EQ(sys.Rnd(), 0.75);
    double v = sys.Rnd();
    EXPECT_GE(v, 0.0);
    EXPECT_LT(v, 1.0);
}

TEST(RandomValues, ReseedingAtTheSameMomentTwiceDoesNotRepeat) {
    plat::Random r;
    r.reseed(1000);
    double a = r.next();
    r.reseed(1000);
    double b = r.next();
    EXPECT_NE(a, b);
    plat::Random twin;
    twin.reseed(1000);
    EXPECT_EQ(twin.next(), a);  // deterministic from the same history
}

TEST(RandomValues, UniformOverTenBuckets) {
    plat::Random r(12345);
    int bucket[10] = {};
    const int n = 100000;
    for (int i = 0; i < n; ++i) {
        if (i % 7 == 0) r.reseed(uint64_t(i / 7));  // reseeded as often as the game does
        ++bucket[int(r.next() * 10)];
    }
    double chi2 = 0;
    for (int c : bucket) chi2 += (c - n / 10.0) * (c - n / 10.0) / (n / 10.0);
    EXPECT_LT(chi2, 27.9);  // 99.9 % point of chi-square with 9 degrees of freedom
}
