// Where the program looks for its data: the build tree first, then the installation.
#include <gtest/gtest.h>

#include "platform/DataFolder.h"
#include "support/TempTree.h"

namespace {

TEST(DataFolder, BuildTreeThenInstallationThenTheProgramsFolder) {
  testing_support::TempTree tree;
  tree.folder("build/language");
  tree.folder("usr/bin");
  tree.folder("usr/share/fillpack/language");
  tree.folder("opt/bin");
  EXPECT_EQ(platform::dataFolder(tree.path("build")), tree.path("build"));
  EXPECT_EQ(platform::dataFolder(tree.path("usr/bin")), tree.path("usr/share/fillpack"));
  EXPECT_EQ(platform::dataFolder(tree.path("opt/bin")), tree.path("opt/bin"));
  tree.folder("usr/bin/language");
  EXPECT_EQ(platform::dataFolder(tree.path("usr/bin")), tree.path("usr/bin"));
}

}  // namespace
