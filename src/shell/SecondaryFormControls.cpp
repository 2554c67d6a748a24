// The About, instructions and copy windows as designed, in twips at 96 dpi.
#include "shell/SecondaryFormControls.h"

#include <iterator>

namespace shell {

namespace {

using K = catalogue::ControlKind;

const catalogue::ControlDecl about[] = {
    {"frmAbout", -1, K::Window, "", "About Fillpack", "", QRect(0, 0, 6000, 5400)},
    {"lblTitle", -1, K::Label, "", "", "", QRect(240, 240, 5520, 360)},
    {"lblCopyright", -1, K::Label, "", "", "", QRect(240, 660, 5520, 600)},
    {"lblRegisteredTo", -1, K::Label, "", "This software is registered to:", "", QRect(240, 1380, 5520, 255)},
    {"lblNameCaption", -1, K::Label, "", "Registered name:", "", QRect(240, 1680, 1800, 255)},
    {"lblregname", -1, K::Label, "", "Unregistered Name", "", QRect(2100, 1680, 3660, 255)},
    {"lblCompanyCaption", -1, K::Label, "", "Company name:", "", QRect(240, 1980, 1800, 255)},
    {"lblregcompany", -1, K::Label, "", "Unregistered Company", "", QRect(2100, 1980, 3660, 255)},
    {"lblSerialCaption", -1, K::Label, "", "Serial number:", "", QRect(240, 2280, 1800, 255)},
    {"lblregserial", -1, K::Label, "", "", "", QRect(2100, 2280, 3660, 255)},
    {"txtLicense", -1, K::Memo, "", "", "", QRect(240, 2640, 5520, 1560)},
    {"lblFreeware", -1, K::Label, "", "This program is freeware", "", QRect(240, 4320, 5520, 255)},
    {"lblEMail", -1, K::Label, "", "Email me", "", QRect(240, 4680, 1400, 255)},
    {"lblHomePage", -1, K::Label, "", "WebSite", "", QRect(1800, 4680, 1400, 255)},
    {"cmdUpdate", -1, K::Button, "", "&New Update...", "", QRect(3300, 4860, 1260, 375)},
    {"cmdOK", -1, K::Button, "", "OK", "", QRect(4620, 4860, 1140, 375)},
};

const catalogue::ControlDecl help[] = {
    {"frmHelp", -1, K::Window, "", "Instructions", "", QRect(0, 0, 9000, 6600)},
    {"txtHelp", -1, K::Memo, "", "", "", QRect(120, 120, 8760, 6360)},
};

const catalogue::ControlDecl copy[] = {
    {"frmCopy", -1, K::Window, "", "Copy to Folder", "", QRect(0, 0, 5400, 2100)},
    {"fraFolder", -1, K::Frame, "", "Folder", "", QRect(120, 120, 5160, 840)},
    {"txtPath", -1, K::TextBox, "fraFolder", "", "", QRect(120, 330, 4320, 330)},
    {"cmdBrowse", -1, K::Button, "fraFolder", "...", "", QRect(4560, 330, 480, 330)},
    {"chkSound", -1, K::CheckBox, "", "Sound when finish", "", QRect(240, 1140, 2400, 330)},
    {"cmdOK", -1, K::Button, "", "&OK", "", QRect(2820, 1560, 1140, 375)},
    {"cmdCancel", -1, K::Button, "", "&Cancel", "", QRect(4080, 1560, 1140, 375)},
};

}  // namespace

std::span<const catalogue::ControlDecl> aboutFormControls() { return {std::begin(about), std::end(about)}; }
std::span<const catalogue::ControlDecl> helpFormControls() { return {std::begin(help), std::end(help)}; }
std::span<const catalogue::ControlDecl> copyFormControls() { return {std::begin(copy), std::end(copy)}; }

}  // namespace shell
