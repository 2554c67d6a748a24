// The English texts are the program's own and stay exactly as they always read: tests and
// the texts users know rely on them. A translation that would leave out or add an argument
// is refused, so that QString::arg never puts a value in the wrong place or drops it.
#include "platform/MessageTexts.h"

#include <QList>
#include <algorithm>
#include <iterator>

namespace platform {

namespace {

using enum Msg;

constexpr MessageKey table[] = {
    {UpperSummary, "UpperSummary", "Files in list %1 of %2 Megabytes"},
    {LowerSummary, "LowerSummary", "%1 Files of %2 Megabytes"},
    {OnDiscAddition, "OnDiscAddition", " (%1 on disc)"},
    {NoMegabytes, "NoMegabytes", "0 Megabytes"},
    {CdUtilization, "CdUtilization", "% CD utilization"},
    {ToBurn, "ToBurn", " to burn"},
    {TotalPart, "TotalPart", "Total Part... %1"},
    {ProgramFolderWarning, "ProgramFolderWarning",
     "Add files from Application path reason set in CD/DVD in drive, change or set in CD/DVD and ''Ok'' continue"},
    {NoFolderNamed, "NoFolderNamed", "No folder is named in the folder box, so no files were added."},
    {FolderCannotOpen, "FolderCannotOpen", "The folder \"%1\" cannot be opened, so no files were added from it."},
    {AddingFolders, "AddingFolders", "Adding directories"},
    {RemovingFolders, "RemovingFolders", "Removing directories"},
    {SelectImageFolder, "SelectImageFolder", "Select an Image Folder"},
    {OneFolderSkipped, "OneFolderSkipped", "1 folder could not be read, so its files were not added:"},
    {FoldersSkipped, "FoldersSkipped", "%1 folders could not be read, so their files were not added:"},
    {AndMore, "AndMore", "and %1 more"},
    {FolderMissing, "FolderMissing", "%1 doesn't exist."},
    {PlanningDiscs, "PlanningDiscs", "Planning discs"},
    {BatchTitle, "BatchTitle", "Batch search"},
    {WritingLists, "WritingLists", "Writing lists"},
    {WritingListOf, "WritingListOf", "Writing %1 (list %2 of %3)"},
    {WritingList, "WritingList", "Writing %1 (list %2)"},
    {BatchStopped, "BatchStopped", "The batch was stopped."},
    {SearchUnavailable, "SearchUnavailable", "The search cannot run at the moment."},
    {ListNotWritten, "ListNotWritten",
     "The list \"%1\" could not be written: %2. The batch stopped there; the files of that part are checked again in "
     "the upper list."},
    {UnknownBatchMethod, "UnknownBatchMethod",
     "The batch search method %1 is not known; use 0, 1 or 2. No list was written."},
    {NoFileName, "NoFileName", "The list name \"%1\" does not end in a file name."},
    {NothingChecked, "NothingChecked", "No file of the upper list is checked, so there is nothing to split."},
    {NothingFits, "NothingFits", "No checked file fits the capacity of %1 megabytes."},
    {NoListWritten, "NoListWritten", "No list was written."},
    {OneListWritten, "OneListWritten", "1 list written: \"%1\"."},
    {ListsWritten, "ListsWritten", "%1 lists written, from \"%2\" to \"%3\"."},
    {ListCountOne, "ListCountOne", "%1 list"},
    {ListCountMany, "ListCountMany", "%1 lists"},
    {PlanHolds, "PlanHolds", "The plan holds %1"},
    {BoundOneDisc, "BoundOneDisc", "%1; at least %2 disc is needed."},
    {BoundDiscs, "BoundDiscs", "%1; at least %2 discs are needed."},
    {LeftFromEarlier, "LeftFromEarlier", "Left from an earlier batch and not part of this one:"},
    {UnlistableInBatch, "UnlistableInBatch",
     "A line break in their names keeps these files out of every list; they stay checked in the upper list:"},
    {LeftOutOfBurn, "LeftOutOfBurn", "These entries of the lower list are not files (or are gone) and were left out:"},
    {NoBurner, "NoBurner", "No Burner installed, I will recommend install a burner program example: %1"},
    {NamesOr, "NamesOr", " or "},
    {TooManyForBurner, "TooManyForBurner",
     "The %1 checked files are too many, or their names too long, to hand to %2 on its command line. %2 starts with "
     "an empty data project: drag the checked files from the lower list into it, or paste them after the clipboard "
     "button."},
    {CopyTitle, "CopyTitle", "Copy to Folder"},
    {NotRegularFile, "NotRegularFile", "Not a regular file"},
    {CannotCopy, "CannotCopy", "\"%1\" cannot be copied to \"%2\": %3.\r\nThe files copied before it stay there."},
    {CopyOntoItself, "CopyOntoItself",
     "\"%1\" would be copied onto itself, which would destroy it; nothing was copied."},
    {CopyEscapes, "CopyEscapes",
     "The copy stopped at \"%1\": a link (or \"..\") there could lead the files out of the target folder, so it is "
     "not followed.\r\nThe files copied before it stay there."},
    {CopyingFiles, "CopyingFiles", "Copying files"},
    {CopyingFile, "CopyingFile", "Copying %1\n(file %2 of %3, %4 of %5 MB)"},
    {SaveTitle, "SaveTitle", "Save File List"},
    {TextFile, "TextFile", "Text File"},
    {CannotSave, "CannotSave", "The list could not be saved to \"%1\": %2. Nothing was changed there."},
    {UnlistableInSave, "UnlistableInSave",
     "A line break in their names keeps these files out of \"%1\"; they are checked again in the upper list:"},
    {FileExistsTitle, "FileExistsTitle", "File exists"},
    {OverwriteQuestion, "OverwriteQuestion", "File already exists. Do you wish to over write it?"},
    {LoadTitle, "LoadTitle", "Load File List"},
    {ListCannotOpen, "ListCannotOpen", "The list file \"%1\" cannot be opened."},
    {LeftOutLines, "LeftOutLines", "Only files that are not empty are loaded. Lines left out: %1"},
    {LeftOutFolders, "LeftOutFolders", "Folders: %1"},
    {LeftOutSpecial, "LeftOutSpecial", "Devices, pipes, sockets and system files: %1"},
    {LeftOutMissing, "LeftOutMissing", "Files that are missing or cannot be read: %1"},
    {LeftOutEmpty, "LeftOutEmpty", "Empty files: %1"},
    {EmptyListTitle, "EmptyListTitle", "Delete empty file list?"},
    {BurnedAlready, "BurnedAlready",
     "The files in this file list appear to have been burned and deleted already.\r\nWould you like to delete this "
     "file list?"},
    {ListNotTrashed, "ListNotTrashed", "The list file \"%1\" could not be moved to the trash."},
    {ScanTitle, "ScanTitle", "Scan disc"},
    {NoDiscMounted, "NoDiscMounted", "There is no disc mounted in the drive %1."},
    {DeleteTitle, "DeleteTitle", "Delete files"},
    {DeleteQuestion, "DeleteQuestion", "Are you sure you want to delete the files selected?"},
    {NotTrashed, "NotTrashed", "These files could not be moved to the trash and stay in the lists:"},
    {NotFilesNotTrashed, "NotFilesNotTrashed",
     "These entries are not files and were not moved to the trash; they stay in the lists:"},
    {StartBurnerTip, "StartBurnerTip", "Start %1"},
    {ScanDriveTip, "ScanDriveTip",
     "Scan this drive for files, if they are found in this computer, those files are deleted (cause they're backed up "
     "to CD already)"},
    {CapacityTitle, "CapacityTitle", "Capacity of the medium"},
    {CapacityTooLarge, "CapacityTooLarge", "The size %1 is too large for a medium; the limit stays at %2 megabytes."},
    {UnknownCommandTitle, "UnknownCommandTitle", "Command not recognised"},
    {UnknownCommand, "UnknownCommand", "%1 is not a valid command\r\n\r\nTry the /? parameter for assistance"},
    {SettingsNotSaved, "SettingsNotSaved", "The settings could not be saved to %1. The file was left as it was."},
    {Scanning, "Scanning", "Scanning..."},
    {TypeFile, "TypeFile", "%1 File"},
};

constexpr bool rowsInEnumOrder() {
  for (size_t i = 0; i < std::size(table); ++i)
    if (table[i].id != Msg(i)) return false;
  return table[std::size(table) - 1].id == TypeFile;
}
static_assert(rowsInEnumOrder(), "one row per message, in the order of the enum");

// The translations installed, by message; a null text stands for English.
QList<QString>& installed() {
  static QList<QString> texts(std::size(table));
  return texts;
}

}  // namespace

std::span<const MessageKey> messageKeys() { return table; }

QString text(Msg id) {
  const QString& translated = installed()[qsizetype(id)];
  return translated.isNull() ? QString::fromUtf8(table[size_t(id)].english) : translated;
}

QList<int> placeholders(const QString& text) {
  QList<int> found;
  for (qsizetype i = 0; i + 1 < text.size(); ++i) {
    if (text[i] != u'%') continue;
    qsizetype at = i + 1;
    if (text[at] == u'L') ++at;
    // QString::arg reads one or two digits, from %1 to %99.
    int number = 0;
    qsizetype digits = 0;
    while (at < text.size() && digits < 2 && text[at].isDigit() && text[at].unicode() < 128) {
      number = number * 10 + (text[at].unicode() - '0');
      ++at;
      ++digits;
    }
    if (number > 0 && !found.contains(number)) found.append(number);
  }
  std::sort(found.begin(), found.end());
  return found;
}

void useTranslations(const QHash<QString, QString>& byKey) {
  QList<QString>& texts = installed();
  for (const MessageKey& message : table) {
    QString& slot = texts[qsizetype(message.id)];
    slot = QString();
    const auto given = byKey.constFind(QString::fromLatin1(message.key));
    if (given == byKey.cend() || given->isEmpty() || given->size() > maxTranslationLength) continue;
    if (placeholders(*given) == placeholders(QString::fromUtf8(message.english))) slot = *given;
  }
}

}  // namespace platform
