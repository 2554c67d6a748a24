// The About, instructions and copy windows as designed, in twips at 96 dpi.
#include "shell/SecondaryFormControls.h"

#include <iterator>

namespace shell {

namespace {

using K = catalogue::ControlKind;

const catalogue::ControlDecl about[] = {
    {aboutform::frmAbout, -1, K::Window, catalogue::onWindow, "About Fillpack", "", QRect(0, 0, 6000, 5400)},
    {aboutform::lblTitle, -1, K::Label, catalogue::onWindow, "", "", QRect(240, 240, 5520, 360)},
    {aboutform::lblCopyright, -1, K::Label, catalogue::onWindow, "", "", QRect(240, 660, 5520, 600)},
    {aboutform::lblRegisteredTo, -1, K::Label, catalogue::onWindow, "This software is registered to:", "", QRect(240, 1380, 5520, 255)},
    {aboutform::lblNameCaption, -1, K::Label, catalogue::onWindow, "Registered name:", "", QRect(240, 1680, 1800, 255)},
    {aboutform::lblregname, -1, K::Label, catalogue::onWindow, "Unregistered Name", "", QRect(2100, 1680, 3660, 255)},
    {aboutform::lblCompanyCaption, -1, K::Label, catalogue::onWindow, "Company name:", "", QRect(240, 1980, 1800, 255)},
    {aboutform::lblregcompany, -1, K::Label, catalogue::onWindow, "Unregistered Company", "", QRect(2100, 1980, 3660, 255)},
    {aboutform::lblSerialCaption, -1, K::Label, catalogue::onWindow, "Serial number:", "", QRect(240, 2280, 1800, 255)},
    {aboutform::lblregserial, -1, K::Label, catalogue::onWindow, "", "", QRect(2100, 2280, 3660, 255)},
    {aboutform::txtLicense, -1, K::Memo, catalogue::onWindow, "", "", QRect(240, 2640, 5520, 1560)},
    {aboutform::lblFreeware, -1, K::Label, catalogue::onWindow, "This program is freeware", "", QRect(240, 4320, 5520, 255)},
    {aboutform::lblEMail, -1, K::Label, catalogue::onWindow, "Email me", "", QRect(240, 4680, 1400, 255)},
    {aboutform::lblHomePage, -1, K::Label, catalogue::onWindow, "WebSite", "", QRect(1800, 4680, 1400, 255)},
    {aboutform::cmdUpdate, -1, K::Button, catalogue::onWindow, "&New Update...", "", QRect(3300, 4860, 1260, 375)},
    {aboutform::cmdOK, -1, K::Button, catalogue::onWindow, "OK", "", QRect(4620, 4860, 1140, 375)},
};

const catalogue::ControlDecl help[] = {
    {helpform::frmHelp, -1, K::Window, catalogue::onWindow, "Instructions", "", QRect(0, 0, 9000, 6600)},
    {helpform::txtHelp, -1, K::Memo, catalogue::onWindow, "", "", QRect(120, 120, 8760, 6360)},
};

const catalogue::ControlDecl copy[] = {
    {copyform::frmCopy, -1, K::Window, catalogue::onWindow, "Copy to Folder", "", QRect(0, 0, 5400, 2100)},
    {copyform::fraFolder, -1, K::Frame, catalogue::onWindow, "Folder", "", QRect(120, 120, 5160, 840)},
    {copyform::txtPath, -1, K::TextBox, copyform::fraFolder, "", "", QRect(120, 330, 4320, 330)},
    {copyform::cmdBrowse, -1, K::Button, copyform::fraFolder, "...", "", QRect(4560, 330, 480, 330)},
    {copyform::chkSound, -1, K::CheckBox, catalogue::onWindow, "Sound when finish", "", QRect(240, 1140, 2400, 330)},
    {copyform::cmdOK, -1, K::Button, catalogue::onWindow, "&OK", "", QRect(2820, 1560, 1140, 375)},
    {copyform::cmdCancel, -1, K::Button, catalogue::onWindow, "&Cancel", "", QRect(4080, 1560, 1140, 375)},
};

}  // namespace

std::span<const catalogue::ControlDecl> aboutFormControls() { return {std::begin(about), std::end(about)}; }
std::span<const catalogue::ControlDecl> helpFormControls() { return {std::begin(help), std::end(help)}; }
std::span<const catalogue::ControlDecl> copyFormControls() { return {std::begin(copy), std::end(copy)}; }

}  // namespace shell
