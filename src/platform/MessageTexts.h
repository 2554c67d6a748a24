// Every text the program shows that is not a window's caption or tool tip: message boxes,
// progress lines, the summaries under the lists. Each has a key that language packs name
// it by and an English text with %1-style places for what the program fills in. The code
// asks for a text by its id; the texts in use are English until a pack's translations are
// installed. Texts written to files (list files, settings, the state dump) never come from
// here, so they read the same in every language.
#pragma once

#include <QHash>
#include <QString>
#include <span>

namespace platform {

enum class Msg {
  // The lists' summaries and the labels under the lower list
  UpperSummary,
  LowerSummary,
  OnDiscAddition,
  NoMegabytes,
  CdUtilization,
  ToBurn,
  TotalPart,
  // Adding and removing folders
  ProgramFolderWarning,
  NoFolderNamed,
  FolderCannotOpen,
  AddingFolders,
  RemovingFolders,
  SelectImageFolder,
  OneFolderSkipped,
  FoldersSkipped,
  AndMore,
  FolderMissing,
  // Searches and batches
  PlanningDiscs,
  BatchTitle,
  WritingLists,
  WritingListOf,
  WritingList,
  BatchStopped,
  SearchUnavailable,
  ListNotWritten,
  UnknownBatchMethod,
  NoFileName,
  NothingChecked,
  NothingFits,
  NoListWritten,
  OneListWritten,
  ListsWritten,
  ListCountOne,
  ListCountMany,
  PlanHolds,
  BoundOneDisc,
  BoundDiscs,
  LeftFromEarlier,
  UnlistableInBatch,
  // Burning, copying, saving, loading, deleting
  LeftOutOfBurn,
  NoBurner,
  NamesOr,
  TooManyForBurner,
  CopyTitle,
  NotRegularFile,
  CannotCopy,
  CopyOntoItself,
  CopyEscapes,
  CopyingFiles,
  CopyingFile,
  SaveTitle,
  TextFile,
  CannotSave,
  UnlistableInSave,
  FileExistsTitle,
  OverwriteQuestion,
  LoadTitle,
  ListCannotOpen,
  LeftOutLines,
  LeftOutFolders,
  LeftOutSpecial,
  LeftOutMissing,
  LeftOutEmpty,
  EmptyListTitle,
  BurnedAlready,
  ListNotTrashed,
  ScanTitle,
  NoDiscMounted,
  DeleteTitle,
  DeleteQuestion,
  NotTrashed,
  NotFilesNotTrashed,
  // Tool tips the packs cannot hold
  StartBurnerTip,
  ScanDriveTip,
  // The command line and the settings
  CapacityTitle,
  CapacityTooLarge,
  UnknownCommandTitle,
  UnknownCommand,
  SettingsNotSaved,
  Scanning,
  TypeFile,
};

struct MessageKey {
  Msg id;
  const char* key;      // as a pack names it
  const char* english;  // UTF-8
};

// Every message, in the order of the enum.
std::span<const MessageKey> messageKeys();

// The text of `id` in the language in use.
QString text(Msg id);

// The places a text leaves for arguments, as QString::arg sees them: the numbers after
// each "%" (with or without "L"), each once, sorted.
QList<int> placeholders(const QString& text);

// Installs the translations of a pack by key, in place of any installed before. A text
// is taken only when its places match the English text's and it is neither empty nor
// overlong; every other key, and every key the pack lacks, stays English. No
// translations is English.
void useTranslations(const QHash<QString, QString>& byKey);

// How long a translation may be: a few times the longest English text.
constexpr qsizetype maxTranslationLength = 2000;

}  // namespace platform
