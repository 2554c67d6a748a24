// The test program's entry: an offscreen Qt application, and a private home so that no
// test can touch the user's own settings, trash or files.
#include <QApplication>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <cstdlib>
#include <gtest/gtest.h>

int main(int argc, char** argv) {
  ::testing::InitGoogleTest(&argc, argv);
  QTemporaryDir home;
  if (!home.isValid()) return 2;
  const QByteArray root = home.path().toLocal8Bit();
  ::setenv("HOME", root.constData(), 1);
  ::setenv("XDG_CONFIG_HOME", (root + "/config").constData(), 1);
  ::setenv("XDG_DATA_HOME", (root + "/data").constData(), 1);
  ::setenv("XDG_CACHE_HOME", (root + "/cache").constData(), 1);
  ::setenv("QT_QPA_PLATFORM", "offscreen", 1);
  QStandardPaths::setTestModeEnabled(true);
  QApplication app(argc, argv);
  return RUN_ALL_TESTS();
}
