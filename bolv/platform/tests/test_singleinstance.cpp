// One running copy per user: a second is refused, a crashed one never blocks.
#include "singleinstance.h"

#include <QLockFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>
#include <sys/wait.h>
#include <unistd.h>

namespace platform {
namespace {

TEST(SingleInstance, SecondCopyIsRefusedUntilTheFirstEnds) {
    QTemporaryDir dir;
    auto first = std::make_unique<SingleInstance>(QStringLiteral("bolv"), dir.path());
    ASSERT_TRUE(first->acquire());
    SingleInstance second(QStringLiteral("bolv"), dir.path());
    EXPECT_FALSE(second.acquire());
    first.reset();
    EXPECT_TRUE(second.acquire());
}

TEST(SingleInstance, LockLeftByACrashedCopyIsTakenOver) {
    QTemporaryDir dir;
    const QString path = SingleInstance(QStringLiteral("bolv"), dir.path()).lockPath();
    // A child takes the lock and dies without releasing it, as a crash would.
    const pid_t child = fork();
    ASSERT_GE(child, 0);
    if (child == 0) {
        auto* lock = new QLockFile(path); // never destroyed: the lock stays
        _exit(lock->tryLock(0) ? 0 : 1);
    }
    int status = 0;
    waitpid(child, &status, 0);
    ASSERT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0);
    ASSERT_TRUE(QFile::exists(path));

    SingleInstance next(QStringLiteral("bolv"), dir.path());
    EXPECT_TRUE(next.acquire());
}

} // namespace
} // namespace platform
