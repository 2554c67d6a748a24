// The main window's table of controls: every control it has, declared once.
#pragma once

#include <span>

#include "catalogue/Form.h"

namespace shell {

// The ids the program addresses the main window's controls by.
namespace mainform {
FILLPACK_CONTROL(frmmain);
FILLPACK_CONTROL(lbldirectory);
FILLPACK_CONTROL(txtdir);
FILLPACK_CONTROL(cmddir);
FILLPACK_CONTROL(lblpattern);
FILLPACK_CONTROL(txtpattern);
FILLPACK_CONTROL(optmain);
FILLPACK_CONTROL(imgLogo);
FILLPACK_CONTROL(lbllimit);
FILLPACK_CONTROL(txtlimit);
FILLPACK_CONTROL(lblmegabyte);
FILLPACK_CONTROL(chkrecurse);
FILLPACK_CONTROL(cmdadd);
FILLPACK_CONTROL(cmddel);
FILLPACK_CONTROL(lblCountList);
FILLPACK_CONTROL(cboLangPacks);
FILLPACK_CONTROL(lblLanguage);
FILLPACK_CONTROL(lstmain);
FILLPACK_CONTROL(colmain);
FILLPACK_CONTROL(PicSep);
FILLPACK_CONTROL(lstsec);
FILLPACK_CONTROL(colsec);
FILLPACK_CONTROL(framain);
FILLPACK_CONTROL(lblcurrent);
FILLPACK_CONTROL(lbllevel);
FILLPACK_CONTROL(imgpage);
FILLPACK_CONTROL(imgmag);
FILLPACK_CONTROL(cmdstop);
FILLPACK_CONTROL(cmdstop2);
FILLPACK_CONTROL(lblpercent);
FILLPACK_CONTROL(chkNoCD);
FILLPACK_CONTROL(cbospeed);
FILLPACK_CONTROL(lblspeed);
FILLPACK_CONTROL(txttotal);
FILLPACK_CONTROL(lblCountList2);
FILLPACK_CONTROL(PicButton);
FILLPACK_CONTROL(cmdload);
FILLPACK_CONTROL(cmdsearch);
FILLPACK_CONTROL(cmdCopy);
FILLPACK_CONTROL(cmdClipBoard);
FILLPACK_CONTROL(cmdsave);
FILLPACK_CONTROL(cmdhelp);
FILLPACK_CONTROL(cmdAbout);
FILLPACK_CONTROL(cmddelete);
FILLPACK_CONTROL(cmdburn);
FILLPACK_CONTROL(cmdcdrom);
FILLPACK_CONTROL(lblCountCDTotal);
FILLPACK_CONTROL(Timer);
FILLPACK_CONTROL(mnusel);
FILLPACK_CONTROL(mnuselitem);
FILLPACK_CONTROL(mnudelete);
FILLPACK_CONTROL(mnuclear);
FILLPACK_CONTROL(mnufiledelete);
FILLPACK_CONTROL(mnusearchall);
FILLPACK_CONTROL(mnuscan);
FILLPACK_CONTROL(mnubestfill);
FILLPACK_CONTROL(mnubestbatch);
FILLPACK_CONTROL(mnudisc);
FILLPACK_CONTROL(mnutogether);
FILLPACK_CONTROL(mnuloadlist);
}  // namespace mainform

std::span<const catalogue::ControlDecl> mainFormControls();

// Design sizes of the window, in twips: the smallest window and the height of the button
// panel along its bottom edge.
inline constexpr int minimumWidth = 10440;
inline constexpr int minimumHeight = 8600;

}  // namespace shell
