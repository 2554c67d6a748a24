// The INI settings store against a private configuration folder: texts come back exactly,
// keys stay, and a file that is garbage or cannot be replaced never costs the old values.
#include <gtest/gtest.h>
#include <sys/fsuid.h>
#include <sys/stat.h>
#include <unistd.h>

#include <QDir>
#include <QFile>
#include <cerrno>
#include <cstring>
#include <functional>

#include "platform/FileNames.h"
#include "platform/IniSettingsStore.h"
#include "support/FileBytes.h"
#include "support/FileSizeLimit.h"
#include "support/TempTree.h"

using platform::IniSettingsStore;
using testing_support::readBytes;
using testing_support::TempTree;

namespace {

const QString app = QStringLiteral("Fillpack");

void put(const QString& path, const QByteArray& bytes) { EXPECT_TRUE(testing_support::writeBytes(path, bytes)); }

mode_t kindOf(const QString& path) {
  struct stat st {};
  return ::lstat(QFile::encodeName(path).constData(), &st) == 0 ? st.st_mode & S_IFMT : 0;
}

class SettingsStoreTest : public testing::Test {
 protected:
  SettingsStoreTest() : saved_(qgetenv("XDG_CONFIG_HOME")) { useConfig(QStringLiteral("config")); }
  ~SettingsStoreTest() override { qputenv("XDG_CONFIG_HOME", saved_); }

  void useConfig(const QString& relative) { qputenv("XDG_CONFIG_HOME", QFile::encodeName(tree.path(relative))); }
  QString ini(const QString& relative = QStringLiteral("config")) const {
    return tree.path(relative + QStringLiteral("/Fillpack/Fillpack.ini"));
  }
  // A copy under a new name is parsed afresh, not served from what the process cached.
  void moveToFreshCopy(const QString& relative) { put(ini(relative), readBytes(ini())), useConfig(relative); }

  // What lies beside the settings file other than the file and its lock.
  QStringList strayFiles() const {
    QStringList left =
        QDir(tree.path("config/Fillpack")).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot);
    left.removeOne(QStringLiteral("Fillpack.ini.lock"));
    if (!left.removeOne(QStringLiteral("Fillpack.ini"))) left.append(QStringLiteral("<no Fillpack.ini>"));
    return left;
  }

  TempTree tree;
  const QByteArray saved_;
};

TEST_F(SettingsStoreTest, TextsComeBackExactlyFromTheFileTheEnvironmentNames) {
  const QString texts[] = {"True", "/home/x, y",  "\"quoted\"", "  blanks at both ends ", "back\\slash\\", "Grüße ☃ 日本", "",
                           "key=value; #not a comment", "@Variant(x)", "line\nbreak\r\n"};
  const char* keys[] = {"Last Path", "odd=key", "[odd", " odd "};
  {
    IniSettingsStore store;
    for (int i = 0; i < int(std::size(texts)); ++i)
      EXPECT_TRUE(store.write(app, "Dir List", QStringLiteral("Item %1").arg(i + 1), texts[i]));
    for (const char* key : keys) EXPECT_TRUE(store.write(app, "Main", key, key));
    EXPECT_TRUE(store.flush());
  }
  EXPECT_EQ(IniSettingsStore::fileOf(app), ini());
  moveToFreshCopy(QStringLiteral("copy"));
  IniSettingsStore store;
  for (int i = 0; i < int(std::size(texts)); ++i)
    EXPECT_EQ(store.read(app, "Dir List", QStringLiteral("Item %1").arg(i + 1), "<default>"), texts[i]) << i;
  for (const char* key : keys) EXPECT_EQ(store.read(app, "Main", key, "<default>"), key);
  EXPECT_EQ(store.read(app, "Main", "Item 1", "<default>"), "<default>");  // sections are apart
}

