#include "plugin/flat_index.h"

#include <gtest/gtest.h>

#include <map>
#include <random>

namespace corvane {
namespace {

// Random adds and erases over a small key space (long probe runs, wrap-around at the end of the
// table, growth) must leave the index agreeing with a plain map at every step.
TEST(FlatIndexTest, AgreesWithAPlainMapUnderRandomChanges) {
    FlatIndex<int> index;
    std::map<std::string, int> model;
    std::mt19937 random(42);
    for (int step = 0; step < 20000; ++step) {
        const std::string key = "K" + std::to_string(random() % 300);
        switch (random() % 4) {
            case 0:
            case 1: {
                const auto [value, added] = index.FindOrAdd(key);
                EXPECT_EQ(added, model.count(key) == 0) << key;
                value += 1;
                model[key] += 1;
                break;
            }
            case 2:
                index.Erase(key);
                model.erase(key);
                break;
            default: {
                const int* found = index.Find(key);
                ASSERT_EQ(found != nullptr, model.count(key) != 0) << key << " at step " << step;
                if (found != nullptr) {
                    EXPECT_EQ(*found, model[key]);
                }
            }
        }
        if (step % 5000 == 4999) {
            for (int k = 0; k < 300; ++k) {
                const std::string probe = "K" + std::to_string(k);
                const int* found = index.Find(probe);
                ASSERT_EQ(found != nullptr, model.count(probe) != 0) << probe;
                if (found != nullptr) {
                    EXPECT_EQ(*found, model[probe]);
                }
            }
        }
    }
    index.Clear();
    EXPECT_EQ(index.Find("K1"), nullptr);
    EXPECT_TRUE(index.FindOrAdd("K1").second);
}

TEST(FlatIndexTest, EmptyAndZeroByteKeys) {
    FlatIndex<int> index;
    EXPECT_EQ(index.Find(""), nullptr);
    index.Erase("missing");
    index.FindOrAdd("").first = 1;
    index.FindOrAdd(std::string("A\0B", 3)).first = 2;
    index.FindOrAdd(std::string("A\0C", 3)).first = 3;
    EXPECT_EQ(*index.Find(""), 1);
    EXPECT_EQ(*index.Find(std::string("A\0B", 3)), 2);
    EXPECT_EQ(*index.Find(std::string("A\0C", 3)), 3);
    EXPECT_EQ(index.Find("A"), nullptr);
}

}  // namespace
}  // namespace corvane
