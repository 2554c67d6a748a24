// The main window's controls as designed at its smallest size (10440 x 8600 twips, 96 dpi:
// 15 twips a pixel). The layout moves some of them as the window and the splitter move;
// the rest keep these places. Geometry is relative to the parent.
#include "shell/MainFormControls.h"

#include <iterator>

#include "output/DiscScan.h"

namespace shell {

namespace {

using K = catalogue::ControlKind;
using namespace mainform;

const catalogue::ControlDecl table[] = {
    {frmmain, -1, K::Window, catalogue::onWindow, "Fillpack", "", QRect(0, 0, minimumWidth, minimumHeight)},
    // Folder, pattern and limit, top left to right.
    {lbldirectory, -1, K::Label, catalogue::onWindow, "Directory:", "", QRect(120, 165, 900, 255)},
    {txtdir, -1, K::ComboBox, catalogue::onWindow, "", "", QRect(1080, 120, 7800, 330)},
    {cmddir, -1, K::Button, catalogue::onWindow, "&Browse", "", QRect(9000, 105, 1215, 360)},
    {lblpattern, -1, K::Label, catalogue::onWindow, "Pattern:", "", QRect(120, 615, 900, 255)},
    {txtpattern, -1, K::TextBox, catalogue::onWindow, "*.*", "", QRect(1080, 570, 2400, 330)},
    {optmain, 0, K::OptionButton, catalogue::onWindow, "Inclusive", "Include all file types in the Pattern text box",
     QRect(3600, 570, 1260, 330)},
    {optmain, 1, K::OptionButton, catalogue::onWindow, "Exclusive", "Include all file types except those in the Pattern text box",
     QRect(4920, 570, 1320, 330)},
    {imgLogo, -1, K::Image, catalogue::onWindow, "", "Click for check new update or show About..", QRect(6280, 510, 720, 420),
     "media-optical"},
    {lbllimit, -1, K::Label, catalogue::onWindow, "Limit", "", QRect(7080, 615, 500, 255)},
    {txtlimit, -1, K::ComboBox, catalogue::onWindow, "702", "", QRect(7680, 570, 1200, 330)},
    {lblmegabyte, -1, K::Label, catalogue::onWindow, "Megabytes", "", QRect(9000, 615, 1200, 255)},
    {chkrecurse, -1, K::CheckBox, catalogue::onWindow, "Include Subdirectories",
     "Searches subdirectories of the directory you selected instead of just the files within it",
     QRect(120, 1020, 2500, 330)},
    {cmdadd, -1, K::Button, catalogue::onWindow, "+", "", QRect(2700, 1005, 480, 360)},
    {cmddel, -1, K::Button, catalogue::onWindow, "-", "", QRect(3240, 1005, 480, 360)},
    // Two lines high: a long summary wraps instead of running under the language box.
    {lblCountList, -1, K::Label, catalogue::onWindow, "", "", QRect(3840, 975, 3700, 420)},
    {cboLangPacks, -1, K::PickList, catalogue::onWindow, "", "", QRect(7550, 1020, 1330, 330)},
    {lblLanguage, -1, K::Label, catalogue::onWindow, "Language", "", QRect(9000, 1065, 1200, 255)},
    // The two lists and the splitter between them; the layout sizes them. The bar fills the
    // gap between the lists, so that it is easy to grab.
    {lstmain, -1, K::ListView, catalogue::onWindow, "", "", QRect(120, 1440, 10095, 2715)},
    {colmain, 0, K::Column, lstmain, "File name", "", QRect(0, 0, 2880, 0)},
    {colmain, 1, K::Column, lstmain, "File Size", "", QRect(0, 0, 1100, 0)},
    {colmain, 2, K::Column, lstmain, "File Type", "", QRect(0, 0, 1800, 0)},
    {colmain, 3, K::Column, lstmain, "Path", "", QRect(0, 0, 2880, 0)},
    {colmain, 4, K::Column, lstmain, "Bytes", "", QRect(0, 0, 1150, 0)},
    {PicSep, -1, K::Splitter, catalogue::onWindow, "", "", QRect(120, 4160, 10095, 115)},
    {lstsec, -1, K::ListView, catalogue::onWindow, "", "", QRect(120, 4275, 10095, 2870)},
    {colsec, 0, K::Column, lstsec, "File name", "", QRect(0, 0, 5760, 0)},
    {colsec, 1, K::Column, lstsec, "Bytes", "", QRect(0, 0, 1150, 0)},
    // The progress frame, centred on the lower list while a long command runs. Its status
    // line has room for two lines: a copy names the file on the first and the counts on the
    // second, which a long path must not push out of sight.
    {framain, -1, K::Frame, catalogue::onWindow, "Scanning Progress", "", QRect(1867, 4810, 6600, 1800)},
    {lblcurrent, -1, K::Label, framain, "Current level of CD utilization", "", QRect(240, 360, 6120, 450)},
    {lbllevel, -1, K::Label, framain, "0%", "", QRect(240, 900, 1200, 255)},
    {imgpage, -1, K::Image, framain, "", "", QRect(2010, 960, 540, 690), "text-x-generic"},
    {imgmag, -1, K::Image, framain, "", "Please be patient", QRect(1680, 1080, 480, 480), "edit-find"},
    {cmdstop, -1, K::Button, framain, "&Stop", "", QRect(5220, 1260, 1140, 375)},
    {cmdstop2, -1, K::Button, framain, "&Stop", "", QRect(5220, 1260, 1140, 375)},
    // The totals row under the lower list.
    {lblpercent, -1, K::Label, catalogue::onWindow, "0% CD utilization", "", QRect(120, 7265, 2200, 255)},
    {chkNoCD, -1, K::CheckBox, catalogue::onWindow, "No CD in Drive", "If Checked no CD in Drive", QRect(2400, 7235, 1800, 330)},
    {cbospeed, -1, K::PickList, catalogue::onWindow, "", "Select the speed you wish to time", QRect(4320, 7205, 960, 330)},
    {lblspeed, -1, K::Label, catalogue::onWindow, "00:00 to burn",
     "Approx. how much time in minutes will take to burn the selected files to CD", QRect(5400, 7265, 1860, 255)},
    {txttotal, -1, K::TextBox, catalogue::onWindow, "", "", QRect(7880, 7265, 1000, 330)},
    {lblCountList2, -1, K::Label, catalogue::onWindow, "0 Megabytes", "", QRect(7340, 7265, 2900, 255)},
    // The button panel along the bottom edge: the commands on the upper row, the disc
    // buttons on the lower one.
    {PicButton, -1, K::Panel, catalogue::onWindow, "", "", QRect(0, 7700, minimumWidth, 900)},
    {cmdload, -1, K::Button, PicButton, "&Load", "", QRect(120, 60, 900, 375)},
    {cmdsearch, -1, K::Button, PicButton, "&Start read to list", "", QRect(1080, 60, 1900, 375)},
    {cmdCopy, -1, K::Button, PicButton, "Copy to &Folder", "", QRect(3040, 60, 1500, 375)},
    {cmdClipBoard, -1, K::Button, PicButton, "&Copy to ClipBoard", "", QRect(4600, 60, 1800, 375)},
    {cmdsave, -1, K::Button, PicButton, "&Save", "", QRect(6460, 60, 900, 375)},
    {cmdhelp, -1, K::Button, PicButton, "?", "", QRect(8630, 60, 420, 375)},
    {cmdAbout, -1, K::Button, PicButton, "i", "", QRect(9105, 60, 420, 375)},
    {cmddelete, -1, K::PictureButton, PicButton, "", "", QRect(120, 480, 480, 375), "user-trash"},
    {cmdburn, 0, K::PictureButton, PicButton, "", "", QRect(660, 480, 480, 375), "media-optical-burn"},
    {cmdburn, 1, K::PictureButton, PicButton, "", "", QRect(1200, 480, 480, 375), "media-optical"},
    {cmdcdrom, 0, K::Button, PicButton, output::firstDriveFolder, "", QRect(1740, 480, 1500, 375)},
    {lblCountCDTotal, -1, K::Label, PicButton, "", "", QRect(7400, 540, 2900, 255)},
    // The timer.
    {Timer, -1, K::Timer, catalogue::onWindow, "", "", QRect()},
    // Popup menus.
    {mnusel, -1, K::Menu, catalogue::onWindow, "&Select", "", QRect()},
    {mnuselitem, 0, K::MenuEntry, mnusel, "Select &All", "", QRect()},
    {mnuselitem, 1, K::MenuEntry, mnusel, "Select &None", "", QRect()},
    {mnuselitem, 2, K::MenuEntry, mnusel, "&Invert Selection", "", QRect()},
    {mnuselitem, 3, K::Separator, mnusel, "-", "", QRect()},
    {mnuselitem, 4, K::MenuEntry, mnusel, "All of this &type", "", QRect()},
    {mnuselitem, 5, K::MenuEntry, mnusel, "&None of this type", "", QRect()},
    {mnuselitem, 6, K::Separator, mnusel, "-", "", QRect()},
    {mnuselitem, 7, K::MenuEntry, mnusel, "All in this &path", "", QRect()},
    {mnuselitem, 8, K::MenuEntry, mnusel, "&None in this path", "", QRect()},
    {mnuselitem, 9, K::Separator, mnusel, "-", "", QRect()},
    {mnuselitem, 10, K::MenuEntry, mnusel, "&Smaller than this", "", QRect()},
    {mnuselitem, 11, K::MenuEntry, mnusel, "&Bigger than this", "", QRect()},
    {mnudelete, -1, K::Menu, catalogue::onWindow, "Delete", "", QRect()},
    {mnuclear, -1, K::MenuEntry, mnudelete, "&Clear the files", "", QRect()},
    {mnufiledelete, -1, K::MenuEntry, mnudelete, "&Delete the files", "", QRect()},
    {mnusearchall, -1, K::Menu, catalogue::onWindow, "Search", "", QRect()},
    {mnuscan, -1, K::MenuEntry, mnusearchall, "&Batch search", "", QRect()},
    {mnubestfill, -1, K::MenuEntry, mnusearchall, "Best-&fill search", "", QRect()},
    {mnubestbatch, -1, K::MenuEntry, mnusearchall, "Best-fill ba&tch search", "", QRect()},
    // The two options every search and batch after them follow.
    {mnudisc, -1, K::CheckEntry, mnusearchall, "Count as on &disc", "", QRect()},
    {mnutogether, -1, K::CheckEntry, mnusearchall, "&Keep folders together", "", QRect()},
    {mnuloadlist, -1, K::Menu, catalogue::onWindow, "Load", "", QRect()},
};

}  // namespace

std::span<const catalogue::ControlDecl> mainFormControls() { return {std::begin(table), std::end(table)}; }

}  // namespace shell