// Without XDG_CONFIG_HOME, or with a relative one (which XDG says to ignore), ~/.config.
TEST_F(SettingsStoreTest, TheDefaultFolderIsTheHomeConfiguration) {
  const QString home = QDir::homePath() + QStringLiteral("/.config/Fillpack/Fillpack.ini");
  for (const char* value : {"", "relative/config"}) {
    qputenv("XDG_CONFIG_HOME", value);
    EXPECT_EQ(IniSettingsStore::fileOf(app), home) << value;
  }
}

TEST_F(SettingsStoreTest, KeysAreNeverDeletedAndASaveLeavesOnlyTheFile) {
  for (const int last : {3, 1}) {
    IniSettingsStore store;
    for (int n = 0; n <= last; ++n)
      store.write(app, "Dir List", n ? QStringLiteral("Item %1").arg(n) : QStringLiteral("Items"), QString::number(last));
    EXPECT_TRUE(store.flush());
  }
  EXPECT_EQ(strayFiles(), QStringList());
  moveToFreshCopy(QStringLiteral("copy"));
  IniSettingsStore store;
  const char* expected[][2] = {{"Items", "1"}, {"Item 1", "1"}, {"Item 2", "3"}, {"Item 3", "3"}, {"Item 4", "<none>"}};
  for (const auto& [key, text] : expected) EXPECT_EQ(store.read(app, "Dir List", key, "<none>"), text) << key;
}

TEST_F(SettingsStoreTest, AFileThatMakesNoSenseGivesDefaultsAndIsWrittenOver) {
  const QByteArray garbage[] = {QByteArray("\x00\xff\xfe[\x01=\x02\n\x80\x81", 10), "[Main\nLast Path\n=\n[[]]]\n"};
  for (const QByteArray& bytes : garbage) {
    SCOPED_TRACE(bytes.left(12).toHex().toStdString());
    useConfig(QStringLiteral("config-%1").arg(qHash(bytes)));
    put(IniSettingsStore::fileOf(app), bytes);
    IniSettingsStore store;
    EXPECT_EQ(store.read(app, "Main", "Last Path", "<default>"), "<default>");
    EXPECT_TRUE(store.write(app, "Main", "Last Path", "/new") && store.flush());
    EXPECT_TRUE(readBytes(IniSettingsStore::fileOf(app)).contains("/new"));
  }
}

// A save that cannot finish keeps the old file byte for byte and leaves no temporary beside it.
TEST_F(SettingsStoreTest, AFailedSaveKeepsTheOldFile) {
  const auto asOrdinaryUserInReadOnlyFolder = [this](const std::function<void()>& save) {
    ::chmod(QFile::encodeName(tree.root()).constData(), 0755);  // an ordinary user must reach the folder
    ::chmod(QFile::encodeName(tree.path("config/Fillpack")).constData(), 0555);
    const bool root = ::geteuid() == 0;  // root writes anywhere unless it acts as someone else
    if (root) ::setfsuid(65534);
    save();
    if (root) ::setfsuid(0);
    ::chmod(QFile::encodeName(tree.path("config/Fillpack")).constData(), 0755);
  };
  const auto withFileSizeLimit = [](const std::function<void()>& save) {
    const testing_support::FileSizeLimit limit(4096);
    save();
  };
  for (const auto& failing : {std::function(asOrdinaryUserInReadOnlyFolder), std::function(withFileSizeLimit)}) {
    put(ini(), "[Main]\nLast Path=/old\n");
    IniSettingsStore store;
    failing([&store] { EXPECT_FALSE(store.write(app, "Main", "Last Path", QString(8192, u'n')) && store.flush()); });
    EXPECT_EQ(readBytes(ini()), "[Main]\nLast Path=/old\n") << readBytes(ini()).size();
    EXPECT_EQ(strayFiles(), QStringList());
  }
}

