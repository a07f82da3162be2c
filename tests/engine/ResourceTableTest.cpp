// The count and purge rules of the resource store, checked with a resource
// type that counts its file reads and its destructions.
#include <gtest/gtest.h>

#include <cstdio>
#include <string>
#include <vector>

#include "engine/FileStream.h"
#include "engine/ResourceTable.h"
#include "support/TestDirectory.h"

namespace {

int gReads = 0;
int gDestroyed = 0;
// The paths of the destroyed objects, in the order they went.
std::vector<std::string> gDestroyedPaths;

class CountedResource {
public:
    CountedResource() : loaded(false) {}
    ~CountedResource() {
        ++gDestroyed;
        gDestroyedPaths.push_back(path);
    }
    bool load(const char* path) {
        ++gReads;
        this->path = path;
        FileStream stream;
        stream.openRead(path);
        loaded = !stream.failed();
        return loaded;
    }
    bool loaded;
    std::string path;
};

class ResourceTableTest : public testing::Test {
protected:
    void SetUp() override {
        gReads = 0;
        gDestroyed = 0;
        gDestroyedPaths.clear();
        ASSERT_TRUE(writeFileBytes("res/a.dat", {1}));
        ASSERT_TRUE(writeFileBytes("res/b.dat", {2}));
        ASSERT_TRUE(writeFileBytes("res/c.dat", {3}));
    }

