#include "runner_test_support.h"
#include "resources.h"

// What a sweep may ask of the machine: no more threads than cores, and
// colonies that fit in the free memory.

TEST(SweepLimits, JobsBeyondTheCoresAreLoweredAndColoniesMustFitInMemory)
{
    RunConfig config;
    QString message;
    ASSERT_EQ(parse({"--size", "100", "--ants", "10,1000", "--repeat", "8", "--jobs", "8"}, config, message),
              ParseOutcome::Run);
    fitJobsToCores(config, 8, message);
    EXPECT_EQ(config.jobs, 8);
    EXPECT_TRUE(message.isEmpty());
    fitJobsToCores(config, 2, message);
    EXPECT_EQ(config.jobs, 2);
    EXPECT_EQ(message, "--jobs 8: this machine has 2 cores; running 2 runs at a time");

    // 1000 ants (the larger colony) record 2 ints per cell each: 80 MB a colony.
    EXPECT_GT(colonyBytes(config), 80'000'000);
    EXPECT_LT(colonyBytes(config), 81'000'000);
    EXPECT_TRUE(coloniesFit(config, 200'000'000, message));
    EXPECT_TRUE(coloniesFit(config, 0, message)) << "unknown memory does not refuse";
    EXPECT_FALSE(coloniesFit(config, 150'000'000, message));
    EXPECT_TRUE(message.startsWith("colonies of 100x100 cells, 2 at a time, need about 0.2 GB;")) << message.toStdString();
}
