#include "platform/FileReplacement.h"
#include "platform/FileHandle.h"
#include "support/FakeServices.h"
#include "support/TestFiles.h"

#include <QDir>
#include <gtest/gtest.h>

namespace {

QString Listing(const QString& Folder) {
    return QDir(Folder)
        .entryList(QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot,
                   QDir::Name)
        .join(",");
}

} // namespace

// Until it is committed the new file is nowhere to be seen at the name, and
// the step before the swap still finds the old file there.
TEST(FileReplacement, TakesTheNameOnlyWhenCommitted) {
    FakeServices fake;
    const QString folder = fake.Folder() + "/files", path = folder + "/data.bin";
    ASSERT_TRUE(QDir().mkpath(folder));
    WriteBytes(path, "old bytes");
    {
        TFileReplacement unfinished(path);
        ASSERT_EQ(FileWrite(unfinished.Handle(), "new", 3), 3);
    }
    EXPECT_EQ(ReadBytes(path), "old bytes");
    EXPECT_EQ(Listing(folder).toStdString(), "data.bin");

    TFileReplacement file(path);
    ASSERT_EQ(FileWrite(file.Handle(), "new", 3), 3);
    QByteArray beforeSwap;
    file.Commit([&] { beforeSwap = ReadBytes(path); });
    EXPECT_EQ(beforeSwap, "old bytes");
    EXPECT_EQ(ReadBytes(path), "new");
    EXPECT_EQ(Listing(folder).toStdString(), "data.bin");
}

// Whatever stops the swap, the name keeps what it held and the new file is
// gone.
TEST(FileReplacement, AFailedCommitLeavesNothingOfItsOwn) {
    FakeServices fake;
    const QString folder = fake.Folder() + "/files";
    ASSERT_TRUE(QDir().mkpath(folder + "/taken"));
    WriteBytes(folder + "/data.bin", "old bytes");
    const struct {
        QString Name;
        bool BeforeSwapRaises;
        std::string Message;
    } cases[] = {
        {"data.bin", true, "refused"},
        {"taken", false, "Cannot create file " + (folder + "/taken").toStdString()},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.Name.toStdString());
        EXPECT_EQ(MessageOf([&] {
                      TFileReplacement file(folder + "/" + c.Name);
                      FileWrite(file.Handle(), "new", 3);
                      file.Commit([&] {
                          if (c.BeforeSwapRaises)
                              throw Exception("refused");
                      });
                  }),
                  c.Message);
        EXPECT_EQ(Listing(folder).toStdString(), "data.bin,taken");
        EXPECT_EQ(ReadBytes(folder + "/data.bin"), "old bytes");
        EXPECT_TRUE(QDir(folder + "/taken").isEmpty());
    }
}
