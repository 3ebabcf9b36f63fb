// Loading the psychrometric component: found, missing, or not the right class.
#include "UiTestSupport.h"

#include <QCoreApplication>
#include <QFile>
#include <QTemporaryDir>

namespace kestrix::ui::test {
namespace {

TEST(ComponentLoader, CreatesTheObjectFromTheProgramFolder) {
    ComponentLoader loader;
    QString error;
    ASSERT_TRUE(loader.Load(&error)) << error.toStdString();
    ASSERT_NE(loader.Object(), nullptr);
    EXPECT_TRUE(loader.LibraryPath().endsWith("libhygrovex.so"));
    loader.Release();
    EXPECT_EQ(loader.Object(), nullptr);
    loader.Release(); // again: nothing happens
}

TEST(ComponentLoader, FailuresGiveAMessageAndNoObject) {
    QTemporaryDir empty, junk;
    {
        QFile fake(junk.path() + "/libhygrovex.so");
        ASSERT_TRUE(fake.open(QIODevice::WriteOnly));
        fake.write("not a library");
    }
    const QString here = QCoreApplication::applicationDirPath();
    const struct {
        const char* what;
        QStringList paths;
        const char* classId;
        const char* mentions;
    } rows[] = {
        {"no library in any folder", {empty.path()}, hygrovex::kClassId, "was not found"},
        {"a file that is no library", {junk.path()}, hygrovex::kClassId, "could not be loaded"},
        {"an unknown class",
         {here},
         "{00000000-0000-0000-0000-000000000000}",
         "does not provide the class"},
    };
    for (const auto& row : rows) {
        ComponentLoader loader;
        QString error;
        EXPECT_FALSE(loader.Load(&error, row.paths, row.classId)) << row.what;
        EXPECT_EQ(loader.Object(), nullptr) << row.what;
        EXPECT_TRUE(error.contains(row.mentions)) << row.what << ": " << error.toStdString();
    }
}

} // namespace
} // namespace kestrix::ui::test