// A pipe at the settings file's name would hold the start for ever if it were opened as a
// file; whatever is no regular file reads as missing, and a save leaves it as it was and
// says why. A link to a regular file (a dotfile manager's) is read and updated through.
TEST_F(SettingsStoreTest, OnlyARegularFileIsReadOrReplacedLinkedOrNot) {
  const struct {
    const char* what;
    std::function<void(TempTree&)> make;  // makes config/Fillpack/Fillpack.ini
    bool regular;
  } cases[] = {
      {"a pipe", [](TempTree& t) { t.fifo("config/Fillpack/Fillpack.ini"); }, false},
      {"a link to a pipe",
       [](TempTree& t) { t.fifo("dots/pipe"), t.symlink(t.path("dots/pipe"), "config/Fillpack/Fillpack.ini"); }, false},
      {"a link to a folder",
       [](TempTree& t) { t.folder("dots/pipe"), t.symlink(t.path("dots/pipe"), "config/Fillpack/Fillpack.ini"); },
       false},
      {"a link to a file", [](TempTree& t) {
         put(t.path("dots/pipe"), "[Main]\nLast Path=/old\nPattern=*.mp3\n");
         t.symlink("../../dots/pipe", "config/Fillpack/Fillpack.ini");
       }, true},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.what);
    TempTree tree;
    qputenv("XDG_CONFIG_HOME", QFile::encodeName(tree.path("config")));
    c.make(tree);
    const QString named = tree.path("config/Fillpack/Fillpack.ini"), behind = tree.path("dots/pipe");
    const mode_t namedKind = kindOf(named), behindKind = kindOf(behind);
    IniSettingsStore store;
    EXPECT_EQ(store.read(app, "Main", "Last Path", "<default>"), c.regular ? "/old" : "<default>");
    EXPECT_TRUE(store.write(app, "Main", "Last Path", "/new"));
    EXPECT_EQ(store.flush(), c.regular);
    const QString reason = behindKind == S_IFDIR ? QString::fromLocal8Bit(std::strerror(EISDIR))
                                                 : QStringLiteral("Not a regular file");
    EXPECT_EQ(store.failure(), c.regular ? QString() : u'"' + named + QStringLiteral("\": ") + reason);
    EXPECT_EQ(kindOf(named), namedKind);
    EXPECT_EQ(kindOf(behind), behindKind);
    if (c.regular) { EXPECT_EQ(readBytes(behind), "[Main]\nLast Path=/new\nPattern=*.mp3\n"); }
  }
}

// A folder whose name is not UTF-8 keeps its bytes through a save and the next start (as
// "\xFF" in the file); texts saved before, typed by hand in UTF-8 or in another encoding,
// read as they always did.
TEST_F(SettingsStoreTest, NamesThatAreNotUtf8KeepTheirBytes) {
  const QString raw = platform::decodeFileName(QByteArray("/mnt/d\xff\xfe-\xc3\xa9\xe9"));
  {
    IniSettingsStore store;
    store.write(app, "Dir List", "Item 1", raw);
    store.write(app, "Main", "Last Path", raw);
    ASSERT_TRUE(store.flush());
  }
  EXPECT_TRUE(readBytes(ini()).contains("Item 1=/mnt/d\\xFF\\xFE-\xc3\xa9\\xE9\n"));
  moveToFreshCopy(QStringLiteral("copy"));
  {
    IniSettingsStore store;
    EXPECT_EQ(platform::encodeFileName(store.read(app, "Dir List", "Item 1", {})), platform::encodeFileName(raw));
    EXPECT_EQ(store.read(app, "Main", "Last Path", {}), raw);
  }
  put(ini(), "[Dir List]\nItem 1=/home/Gr\xc3\xbc\xc3\x9f\x65\nItem 2=C:\\\\x41\\xZZ\\x7F\\x\nItem 3=/latin/M\xfcsik\n");
  moveToFreshCopy(QStringLiteral("by hand"));
  IniSettingsStore store;
  EXPECT_EQ(store.read(app, "Dir List", "Item 1", {}), QStringLiteral("/home/Grüße"));
  EXPECT_EQ(store.read(app, "Dir List", "Item 2", {}), QStringLiteral("C:\\x41xZZx7Fx"));
  EXPECT_EQ(platform::encodeFileName(store.read(app, "Dir List", "Item 3", {})), QByteArray("/latin/M\xfcsik"));
}

}  // namespace
