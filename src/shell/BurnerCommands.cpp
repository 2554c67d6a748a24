// Handing the lower list to the burning program: through the clipboard with an empty
// project to paste into, or on the burner's own command line. On Linux no other program
// holds the clipboard open, so there is no "clipboard is busy" case to ask about. Only
// regular files are handed over; what else a loaded list names is left out and told.
#include "catalogue/Numbers.h"
#include "catalogue/ProgramTitle.h"
#include "output/BurnerLaunch.h"
#include "output/FileDrop.h"
#include "shell/MainForm.h"
#include "shell/MainFormControls.h"

namespace shell {

using catalogue::programTitle;

void MainForm::cmdClipBoard_Click() {
  if (!form_.find(mainform::cmdClipBoard)->enabled) return;
  QStringList leftOut;
  const QStringList files = output::regularFiles(catalogue_.lstsec().fullPaths(false), leftOut);
  services_.clipboard.setMimeData(output::fileDropData(files));
  // Whether the burner starts is not told: the list is on the clipboard either way.
  if (burner_)
    services_.processes.startDetached(burner_->path,
                                      output::dataProjectStart(*burner_, limitMedium(), {}, 0).arguments);
  if (!leftOut.isEmpty())
    services_.messages.show(programTitle, output::leftOutText(leftOut), platform::MessageIcon::Information);
}

void MainForm::cmdburn_Click(int index) {
  if (index != 0) return;
  QStringList leftOut;
  const QStringList files = output::regularFiles(catalogue_.lstsec().fullPaths(true), leftOut);
  output::BurnerStart start;  // no checked files: the burner as it starts by itself
  if (burner_ && !files.isEmpty())
    start = output::dataProjectStart(*burner_, limitMedium(), files, services_.processes.commandLineRoom());
  if (!burner_ || !services_.processes.startDetached(burner_->path, start.arguments))
    return services_.messages.show(programTitle, output::noBurnerText(), platform::MessageIcon::Exclamation);
  if (start.filesLeftOut)
    services_.messages.show(programTitle, output::filesLeftOutText(*burner_, int(files.size())),
                            platform::MessageIcon::Information);
  if (!leftOut.isEmpty())
    services_.messages.show(programTitle, output::leftOutText(leftOut), platform::MessageIcon::Information);
}

output::DiscMedium MainForm::limitMedium() const {
  return output::limitMedium(capacity_.exactBytes / double(catalogue::MB));
}

}  // namespace shell
