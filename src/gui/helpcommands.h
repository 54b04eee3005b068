// The commands of the Help menu: the check for a newer version of the program, the
// update of the country file and the about box. The two updates run only while no log
// is open; what was fetched is never run, a newer program only has its download page
// opened in the browser.
#pragma once

#include "update/ctyupdate.h"

class QWidget;

namespace qz::gui {

class TMainForm;

// Fetches the program version file (its address is a setting) and tells what it offers;
// for a newer version it offers to open the download page.
void CheckProgramVersion(TMainForm& form);

// Fetches the published country file when it is newer than the installed one and
// installs it, keeping the old one as a backup. Logs opened afterwards use the new file,
// so the program goes on running. `request` is the published addresses by default.
void UpdateCountryFile(TMainForm& form, TCtyUpdateRequest request = {});

// Product, description, version and build number.
void ShowAboutBox(QWidget* parent);

}  // namespace qz::gui
