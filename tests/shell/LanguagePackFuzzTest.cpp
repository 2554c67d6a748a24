// Any file can be handed to the loader as a pack: mangled copies of a real pack and random
// text, loaded and applied to every window, must end without a crash or a hang, and no
// message text put in use may have other places for arguments than the English one.
#include <gtest/gtest.h>

#include <QByteArray>
#include <QFile>
#include <QScopeGuard>
#include <random>

#include "platform/MessageTexts.h"
#include "shell/LanguagePack.h"
#include "shell/MainFormControls.h"
#include "shell/SecondaryFormControls.h"
#include "support/Fakes.h"
#include "support/TempTree.h"

namespace {

// Characters that matter to the reader, weighted towards them over plain letters.
const QByteArray alphabet =
    QByteArrayLiteral("\",=[]().;\r\n \tCaptionToolTipEnd.TabCaption(frmmain)cmdaddoptmain(1)\xC3\xA9\xFF%1%2%L3\\n");

QByteArray mutate(QByteArray text, std::mt19937& random) {
  const auto pick = [&random](qsizetype below) {
    return qsizetype(std::uniform_int_distribution<qsizetype>(0, qMax<qsizetype>(0, below - 1))(random));
  };
  const int edits = 1 + int(pick(text.isEmpty() ? 60 : 12));
  for (int n = 0; n < edits; ++n) {
    switch (pick(5)) {
      case 0: text.remove(pick(text.size()), 1 + pick(20)); break;
      case 1: text.insert(pick(text.size() + 1), alphabet.mid(pick(alphabet.size()), 1 + pick(8))); break;
      case 2: text.truncate(pick(text.size() + 1)); break;
      case 3: text.insert(pick(text.size() + 1), text.mid(pick(text.size()), 1 + pick(60))); break;
      default: if (!text.isEmpty()) text[pick(text.size())] = char(pick(256));
    }
  }
  return text;
}

TEST(LanguagePackFuzz, AnyTextLoadsAndAppliesWithoutHarm) {
  QFile german(QStringLiteral(FILLPACK_SOURCE_DIR "/language/Deutsch.lpk"));
  ASSERT_TRUE(german.open(QIODevice::ReadOnly));
  const QByteArray seed = german.readAll();
  testing_support::TempTree tree;
  testing_support::RecordingMessages messages;
  testing_support::ScriptedPump pump;
  shell::clsLanguagePack pack(messages, pump);
  const auto backToEnglish = qScopeGuard([] { platform::useTranslations({}); });
  std::mt19937 random(20261207);
  const QString path = tree.path("fuzz.lpk");
  for (int n = 0; n < 3000; ++n) {
    // Every fourth text grows from nothing, so the reader also meets text with no structure at all.
    const QByteArray text = mutate(n % 4 == 3 ? QByteArray() : seed, random);
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
    file.write(text);
    file.close();
    pack.LoadLanguagePack(path);
    // Every section starts at a "[" of the text; a pack never invents one.
    ASSERT_LE(pack.sections().size(), text.count('[')) << n;
    for (const auto table : {shell::mainFormControls(), shell::aboutFormControls(), shell::helpFormControls()}) {
      catalogue::Form form(table);
      pack.SetLanguageInForm(form);
      ASSERT_EQ(form.controls().size(), table.size()) << n;  // applying never adds a control
    }
    platform::useTranslations(pack.messages());
    for (const platform::MessageKey& m : platform::messageKeys())
      ASSERT_EQ(platform::placeholders(platform::text(m.id)), platform::placeholders(QString::fromUtf8(m.english)))
          << n << ' ' << m.key;
  }
  EXPECT_TRUE(messages.shown.isEmpty());
}

}  // namespace
