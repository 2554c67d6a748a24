// The tables of controls of the About, instructions and copy windows.
#pragma once

#include <span>

#include "catalogue/Form.h"

namespace shell {

namespace copyform {
FILLPACK_CONTROL(frmCopy);
FILLPACK_CONTROL(fraFolder);
FILLPACK_CONTROL(txtPath);
FILLPACK_CONTROL(cmdBrowse);
FILLPACK_CONTROL(chkSound);
FILLPACK_CONTROL(cmdOK);
FILLPACK_CONTROL(cmdCancel);
}  // namespace copyform

namespace helpform {
FILLPACK_CONTROL(frmHelp);
FILLPACK_CONTROL(txtHelp);
}  // namespace helpform

namespace aboutform {
FILLPACK_CONTROL(frmAbout);
FILLPACK_CONTROL(lblTitle);
FILLPACK_CONTROL(lblCopyright);
FILLPACK_CONTROL(lblRegisteredTo);
FILLPACK_CONTROL(lblNameCaption);
FILLPACK_CONTROL(lblregname);
FILLPACK_CONTROL(lblCompanyCaption);
FILLPACK_CONTROL(lblregcompany);
FILLPACK_CONTROL(lblSerialCaption);
FILLPACK_CONTROL(lblregserial);
FILLPACK_CONTROL(txtLicense);
FILLPACK_CONTROL(lblFreeware);
FILLPACK_CONTROL(lblEMail);
FILLPACK_CONTROL(lblHomePage);
FILLPACK_CONTROL(cmdUpdate);
FILLPACK_CONTROL(cmdOK);
}  // namespace aboutform

std::span<const catalogue::ControlDecl> aboutFormControls();
std::span<const catalogue::ControlDecl> helpFormControls();
std::span<const catalogue::ControlDecl> copyFormControls();

}  // namespace shell