    TestDirectory directory;
    ResourceTable<CountedResource> table;
    bool failed = false;
};

TEST_F(ResourceTableTest, SecondAcquireSharesTheObjectWithoutReading) {
    CountedResource* first = table.acquire("res/a.dat", failed);
    EXPECT_FALSE(failed);
    EXPECT_TRUE(first->loaded);
    CountedResource* second = table.acquire("res/a.dat", failed);
    EXPECT_FALSE(failed);
    EXPECT_EQ(first, second);
    EXPECT_EQ(1, gReads);
    EXPECT_EQ(2, table.countOf("res/a.dat"));
}

TEST_F(ResourceTableTest, FailedLoadIsKeptAndSharedWithoutRetrying) {
    CountedResource* first = table.acquire("res/missing.dat", failed);
    EXPECT_TRUE(failed);
    ASSERT_NE(nullptr, first);
    EXPECT_FALSE(first->loaded);
    EXPECT_EQ(1, table.countOf("res/missing.dat"));

    CountedResource* second = table.acquire("res/missing.dat", failed);
    EXPECT_FALSE(failed);
    EXPECT_EQ(first, second);
    EXPECT_EQ(2, table.countOf("res/missing.dat"));
    EXPECT_EQ(1, gReads);
}

TEST_F(ResourceTableTest, ReleasedObjectLivesUntilPurgedAndIsReloadedAfter) {
    CountedResource* object = table.acquire("res/a.dat", failed);
    table.release(object, failed);
    EXPECT_FALSE(failed);
    EXPECT_EQ(0, table.countOf("res/a.dat"));
    EXPECT_EQ(0, gDestroyed);

    // Handed out again before any purge: same object, no read.
    EXPECT_EQ(object, table.acquire("res/a.dat", failed));
    EXPECT_EQ(1, table.countOf("res/a.dat"));
    EXPECT_EQ(1, gReads);

    // Held: a purge keeps it.
    table.purgeUnused();
    EXPECT_EQ(0, gDestroyed);
    EXPECT_TRUE(table.holds("res/a.dat"));

    table.release(object, failed);
    table.purgeUnused();
    EXPECT_EQ(1, gDestroyed);
    EXPECT_FALSE(table.holds("res/a.dat"));
    EXPECT_EQ(nullptr, table.keyOf(object));

    table.acquire("res/a.dat", failed);
    EXPECT_EQ(2, gReads);
    EXPECT_EQ(1, table.countOf("res/a.dat"));
}

TEST_F(ResourceTableTest, ReleasingMoreThanAcquiredPinsTheEntryAtMinusOne) {
    CountedResource* object = table.acquire("res/a.dat", failed);
    table.release(object, failed);
    EXPECT_FALSE(failed);
    table.release(object, failed);
    EXPECT_TRUE(failed);
    EXPECT_EQ(-1, table.countOf("res/a.dat"));

    table.purgeUnused();
    EXPECT_EQ(0, gDestroyed);

    // Acquires still hand it out but no longer count.
    EXPECT_EQ(object, table.acquire("res/a.dat", failed));
    EXPECT_FALSE(failed);
    EXPECT_EQ(-1, table.countOf("res/a.dat"));
    table.release(object, failed);
    EXPECT_TRUE(failed);
    EXPECT_EQ(-1, table.countOf("res/a.dat"));
    EXPECT_EQ(1, gReads);
}

TEST_F(ResourceTableTest, ForeignHandlesChangeNoCount) {
    CountedResource* held = table.acquire("res/a.dat", failed);
    CountedResource stranger;
    table.release(&stranger, failed);
    EXPECT_TRUE(failed);
    EXPECT_EQ(1, table.countOf("res/a.dat"));
    EXPECT_EQ(1u, table.size());

    // Re-acquiring a held handle counts one more holder of the same object.
    EXPECT_EQ(held, table.reacquire(held, "res/", failed));
    EXPECT_FALSE(failed);
    EXPECT_EQ(2, table.countOf("res/a.dat"));
    EXPECT_EQ(1, gReads);

    // A foreign handle gets the fallback entry, and the failure.
    CountedResource* fallback = table.reacquire(&stranger, "res/", failed);
    EXPECT_TRUE(failed);
    EXPECT_NE(&stranger, fallback);
    EXPECT_EQ("res/", *table.keyOf(fallback));
    EXPECT_EQ(1, table.countOf("res/"));
    EXPECT_EQ(2, table.countOf("res/a.dat"));
}

TEST_F(ResourceTableTest, PurgeRemovesNeighbouringUnusedEntriesAndKeepsTheRest) {
    CountedResource* a = table.acquire("res/a.dat", failed);
    CountedResource* b = table.acquire("res/b.dat", failed);
    table.acquire("res/c.dat", failed);
    CountedResource* d = table.acquire("res/d.dat", failed);
    table.release(a, failed);
    table.release(b, failed);
    table.release(d, failed);
    table.release(d, failed);

    table.purgeUnused();
    EXPECT_EQ(2, gDestroyed);
    EXPECT_FALSE(table.holds("res/a.dat"));
    EXPECT_FALSE(table.holds("res/b.dat"));
    EXPECT_TRUE(table.holds("res/c.dat"));
    EXPECT_TRUE(table.holds("res/d.dat"));
    EXPECT_EQ(2u, table.size());

    // Clearing deletes what is left, whatever the counts.
    table.clear();
    EXPECT_EQ(4, gDestroyed);
    EXPECT_EQ(0u, table.size());
}

TEST_F(ResourceTableTest, ClearAndTheTableItselfDeleteWhatIsLeftInKeyOrder) {
    table.acquire("res/c.dat", failed);
    table.acquire("res/a.dat", failed);
    table.acquire("res/b.dat", failed);
    table.clear();
    EXPECT_EQ((std::vector<std::string>{"res/a.dat", "res/b.dat", "res/c.dat"}), gDestroyedPaths);
    EXPECT_EQ(nullptr, table.keyOf(nullptr));
    EXPECT_FALSE(table.holds("res/a.dat"));

    // Held or not, a table that goes deletes its objects with it.
    gDestroyedPaths.clear();
    {
        ResourceTable<CountedResource> passing;
        passing.acquire("res/b.dat", failed);
        CountedResource* released = passing.acquire("res/a.dat", failed);
        passing.release(released, failed);
        EXPECT_TRUE(gDestroyedPaths.empty());
    }
    EXPECT_EQ((std::vector<std::string>{"res/a.dat", "res/b.dat"}), gDestroyedPaths);
}

}  // namespace
